// The design grid's snapping, arrow-key steps and records.
#include "forms/edit/fgrid.h"

#include "forms/model/record_archive.h"

namespace {

// Record tags of the grid's group.
constexpr uint8_t kTagGrid = 150;
constexpr uint8_t kTagOldGrid = 149;
constexpr uint8_t kTagReserved1 = 70;
constexpr uint8_t kTagReserved2 = 71;

// A spacing of 1 leaves its axis unsnapped.
int32_t SnapAxis(int32_t coordinate, int32_t origin, uint16_t spacing)
{
    if (spacing == 1)
        return coordinate;
    const int64_t d = int64_t {coordinate} - origin;
    const int64_t r = d % spacing;
    int64_t snapped = d - r;
    if (r > (spacing >> 1))
        snapped += spacing;
    return static_cast<int32_t>(origin + snapped);
}

// The grid line at or toward the origin from the coordinate.
int64_t LineToward(int32_t coordinate, int32_t origin, uint16_t spacing)
{
    return origin + int64_t {spacing} * ((int64_t {coordinate} - origin) / spacing);
}

int32_t PreviousLine(int32_t coordinate, int32_t origin, uint16_t spacing)
{
    const int64_t g = LineToward(coordinate, origin, spacing);
    if (coordinate == g)
        return static_cast<int32_t>(g - spacing);
    return static_cast<int32_t>(coordinate > g ? g : g - spacing);
}

int32_t NextLine(int32_t coordinate, int32_t origin, uint16_t spacing)
{
    const int64_t g = LineToward(coordinate, origin, spacing);
    if (coordinate == g)
        return static_cast<int32_t>(g + spacing);
    return static_cast<int32_t>(coordinate < g ? g : g + spacing);
}

} // namespace

void FGRID::SetSpacing(uint16_t horizontal, uint16_t vertical)
{
    if (horizontal != 0)
        hSpacing = horizontal;
    if (vertical != 0)
        vSpacing = vertical;
}

void FGRID::SetOrigin(int32_t x, int32_t y)
{
    hOrigin = x;
    vOrigin = y;
}

void FGRID::Snap(POINT& point) const
{
    point.x = SnapAxis(point.x, hOrigin, hSpacing);
    point.y = SnapAxis(point.y, vOrigin, vSpacing);
}

void FGRID::SnapIfOn(POINT& point)
{
    if (IsOn())
        Snap(point);
}

void FGRID::MoveByKey(POINT& point, uint16_t key) const
{
    if (!IsOn())
        return;
    switch (key) {
    case kKeyLeft:
        point.x = PreviousLine(point.x, hOrigin, hSpacing);
        break;
    case kKeyUp:
        point.y = PreviousLine(point.y, vOrigin, vSpacing);
        break;
    case kKeyRight:
        point.x = NextLine(point.x, hOrigin, hSpacing);
        break;
    case kKeyDown:
        point.y = NextLine(point.y, vOrigin, vSpacing);
        break;
    default:
        break;
    }
}

void FGRID::Write(RECORDARCHIVE& ar, uint8_t groupTag) const
{
    ar.WriteTag(groupTag);
    ar.BeginRecord();
    ar.PutU16(on);
    ar.PutU16(hSpacing);
    ar.PutU16(vSpacing);
    ar.PutI32(hOrigin);
    ar.PutI32(vOrigin);
    ar.EndRecord(kTagGrid);
    ar.WriteTag(kEndGroup);
}

void FGRID::Read(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kTagGrid || tag == kTagOldGrid) {
            // A short record keeps the values it lacks; a spacing of 0
            // would divide by zero and keeps the one the grid has.
            RecordReader record = ar.ReadRecord();
            on = record.U16(on);
            const uint16_t h = record.U16(hSpacing);
            const uint16_t v = record.U16(vSpacing);
            SetSpacing(h, v);
            if (tag == kTagGrid) {
                hOrigin = record.I32(hOrigin);
                vOrigin = record.I32(vOrigin);
            }
        } else if (tag != kTagReserved1 && tag != kTagReserved2) {
            ar.SkipRecord(tag);
        }
    }
}
