// Drawing a built line: runs of characters with their advances, the
// strike-out and underlines the program draws itself, and the selection.
#include "forms/fields/richtext/line_buffers.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/fields/richtext/textline.h"
#include "forms/model/font_cache.h"

#include <algorithm>
#include <string>

namespace {

// One run of characters in one format.
struct RUN {
    TEXTATTR attr;
    int32_t x = 0; // where the run starts
    std::string chars;
    std::vector<int> widths;
    size_t firstIndex = 0; // of the run's first character in the line buffers
    int32_t Right() const
    {
        int32_t r = x;
        for (int w : widths)
            r += w;
        return r;
    }
};

// A horizontal line from x1 to x2 at y, in the text's twips.
void Rule(const TEXTDRAWINFO& info, int32_t x1, int32_t x2, int32_t y)
{
    if (x2 <= x1)
        return;
    info.MoveTo(x1, y);
    info.LineTo(x2, y);
}

} // namespace

void TEXTLINE::Draw(const TEXTDRAWINFO& info, const TEXTSELECTION* selection, bool fill)
{
    BuildChars();
    gdi::DC& dc = *info.dc;
    const std::vector<LINECHAR>& chars = GetChars();
    const int32_t baseline = GetBaseline();
    const uint8_t alignment = text ? text->GetAlignment() : kTextAlignLeft;
    const bool leftish = alignment == kTextAlignLeft || alignment == kTextAlignJustified;
    const bool opaque = fill && !(leftish && !wrapped && info.mode == kTextOnPrinter);
    const unsigned oldAlign = dc.SetTextAlign(gdi::TA_LEFT | gdi::TA_BASELINE);
    const int oldMode = dc.SetBkMode(gdi::TRANSPARENT);
    FONTCACHE* fonts = GetFontCache();

    // The last stored character, whose blank gets no underline.
    size_t lastChar = chars.size();
    for (size_t i = chars.size(); i-- > 0;) {
        if (chars[i].kind != LINECHAR::Format) {
            lastChar = i;
            break;
        }
    }

    const int32_t lineStart = left + GetAlignOffset();
    const auto drawRun = [&](const RUN& run, bool firstRun, bool lastRun) {
        if (run.chars.empty())
            return;
        if (fonts)
            fonts->GetFont(dc, info.mode, static_cast<uint32_t>(info.zoom.zoomX), run.attr, int16_t(rotation));
        unsigned options = 0;
        RECT box;
        if (opaque) {
            options = gdi::ETO_OPAQUE;
            // The first and last runs reach the line's ends.
            box = {firstRun ? left : run.x, top, lastRun ? left + available : run.Right(), bottom};
        }
        info.TextOut(run.x, baseline, options, opaque ? &box : nullptr, run.chars.data(),
            static_cast<int>(run.chars.size()), run.widths.data());

        const TEXTATTR& a = run.attr;
        if (a.strike != 1 && a.underline != kUnderlineWord && a.underline != kUnderlineSingle
            && a.underline != kUnderlineDouble)
            return;
        const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::Solid(a.size / 40, a.colour));
        if (a.strike == 1) {
            // Not through the blank that stands for the line's break.
            int32_t right = run.Right();
            if (run.firstIndex + run.chars.size() == lastChar + 1 && chars[lastChar].kind == LINECHAR::Terminator)
                right -= run.widths.back();
            Rule(info, run.x, right, baseline - ascent / 3);
        }
        // Segments of underlined characters.
        int32_t x = run.x;
        int32_t from = x;
        bool open = false;
        const int32_t under = baseline + descent / 2;
        const int32_t second = std::min(baseline + descent - 15, std::max(baseline + 30, baseline + descent / 2));
        const auto close = [&](int32_t to) {
            if (!open)
                return;
            open = false;
            if (a.underline == kUnderlineDouble) {
                Rule(info, from, to, baseline);
                Rule(info, from, to, second);
            } else {
                Rule(info, from, to, under);
            }
        };
        if (a.underline != 0) {
            for (size_t i = 0; i < run.chars.size(); ++i) {
                const bool blank = run.chars[i] == ' ';
                const bool skip = a.underline == kUnderlineWord ? blank : blank && run.firstIndex + i == lastChar;
                if (skip) {
                    close(x);
                } else if (!open) {
                    open = true;
                    from = x;
                }
                x += run.widths[i];
            }
            close(x);
        }
        dc.SelectObject(oldPen);
    };

    RUN run;
    run.attr = Effective(startAttr);
    run.x = lineStart;
    int32_t x = lineStart;
    bool firstRun = true;
    for (size_t i = 0; i < chars.size(); ++i) {
        const LINECHAR& c = chars[i];
        if (c.kind == LINECHAR::Format) {
            if (!run.chars.empty()) {
                drawRun(run, firstRun, false);
                firstRun = false;
            }
            run = RUN();
            run.attr = c.attr;
            run.x = x;
            continue;
        }
        if (run.chars.empty())
            run.firstIndex = i;
        run.chars.push_back(static_cast<char>(c.ch));
        run.widths.push_back(c.width);
        x += c.width;
    }
    drawRun(run, firstRun, true);

    dc.SetBkMode(oldMode);
    dc.SetTextAlign(oldAlign);
    InvertSelection(info, selection);
}

void TEXTLINE::InvertSelection(const TEXTDRAWINFO& info, const TEXTSELECTION* selection)
{
    if (!selection || !selection->IsActive())
        return;
    TEXTPOS from = selection->anchor;
    TEXTPOS to = selection->caret;
    if (from.Compare(to) > 0)
        std::swap(from, to);
    // The selection overlaps the line when it starts before the line's end
    // and ends after its start.
    const bool endsHere = endKind == kLineEndOfText;
    if (!endsHere && from.Compare(end) >= 0)
        return;
    if (to.Compare(start) <= 0)
        return;
    const int32_t x1 = XOfPos(from);
    const int32_t x2 = XOfPos(to);
    if (x2 > x1)
        info.InvertRect({x1, top, x2, bottom});
}
