#include "forms/model/fline.h"

#include "forms/model/border.h"
#include "forms/model/dc_map_state.h"
#include "forms/model/fixed_record.h"
#include "forms/model/record_archive.h"
#include "forms/model/viewdc.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint8_t kRecEnds = 0x94;

// Handle bits by direction: the two ends, and for straight lines the
// middles of the sides they lie on.
constexpr unsigned kHandlesFalling = 0x05;
constexpr unsigned kHandlesRising = 0x0A;
constexpr unsigned kHandlesHorizontal = 0xAF;
constexpr unsigned kHandlesVertical = 0x5F;

bool OnCorner(POINT p, const RECT& r)
{
    return (p.x == r.left || p.x == r.right) && (p.y == r.top || p.y == r.bottom);
}

// A product rounded toward zero.
int32_t Scaled(int32_t margin, double factor)
{
    return static_cast<int32_t>(margin * factor);
}

} // namespace

int FLINE::Init()
{
    lineCode = 3;
    return LINE_OBJECT::Init();
}

uint8_t FLINE::ClassifyDirection(POINT a, POINT b)
{
    uint8_t d = 0;
    if ((b.x > a.x && b.y > a.y) || (b.x < a.x && b.y < a.y))
        d = kLineFalling;
    if ((b.x < a.x && b.y > a.y) || (b.x > a.x && b.y < a.y))
        d = kLineRising;
    if (b.x == a.x)
        d = kLineVertical;
    if (b.y == a.y)
        d = kLineHorizontal;
    return d;
}

void FLINE::SaveRecords(RECORDARCHIVE& ar)
{
    ar.BeginRecord();
    ar.PutI32(first.x);
    ar.PutI32(first.y);
    ar.PutI32(second.x);
    ar.PutI32(second.y);
    ar.PutU8(lineCode);
    ar.EndRecord(kRecEnds);
}

bool FLINE::LoadRecord(RECORDARCHIVE& ar, uint8_t tag)
{
    if (tag != kRecEnds)
        return false;
    RecordReader r = ReadFixedRecord(ar);
    first.x = r.I32(first.x);
    first.y = r.I32(first.y);
    second.x = r.I32(second.x);
    second.y = r.I32(second.y);
    lineCode = r.U8(lineCode);
    return true;
}

void FLINE::KeepEndsOnCorners()
{
    if (OnCorner(first, rect) && OnCorner(second, rect))
        return;
    if (ClassifyDirection(first, second) == kLineFalling) {
        first = {rect.left, rect.top};
        second = {rect.right, rect.bottom};
    } else {
        first = {rect.right, rect.top};
        second = {rect.left, rect.bottom};
    }
}

void FLINE::SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    FORMOBJ::SetRect(left, top, right, bottom);
    KeepEndsOnCorners();
}

void FLINE::Draw(VIEWDC& dc)
{
    // Ends a file brought off the rectangle's corners are put back on them.
    KeepEndsOnCorners();
    BORDER line;
    if (GetBorder(&line))
        line.DrawSlanted(dc, first, second, rect);
}

int FLINE::HitTest(VIEWDC& dc, int32_t x, int32_t y)
{
    RECT outer;
    FORMOBJ::GetOuterRect(outer, dc);
    const RECT out = ToDevice(dc, outer);
    const RECT in = ToDevice(dc, rect);
    const int32_t top = std::max(in.top - out.top, 2);
    const int32_t bottom = std::max(out.bottom - in.bottom, 2);
    const int32_t left = std::max(in.left - out.left, 2);
    const int32_t right = std::max(out.right - in.right, 2);

    direction = ClassifyDirection(first, second);
    const bool rising = direction == kLineRising;
    const POINT p1 = rising ? POINT {in.left, in.bottom} : POINT {in.left, in.top};
    const POINT p2 = rising ? POINT {in.right, in.top} : POINT {in.right, in.bottom};
    const double angle = std::atan2(rising ? rect.Height() : -rect.Height(), rect.Width());
    const double s = std::sin(angle);
    const double c = std::cos(angle);
    // u = (c, -s) along the segment, n = (s, c) across it.
    Outline band;
    band.pt[0] = {p1.x - Scaled(left, c) - Scaled(top, s), p1.y + Scaled(left, s) - Scaled(top, c)};
    band.pt[1] = {p2.x + Scaled(right, c) - Scaled(top, s), p2.y - Scaled(right, s) - Scaled(top, c)};
    band.pt[2] = {p2.x + Scaled(right, c) + Scaled(bottom, s), p2.y - Scaled(right, s) + Scaled(bottom, c)};
    band.pt[3] = {p1.x - Scaled(left, c) + Scaled(bottom, s), p1.y + Scaled(left, s) + Scaled(bottom, c)};
    return band.Contains(x, y) ? 1 : 0;
}

std::unique_ptr<FORMOBJ> FLINE::Clone() const
{
    auto copy = std::make_unique<FLINE>();
    if (!MakeCopy(*copy))
        return nullptr;
    copy->first = first;
    copy->second = second;
    copy->anchor = anchor;
    copy->lineCode = lineCode;
    copy->direction = direction;
    return copy;
}

void FLINE::GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles)
{
    RECT r = rect;
    const int32_t w = border ? GetDeviceWidth(*border, dc) : 1;
    if (selected == 1 && withHandles)
        r = r.Inflated(handleSize + 1, handleSize + 1);
    r = ToDevice(dc, r);
    const int32_t height = r.Height();
    const int32_t width = r.Width();
    r.top += (-1 - w) / 2;
    r.left += (-1 - w) / 2;
    r.bottom = r.top + height + w;
    r.right = r.left + width + w;
    out = r.Inflated(2, 2);
}

void FLINE::GetOuterRect(RECT& out, VIEWDC&)
{
    out = rect;
}

void FLINE::ResetToDefaults()
{
    FORMOBJ::ResetToDefaults();
    SetRectBy(rect.left, rect.top, rect.right, rect.top + 2 * rect.Width());
}

unsigned FLINE::GetHandleMask()
{
    direction = ClassifyDirection(first, second);
    switch (direction) {
    case kLineFalling:
        return kHandlesFalling;
    case kLineRising:
        return kHandlesRising;
    case kLineHorizontal:
        return kHandlesHorizontal;
    default:
        return kHandlesVertical;
    }
}

int FLINE::IsNearerFirstEnd(int32_t x, int32_t y) const
{
    auto squared = [&](POINT p) {
        const int64_t dx = int64_t(x) - p.x;
        const int64_t dy = int64_t(y) - p.y;
        return dx * dx + dy * dy;
    };
    return squared(second) >= squared(first) ? 1 : 0;
}

void FLINE::SetEnds(POINT from, POINT to)
{
    first = from;
    second = to;
    direction = ClassifyDirection(first, second);
    SetRect(from.x, from.y, to.x, to.y);
}
