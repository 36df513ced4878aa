// The line breaker: lines are broken with the printer's character widths so
// that every device breaks them at the same characters.
#include "forms/fields/richtext/line_buffers.h"
#include "forms/fields/richtext/line_fonts.h"
#include "forms/fields/richtext/textline.h"

namespace {

// More leading blanks than this end the line.
constexpr int32_t kMaxLeadingBlanks = 400;

// Where the scan stands; a copy is saved at each break opportunity.
struct SCANSTATE {
    TEXTPOS pos;
    TEXTATTR attr;
    int32_t width = 0;
    int32_t blanks = 0;
    int32_t leading = 0;
    uint8_t wrapped = 1;
};

// Blanks for breaking: every control character but the breaks and ESC.
bool IsBlankLike(unsigned char c)
{
    return c <= kBlank && c != kEsc && !EndsLine(c);
}

} // namespace

void TEXTLINE::Break()
{
    if (serial == LastBrokenSerial())
        return;
    LastBrokenSerial() = serial;
    if (!start.IsSet()) {
        endKind = kLineNoText;
        last = 0;
        ComputeMetrics();
        return;
    }

    const int32_t w = available;
    SCANSTATE s;
    s.pos = start;
    s.attr = startAttr;
    CHARWIDTHS widths;
    GetLayoutWidths(*drawInfo, Effective(s.attr), rotation, widths);
    const auto applyCodes = [&] {
        while (s.pos.GetChar() == kEsc)
            s.pos.ApplyCode(s.attr);
        GetLayoutWidths(*drawInfo, Effective(s.attr), rotation, widths);
    };
    SCANSTATE saved = s;

    // Leading blanks.
    for (;;) {
        const unsigned char c = s.pos.GetChar();
        if (c == kEsc) {
            applyCodes();
        } else if (c == kBlank) {
            s.width += widths[kBlank];
            ++s.leading;
            s.pos.Move(1);
        } else {
            break;
        }
    }

    if (s.width > w || s.leading > kMaxLeadingBlanks) {
        // The line holds only blanks.
        s.wrapped = 0;
        saved = s;
    } else {
        for (;;) {
            const unsigned char c = s.pos.GetChar();
            if (c == kEsc) {
                applyCodes();
            } else if (EndsLine(c)) {
                s.wrapped = 0;
                saved = s;
                break;
            } else if (c > kBlank) {
                // A word stays on the line only while it ends before the
                // available width.
                s.width += widths[c];
                if (s.width >= w)
                    break;
                s.pos.Move(1);
            } else {
                saved = s;
                while (IsBlankLike(s.pos.GetChar())) {
                    s.width += widths[kBlank];
                    ++s.blanks;
                    s.pos.Move(1);
                }
            }
        }
    }

    TEXTPOS firstChar = start;
    TEXTATTR ignored;
    firstChar.ApplyCodes(ignored, true);
    if (saved.pos == start && firstChar.GetChar() > kBlank) {
        BreakInsideWord();
        return;
    }

    // Trailing blanks and codes belong to this line, a hard break too.
    breakPos = saved.pos;
    s = saved;
    for (;;) {
        const unsigned char c = s.pos.GetChar();
        if (c == kEsc)
            s.pos.ApplyCode(s.attr);
        else if (IsBlankLike(c))
            s.pos.Move(1);
        else
            break;
    }
    const unsigned char c = s.pos.GetChar();
    if (c == kEndMark) {
        endKind = kLineEndOfText;
    } else if (c == kReturn || c == kLineFeed) {
        endKind = kLineHardBreak;
        s.pos.Move(1);
    } else {
        endKind = kLineWrapped;
    }
    if (endKind == kLineWrapped && s.pos == start) {
        // Nothing fits at all: the line still takes a character.
        BreakInsideWord();
        return;
    }
    end = s.pos;
    endAttr = s.attr;
    wrapped = saved.wrapped;
    blanks = saved.blanks;
    leading = saved.leading;
    width = saved.width;
    last = endKind == kLineEndOfText ? 1 : 0;
    ComputeMetrics();
}

void TEXTLINE::BreakInsideWord()
{
    SCANSTATE s;
    s.pos = start;
    s.attr = startAttr;
    CHARWIDTHS widths;
    GetLayoutWidths(*drawInfo, Effective(s.attr), rotation, widths);
    int taken = 0;
    TEXTPOS before;
    int32_t lastWidth = 0;
    for (;;) {
        const unsigned char c = s.pos.GetChar();
        if (c == kEsc) {
            while (s.pos.GetChar() == kEsc)
                s.pos.ApplyCode(s.attr);
            GetLayoutWidths(*drawInfo, Effective(s.attr), rotation, widths);
            continue;
        }
        if (c == kEndMark || (taken > 0 && c <= kBlank))
            break;
        before = s.pos;
        lastWidth = widths[c];
        s.width += lastWidth;
        s.pos.Move(1);
        ++taken;
        if (s.width >= available && taken >= 2)
            break;
    }
    // At least two characters are taken; the one that reached the width
    // goes to the next line, unless fewer than two would stay.
    if (taken > 2 && s.width >= available) {
        s.pos = before;
        s.width -= lastWidth;
    }
    endKind = s.pos.IsAtEnd() ? kLineEndOfText : kLineWrapped;
    end = breakPos = s.pos;
    endAttr = s.attr;
    wrapped = 1;
    blanks = 0;
    leading = 0;
    width = s.width;
    last = endKind == kLineEndOfText ? 1 : 0;
    ComputeMetrics();
}
