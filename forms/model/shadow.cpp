// The shadow's record group and its drawing.
#include "forms/model/shadow.h"

#include "forms/model/border_layout.h"
#include "forms/model/dc_map_state.h"
#include "forms/model/fixed_record.h"
#include "forms/model/record_archive.h"
#include "forms/model/viewdc.h"

#include <algorithm>
#include <cstdint>
#include <memory>

namespace {

constexpr uint8_t kRecShadow = 0x81;

// A coordinate moved by an offset: worked out in 64 bits and held to the
// 32-bit range, whatever the object's coordinates.
int32_t Add(int64_t a, int64_t b)
{
    return static_cast<int32_t>(std::clamp<int64_t>(a + b, INT32_MIN, INT32_MAX));
}

RECT Moved(const RECT& r, int32_t dx, int32_t dy)
{
    return {Add(r.left, dx), Add(r.top, dy), Add(r.right, dx), Add(r.bottom, dy)};
}

// The offsets as a device vector.
POINT DeviceOffset(VIEWDC& dc, int16_t x, int16_t y)
{
    POINT pts[2] = {{0, 0}, {x, y}};
    dc.LPtoDP(pts, 2);
    return {Add(pts[1].x, -int64_t(pts[0].x)), Add(pts[1].y, -int64_t(pts[0].y))};
}

// The object and its shadow together touch the visible area.
bool Visible(VIEWDC& dc, const RECT& rect, int16_t x, int16_t y)
{
    const RECT r = rect.Normalized();
    const RECT moved = Moved(r, x, y);
    const RECT both {std::min(r.left, moved.left), std::min(r.top, moved.top), std::max(r.right, moved.right),
        std::max(r.bottom, moved.bottom)};
    return dc.dc->RectVisible(Moved(both, -dc.originX, -dc.originY));
}

} // namespace

void SHADOW::Save(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    ar.BeginRecord();
    ar.PutU32(colour);
    ar.PutI16(y);
    ar.PutI16(x);
    ar.EndRecord(kRecShadow);
    ar.WriteTag(kEndGroup);
}

void SHADOW::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kRecShadow) {
            RecordReader r = ReadFixedRecord(ar);
            colour = r.U32(colour);
            y = r.I16(y);
            x = r.I16(x);
        } else {
            ar.SkipRecord(tag);
        }
    }
}

void SHADOW::Draw(VIEWDC& dc, const RECT& rect, int32_t rounding) const
{
    if (IsNone() || !dc.dc || !Visible(dc, rect, x, y))
        return;
    const gdi::Brush brush = gdi::Brush::Solid(colour);
    if (rounding != 0) {
        const RECT device = LogicalToDevice(dc, rect);
        const auto [rx, ry] = DeviceExtent(dc, rounding);
        const POINT d = DeviceOffset(dc, x, y);
        const gdi::Region object
            = gdi::Region::RoundRect(device.left, device.top, device.right, device.bottom, Add(rx, rx), Add(ry, ry));
        const RECT moved = Moved(device, d.x, d.y);
        gdi::Region shadow
            = gdi::Region::RoundRect(moved.left, moved.top, moved.right, moved.bottom, Add(rx, rx), Add(ry, ry));
        shadow.Combine(shadow, object, gdi::RGN_DIFF);
        dc.dc->FillRgn(shadow, brush);
        return;
    }
    const RECT r = Moved(rect.Normalized(), -dc.originX, -dc.originY);
    const RECT m = Moved(r, x, y);
    const RECT beside = x > 0 ? RECT {r.right, m.top, m.right, m.bottom} : RECT {m.left, m.top, r.left, m.bottom};
    const RECT below = y > 0 ? RECT {m.left, r.bottom, m.right, m.bottom} : RECT {m.left, m.top, m.right, r.top};
    if (x != 0)
        dc.dc->FillRect(beside, brush);
    if (y != 0)
        dc.dc->FillRect(below, brush);
}

void SHADOW::DrawEllipse(VIEWDC& dc, const RECT& rect) const
{
    if (IsNone() || !dc.dc || !Visible(dc, rect, x, y))
        return;
    const RECT device = LogicalToDevice(dc, rect);
    const POINT d = DeviceOffset(dc, x, y);
    const RECT moved = Moved(device, d.x, d.y);
    // Everything of the moved ellipse's bounds but the object's own ellipse;
    // a device that cannot clip (a picture) gets no shadow.
    gdi::Region outside = gdi::Region::Rect(moved.left, moved.top, Add(moved.right, 1), Add(moved.bottom, 1));
    outside.Combine(outside, gdi::Region::Ellipse(device.left, device.top, device.right, device.bottom), gdi::RGN_DIFF);
    const int saved = dc.dc->SaveDC();
    std::unique_ptr<gdi::Region> previous = dc.clipRegion ? std::make_unique<gdi::Region>(*dc.clipRegion) : nullptr;
    if (dc.CombineClipRgn(&outside, gdi::RGN_AND)) {
        DCMAPSTATE state;
        state.Save(dc);
        dc.dc->SelectObject(gdi::GetStockPen(gdi::NULL_PEN));
        dc.dc->SelectObject(gdi::Brush::Solid(colour));
        dc.dc->Ellipse(moved.left, moved.top, moved.right, moved.bottom);
        state.Restore(dc);
    }
    dc.clipRegion = std::move(previous);
    dc.dc->RestoreDC(saved);
}
