// Building a line's characters into the line buffers: alignment,
// justification, the screen's widths, and positions and x along the line.
#include "forms/fields/richtext/line_buffers.h"
#include "forms/fields/richtext/line_fonts.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/fields/richtext/textline.h"

namespace {

// Spreads spare twips over the blanks between words: each gets the
// quotient, and the remainder goes one twip at a time from the first.
void Justify(std::vector<LINECHAR>& chars, int32_t spare)
{
    int32_t n = 0;
    for (const LINECHAR& c : chars)
        n += c.kind == LINECHAR::Inner ? 1 : 0;
    if (n == 0)
        return;
    const int32_t q = spare / n;
    int32_t r = spare % n;
    for (LINECHAR& c : chars) {
        if (c.kind != LINECHAR::Inner)
            continue;
        c.width += q;
        if (r > 0) {
            ++c.width;
            --r;
        } else if (r < 0) {
            --c.width;
            ++r;
        }
    }
}

int32_t AlignOffset(uint8_t alignment, int32_t spare)
{
    switch (alignment) {
    case kTextAlignRight:
        return spare;
    case kTextAlignCentred:
        return spare / 2;
    default:
        return 0;
    }
}

} // namespace

void TEXTLINE::BuildChars()
{
    LINEBUFFERS& buffers = GetLineBuffers();
    if (buffers.serial == serial)
        return;
    Break();
    buffers.serial = serial;
    buffers.chars.clear();
    buffers.offset = 0;
    visibleEnd = 0;
    if (endKind == kLineNoText)
        return;

    std::vector<LINECHAR>& chars = buffers.chars;
    const TEXTDRAWINFO& info = *drawInfo;
    TEXTATTR attr = startAttr;
    CHARWIDTHS widths;
    GetLayoutWidths(info, Effective(attr), rotation, widths);
    TEXTPOS p = start;
    int32_t leadingLeft = leading;
    bool trailing = false;
    const auto add = [&](const TEXTPOS& at, unsigned char c, LINECHAR::Kind kind) {
        LINECHAR entry;
        entry.pos = at;
        entry.ch = kind == LINECHAR::Visible ? c : static_cast<unsigned char>(kBlank);
        entry.width = kind == LINECHAR::Visible ? widths[c] : widths[kBlank];
        entry.kind = kind;
        chars.push_back(entry);
    };
    while (!(p == end)) {
        if (p == breakPos)
            trailing = true;
        const unsigned char c = p.GetChar();
        if (c == kEsc) {
            const TEXTPOS at = p;
            const TEXTATTR before = Effective(attr);
            while (p.GetChar() == kEsc && !(p == end)) {
                p.ApplyCode(attr);
                if (p == breakPos)
                    trailing = true;
            }
            const TEXTATTR now = Effective(attr);
            if (!now.IsEqual(before)) {
                LINECHAR entry;
                entry.pos = at;
                entry.kind = LINECHAR::Format;
                entry.attr = now;
                chars.push_back(entry);
                GetLayoutWidths(info, now, rotation, widths);
            }
            continue;
        }
        if (EndsLine(c)) {
            add(p, c, LINECHAR::Terminator);
            if (c == kEndMark)
                break;
        } else if (c > kBlank) {
            add(p, c, LINECHAR::Visible);
        } else if (c == kBlank && leadingLeft > 0) {
            --leadingLeft;
            add(p, c, LINECHAR::Leading);
        } else {
            add(p, c, trailing ? LINECHAR::Trailing : LINECHAR::Inner);
        }
        p.Move(1);
    }
    if (endKind == kLineEndOfText && p == end && p.IsAtEnd())
        add(p, kEndMark, LINECHAR::Terminator);

    // The content ends before the trailing blanks and the break.
    size_t contentEnd = chars.size();
    for (size_t i = 0; i < chars.size(); ++i) {
        if (chars[i].kind == LINECHAR::Trailing || chars[i].kind == LINECHAR::Terminator) {
            contentEnd = i;
            break;
        }
    }
    visibleEnd = static_cast<uint32_t>(contentEnd);

    const uint8_t alignment = text ? text->GetAlignment() : kTextAlignLeft;
    const bool justify = alignment == kTextAlignJustified && wrapped;
    buffers.offset = AlignOffset(alignment, available - width);
    if (justify)
        Justify(chars, available - width);

    if (info.UsesScreenWidths()) {
        // The screen's own widths; its blanks then take up the difference so
        // that the line keeps its width where it must.
        TEXTATTR shown = Effective(startAttr);
        GetScreenWidths(info, shown, rotation, widths);
        int32_t screenWidth = 0;
        for (size_t i = 0; i < chars.size(); ++i) {
            LINECHAR& c = chars[i];
            if (c.kind == LINECHAR::Format) {
                GetScreenWidths(info, c.attr, rotation, widths);
                continue;
            }
            c.width = widths[c.ch];
            if (i < contentEnd)
                screenWidth += c.width;
        }
        if (screenWidth > available || justify) {
            int32_t n = 0;
            for (size_t i = 0; i < contentEnd; ++i)
                n += chars[i].kind == LINECHAR::Inner ? 1 : 0;
            if (n > 0) {
                Justify(chars, available - screenWidth);
                screenWidth = available;
            }
        }
        buffers.offset = AlignOffset(alignment, available - screenWidth);
    }
}

int32_t TEXTLINE::XOfPos(const TEXTPOS& pos)
{
    BuildChars();
    int32_t x = left + GetAlignOffset();
    if (!pos.IsSet() || pos.Compare(start) <= 0)
        return x;
    for (const LINECHAR& c : GetChars()) {
        if (c.kind == LINECHAR::Format)
            continue;
        if (pos.Compare(c.pos) <= 0)
            return x;
        x += c.width;
    }
    return x;
}

LINEHIT TEXTLINE::PosOfX(int32_t x, bool mayPassEnd)
{
    BuildChars();
    LINEHIT hit;
    hit.attr = Effective(startAttr);
    hit.pos = start;
    hit.x = left + GetAlignOffset();
    const std::vector<LINECHAR>& chars = GetChars();
    int32_t at = hit.x;
    for (size_t i = 0; i < chars.size(); ++i) {
        const LINECHAR& c = chars[i];
        if (c.kind == LINECHAR::Format) {
            hit.attr = c.attr;
            continue;
        }
        hit.pos = c.pos;
        hit.x = at;
        if (at + c.width >= x + 1)
            return hit;
        at += c.width;
    }
    // The end mark is the last position of a text: nothing lies after it.
    if (mayPassEnd && !chars.empty() && endKind != kLineEndOfText) {
        hit.pos = end;
        hit.x = at;
    }
    return hit;
}
