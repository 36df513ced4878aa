#include "forms/fields/richtext/textline.h"

#include "forms/fields/richtext/line_buffers.h"
#include "forms/fields/richtext/line_fonts.h"
#include "forms/fields/richtext/richtext.h"

#include <algorithm>

namespace {

uint32_t g_serial = 0;
uint32_t g_lastBroken = 0;

uint32_t NewSerial()
{
    // Zero stands for no line built or broken.
    if (++g_serial == 0)
        ++g_serial;
    return g_serial;
}

// The largest of each metric.
void Raise(TEXTLINE& line, const gdi::TEXTMETRIC& tm)
{
    line.ascent = static_cast<uint16_t>(std::max<int32_t>(line.ascent, tm.tmAscent));
    line.descent = static_cast<uint16_t>(std::max<int32_t>(line.descent, tm.tmDescent));
    if (!line.fixed)
        line.height = static_cast<uint16_t>(std::max<int32_t>(line.height, tm.tmHeight));
}

void Take(TEXTLINE& line, const gdi::TEXTMETRIC& tm)
{
    line.ascent = static_cast<uint16_t>(std::max(0, tm.tmAscent));
    line.descent = static_cast<uint16_t>(std::max(0, tm.tmDescent));
    if (!line.fixed)
        line.height = static_cast<uint16_t>(std::max(0, tm.tmHeight));
}

} // namespace

LINEBUFFERS& GetLineBuffers()
{
    static LINEBUFFERS buffers;
    return buffers;
}

uint32_t& LastBrokenSerial()
{
    return g_lastBroken;
}

const std::vector<LINECHAR>& TEXTLINE::GetChars()
{
    return GetLineBuffers().chars;
}

int32_t TEXTLINE::GetAlignOffset()
{
    return GetLineBuffers().offset;
}

void TEXTLINE::Init(uint16_t lineHeight, uint16_t angle, const TEXTPOS& from, const TEXTATTR& format, int32_t x,
    int32_t y, const TEXTDRAWINFO* info, int32_t w, const RICHTEXT* owner)
{
    *this = TEXTLINE();
    fixed = lineHeight != kNaturalHeight ? 1 : 0;
    height = fixed ? lineHeight : 0;
    rotation = angle;
    start = drawStart = from;
    startAttr = drawAttr = endAttr = format;
    end = from;
    left = x;
    top = y;
    bottom = y + height;
    available = w;
    drawInfo = info;
    text = owner;
    first = 1;
    serial = NewSerial();
}

void TEXTLINE::Renew(const TEXTDRAWINFO* info)
{
    drawInfo = info;
    serial = NewSerial();
}

TEXTLINE TEXTLINE::Next() const
{
    TEXTLINE next;
    next.Init(fixed ? height : kNaturalHeight, rotation, end, endAttr, left, bottom, drawInfo, available, text);
    next.first = 0;
    next.fixedDescent = fixedDescent;
    return next;
}

TEXTATTR TEXTLINE::Effective(const TEXTATTR& format) const
{
    TEXTATTR attr = text ? text->GetEffectiveAttr(format) : format;
    if (attr.colour == kMixedColour)
        attr.colour = 0;
    return attr;
}

void TEXTLINE::ComputeMetrics()
{
    const TEXTDRAWINFO& info = *drawInfo;
    ascent = descent = 0;
    if (!fixed)
        height = 0;
    TEXTATTR attr = startAttr;
    Take(*this, GetLayoutMetrics(info, Effective(attr), rotation));
    if (endKind != kLineNoText) {
        // Blanks and codes before the first visible character: each font met
        // raises the metrics, and a line with nothing visible keeps them.
        TEXTPOS p = start;
        bool visible = false;
        while (!(p == end) && !p.IsAtEnd()) {
            const unsigned char c = p.GetChar();
            if (c == kEsc) {
                while (p.GetChar() == kEsc && !(p == end))
                    p.ApplyCode(attr);
                Raise(*this, GetLayoutMetrics(info, Effective(attr), rotation));
                continue;
            }
            if (c == kBlank)
                p.Move(1);
            else {
                visible = !EndsLine(c);
                break;
            }
        }
        if (visible) {
            // The font of the first visible character, raised by every run
            // of codes between it and the last visible character.
            ascent = descent = 0;
            if (!fixed)
                height = 0;
            Take(*this, GetLayoutMetrics(info, Effective(attr), rotation));
            std::vector<TEXTATTR> pending;
            while (!(p == end) && !p.IsAtEnd()) {
                const unsigned char c = p.GetChar();
                if (c == kEsc) {
                    while (p.GetChar() == kEsc && !(p == end))
                        p.ApplyCode(attr);
                    pending.push_back(attr);
                    continue;
                }
                if (c > kBlank) {
                    for (const TEXTATTR& a : pending)
                        Raise(*this, GetLayoutMetrics(info, Effective(a), rotation));
                    pending.clear();
                }
                p.Move(1);
            }
        }
    }
    bottom = top + height;
    if (fixed && fixedDescent < 0)
        fixedDescent = descent;
}
