// The shadow's record group and its drawing.
#include "forms/model/shadow.h"

#include "forms/model/border_layout.h"
#include "forms/model/dc_map_state.h"
#include "forms/model/record_archive.h"
#include "forms/model/viewdc.h"

#include <algorithm>
#include <memory>

namespace {

constexpr uint8_t kRecShadow = 0x81;

// The offsets as a device vector.
POINT DeviceOffset(VIEWDC& dc, int16_t x, int16_t y)
{
    POINT pts[2] = {{0, 0}, {x, y}};
    dc.LPtoDP(pts, 2);
    return {pts[1].x - pts[0].x, pts[1].y - pts[0].y};
}

// The object and its shadow together touch the visible area.
bool Visible(VIEWDC& dc, const RECT& rect, int16_t x, int16_t y)
{
    const RECT r = rect.Normalized();
    const RECT both {std::min(r.left, r.left + x), std::min(r.top, r.top + y), std::max(r.right, r.right + x),
        std::max(r.bottom, r.bottom + y)};
    return dc.dc->RectVisible(both.Offset(-dc.originX, -dc.originY));
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
            RecordReader r = ar.ReadRecord();
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
            = gdi::Region::RoundRect(device.left, device.top, device.right, device.bottom, 2 * rx, 2 * ry);
        gdi::Region shadow = gdi::Region::RoundRect(
            device.left + d.x, device.top + d.y, device.right + d.x, device.bottom + d.y, 2 * rx, 2 * ry);
        shadow.Combine(shadow, object, gdi::RGN_DIFF);
        dc.dc->FillRgn(shadow, brush);
        return;
    }
    const RECT r = rect.Normalized().Offset(-dc.originX, -dc.originY);
    const RECT beside = x > 0 ? RECT {r.right, r.top + y, r.right + x, r.bottom + y}
                              : RECT {r.left + x, r.top + y, r.left, r.bottom + y};
    const RECT below = y > 0 ? RECT {r.left + x, r.bottom, r.right + x, r.bottom + y}
                             : RECT {r.left + x, r.top + y, r.right + x, r.top};
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
    const RECT moved = device.Offset(d.x, d.y);
    // Everything of the moved ellipse's bounds but the object's own ellipse;
    // a device that cannot clip (a picture) gets no shadow.
    gdi::Region outside = gdi::Region::Rect(moved.left, moved.top, moved.right + 1, moved.bottom + 1);
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
