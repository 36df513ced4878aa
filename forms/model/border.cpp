// The border's values, its rounding rule and its record group, and the
// rectangles through the outer and inner edges of its bars.
#include "forms/model/border.h"

#include "forms/model/border_layout.h"
#include "forms/model/fixed_record.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"

namespace {

// Records of the border's group.
constexpr uint8_t kRecLine = 0x81;
constexpr uint8_t kRecCorners = 0x82;

// The rounding that follows the width: none stays none.
uint16_t Derived(uint16_t rounding, uint16_t width)
{
    if (rounding == 0)
        return 0;
    return width >= kLargeRoundingWidth ? kLargeRounding : kSmallRounding;
}

} // namespace

BORDER::BORDER(
    uint8_t style, uint16_t width, uint16_t lineType, uint32_t colour, uint32_t roundedFlag, uint16_t rounding)
    : style(style)
    , width(width)
    , lineType(lineType)
    , colour(colour)
    , roundedFlag(roundedFlag)
    , rounding(rounding)
{}

uint8_t BORDER::SetStyle(int s)
{
    const uint8_t old = style;
    if (s >= 0 && s <= 5)
        style = static_cast<uint8_t>(s);
    return old;
}

uint16_t BORDER::SetWidth(uint16_t w)
{
    const uint16_t old = width;
    width = w;
    rounding = Derived(rounding, width);
    return old;
}

uint16_t BORDER::SetLineType(uint16_t t)
{
    const uint16_t old = lineType;
    lineType = t;
    return old;
}

uint32_t BORDER::SetColour(uint32_t c)
{
    const uint32_t old = colour;
    colour = c;
    return old;
}

void BORDER::SetDerived(uint16_t r)
{
    rounding = Derived(r, width);
}

void BORDER::Copy(const BORDER& other)
{
    *this = other;
    rounding = Derived(other.rounding, width);
}

bool BORDER::IsEqual(const BORDER& other) const
{
    return style == other.style && width == other.width && lineType == other.lineType && colour == other.colour
        && roundedFlag == other.roundedFlag && reserved == other.reserved && rounding == other.rounding;
}

void BORDER::Save(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    ar.BeginRecord();
    ar.PutU8(style);
    ar.PutU16(width);
    ar.PutU16(lineType);
    ar.PutU32(colour);
    ar.EndRecord(kRecLine);
    ar.BeginRecord();
    ar.PutU16(roundedFlag ? 1 : 0);
    ar.PutU16(rounding);
    ar.EndRecord(kRecCorners);
    ar.WriteTag(kEndGroup);
}

void BORDER::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kRecLine) {
            RecordReader r = ReadFixedRecord(ar);
            style = r.U8(style);
            SetWidth(r.U16(width));
            lineType = r.U16(lineType);
            colour = r.U32(colour);
        } else if (tag == kRecCorners) {
            RecordReader r = ReadFixedRecord(ar);
            roundedFlag = r.U16(roundedFlag ? 1 : 0) == 1 ? 1 : 0;
            rounding = r.U16(rounding);
        } else {
            ar.SkipRecord(tag);
        }
    }
}

void BORDER::GetOuterRect(VIEWDC& dc, RECT& rect) const
{
    if (lineType == kLineNone)
        return;
    rect = DeviceToLogical(dc, BorderLayout::Make(*this, dc, rect).OuterRing(true));
}

void BORDER::GetInnerRect(VIEWDC& dc, RECT& rect) const
{
    if (lineType == kLineNone)
        return;
    rect = DeviceToLogical(dc, BorderLayout::Make(*this, dc, rect).InnerEdges(true));
}

void BORDER::FillInside(VIEWDC& dc, const RECT& rect, BASICSHADE& shade) const
{
    if (roundedFlag && rounding != 0)
        shade.FillRoundRect(dc, rect, rounding, lineType != kLineNone);
    else
        shade.FillRect(dc, rect);
}
