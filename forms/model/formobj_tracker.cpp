// The selection tracker of the object base: handle masks, sizes and
// rectangles, hit testing of the handles, the cursors over them, the
// drawing of handles, tracker outlines and drag outlines, and the snapping
// of dragged edges.
#include "forms/model/formobj.h"

#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "platform/ui/cursor.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

// Corners of a rectangle in the order (left, top), (left, bottom),
// (right, bottom), (right, top), turned and moved by (-dx, -dy).
std::vector<POINT> TurnedCorners(const RECT& r, const ROTATION& turn, int32_t dx, int32_t dy)
{
    std::vector<POINT> pts {{r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top}};
    for (POINT& p : pts) {
        p = turn.Rotate(p);
        p.x -= dx;
        p.y -= dy;
    }
    return pts;
}

// Joins the points with the dotted pen, inverting what it covers: drawn
// twice, the outline is gone.
void InvertOutline(gdi::DC& dc, std::vector<POINT> pts)
{
    pts.push_back(pts.front());
    dc.SaveDC();
    dc.SelectObject(TrackerDottedPen());
    dc.SetROP2(gdi::R2_NOT);
    dc.SetBkMode(gdi::TRANSPARENT);
    dc.Polyline(pts);
    dc.RestoreDC(-1);
}

} // namespace

void FORMOBJ::SetTrackerRect(const RECT& r, uint32_t style)
{
    handleSize = TrackerBorderWidth();
    minSize = {2 * handleSize, 2 * handleSize};
    trackRect = r;
    trackStyle = style;
}

unsigned FORMOBJ::GetHandleMask()
{
    unsigned mask = 0x0F;
    if (std::abs(trackRect.Width()) - 3 * handleSize >= 5)
        mask |= 0x50;
    if (std::abs(trackRect.Height()) - 3 * handleSize >= 5)
        mask |= 0xA0;
    return mask;
}

int32_t FORMOBJ::GetHandleSize(const RECT& r)
{
    int32_t size = handleSize;
    if (!(trackStyle & kTrackHandlesOutside)) {
        int32_t side = std::min(std::abs(r.Width()), std::abs(r.Height()));
        if (2 * size > side)
            size = side / 2;
    }
    return size;
}

void FORMOBJ::GetHandleRect(int handle, RECT& out, const RECT& r)
{
    const int32_t size = GetHandleSize(r);
    RECT n = r.Normalized();
    if (trackStyle & (kTrackSolid | kTrackDotted))
        n = n.Inflated(1, 1);
    if (trackStyle & kTrackHandlesOutside)
        n = n.Inflated(size - 1, size - 1);
    const HandlePlacement& place = HandlePlace(InvertHandle(handle, r));
    int32_t left = (place.right ? n.right : n.left) + place.shiftX * size;
    int32_t top = (place.bottom ? n.bottom : n.top) + place.shiftY * size;
    if (place.centreX)
        left += (n.Width() - size) / 2;
    if (place.centreY)
        top += (n.Height() - size) / 2;
    out = {left, top, left + size, top + size};
}

int FORMOBJ::HitTestHandlesAt(VIEWDC& dc, int32_t x, int32_t y)
{
    const POINT p = rotation != 0 ? rectRotation.Unrotate({x, y}) : POINT {x, y};
    RECT active;
    GetActiveRect(active, dc);
    const unsigned mask = GetHandleMask();
    for (int handle = 0; handle < kHandleCount; ++handle) {
        if (!(mask & (1u << handle)))
            continue;
        RECT box;
        GetHandleRect(handle, box, active);
        if (PointInRect(box, p))
            return handle;
    }
    const POINT device = LogicalToDevice(dc, {x, y});
    return HitTest(dc, device.x, device.y) ? kHitInside : kHitNothing;
}

int FORMOBJ::HitTestHandles(VIEWDC& dc, int32_t x, int32_t y)
{
    if (trackStyle & (kTrackHandlesInside | kTrackHandlesOutside))
        return HitTestHandlesAt(dc, x, y);
    const POINT device = LogicalToDevice(dc, {x, y});
    return HitTest(dc, device.x, device.y) ? kHitInside : kHitNothing;
}

int FORMOBJ::NormalizeHit(int handle) const
{
    return InvertHandle(handle, trackRect);
}

int FORMOBJ::SetTrackerCursor(OBJECT_VIEW* view, int hitCode, const std::function<int(VIEWDC&, POINT)>& cursorAt)
{
    return ShowCursorAtPointer(view, hitCode, [&cursorAt](VIEWDC& dc, POINT p) -> std::optional<ui::StandardCursor> {
        const int code = cursorAt(dc, p);
        if (code == kHitNothing)
            return std::nullopt;
        return TrackerCursor(code);
    });
}

int FORMOBJ::SetCursorOnHandles(OBJECT_VIEW* view, int hitCode, ui::StandardCursor cursor)
{
    return ShowCursorAtPointer(view, hitCode, [this, cursor](VIEWDC& dc, POINT p) -> std::optional<ui::StandardCursor> {
        if (HitTestHandles(dc, p.x, p.y) < 0)
            return std::nullopt;
        return cursor;
    });
}

int FORMOBJ::ShowCursorAtPointer(
    OBJECT_VIEW* view, int hitCode, const std::function<std::optional<ui::StandardCursor>(VIEWDC&, POINT)>& cursorAt)
{
    QWidget* window = view ? view->GetTrackingWindow() : nullptr;
    POINT device;
    if (hitCode != kHitClient || !window || !view->GetPointerPos(device))
        return 0;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return 0;
    const std::optional<ui::StandardCursor> cursor = cursorAt(dc, DeviceToLogical(dc, device));
    if (!cursor)
        return 0;
    ui::SetCursor(*window, *cursor);
    return 1;
}

int FORMOBJ::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    return SetTrackerCursor(view, hitCode, [this](VIEWDC& dc, POINT p) {
        int hit = HitTestHandles(dc, p.x, p.y);
        if (hit == kHitNothing)
            return kHitNothing;
        hit = NormalizeHit(hit);
        if (hit == kHitInside && (trackStyle & kTrackHatchedBorder)) {
            RECT outer;
            GetOuterRect(outer, dc);
            if (!PointInRect(outer, p))
                hit = kCursorMoveBorder;
        }
        return rotation == 0 || hit >= kHitInside ? hit : kCursorCross;
    });
}

void FORMOBJ::SetMoveCursor(int handle)
{
    QWidget* window = trackView ? trackView->GetTrackingWindow() : nullptr;
    if (!window)
        return;
    int code = handle;
    if (rotation != 0) {
        code = kCursorCross;
    } else if (handle >= 0 && handle < kCornerHandles
        && (trackRect.left > trackRect.right) != (trackRect.top > trackRect.bottom)) {
        // On a rectangle inverted in one direction the diagonals swap.
        code = handle ^ 1;
    }
    ui::SetCursor(*window, TrackerCursor(code));
}

void FORMOBJ::DrawSelection(VIEWDC& dc)
{
    if (!dc.dc || dc.deviceKind == kDevicePrinter || !dc.drawHandles || selected != 1)
        return;
    if (dc.outputMode < kOutputDesign || dc.outputMode > kOutputMath)
        return;
    const bool filled = dc.outputMode == kOutputDesign && dc.drawHandles < 2;
    gdi::DC& g = *dc.dc;
    g.SaveDC();
    g.SelectObject(gdi::GetStockPen(gdi::BLACK_PEN));
    g.SelectObject(filled ? gdi::GetStockBrush(gdi::BLACK_BRUSH) : gdi::GetStockBrush(gdi::NULL_BRUSH));
    RECT active;
    GetActiveRect(active, dc);
    const unsigned mask = GetHandleMask();
    for (int handle = 0; handle < kHandleCount; ++handle) {
        if (!(mask & (1u << handle)))
            continue;
        RECT box;
        GetHandleRect(handle, box, active);
        if (rotation == 0) {
            RECT at = box.Offset(-dc.originX, -dc.originY);
            if (filled)
                g.FillRect(at, gdi::GetStockBrush(gdi::BLACK_BRUSH));
            else
                g.Rectangle(at.left, at.top, at.right, at.bottom);
        } else {
            g.Polygon(TurnedCorners(box, rectRotation, dc.originX, dc.originY));
        }
    }
    g.RestoreDC(-1);
}

bool FORMOBJ::ShowsTracker(const VIEWDC& dc) const
{
    if (!dc.dc || dc.deviceKind == kDevicePrinter || !dc.drawHandles || dc.noTracker)
        return false;
    return selected == 1 || memberSelected;
}

void FORMOBJ::DrawTracker(VIEWDC& dc)
{
    if (!ShowsTracker(dc))
        return;
    RECT r;
    GetActiveRect(r, dc);
    r = r.Normalized();
    gdi::DC& g = *dc.dc;
    g.SaveDC();
    if (trackStyle & (kTrackSolid | kTrackDotted)) {
        g.SelectObject(trackStyle & kTrackDotted ? TrackerDottedPen() : gdi::GetStockPen(gdi::BLACK_PEN));
        g.SelectObject(gdi::GetStockBrush(gdi::NULL_BRUSH));
        DrawTrackerOutline(dc, r);
    }
    DrawTrackerHatching(dc, r);
    g.RestoreDC(-1);
    DrawSelection(dc);
}

void FORMOBJ::DrawTrackerOutline(VIEWDC& dc, const RECT& r)
{
    const RECT at = r.Offset(-dc.originX, -dc.originY);
    if (rotation == 0)
        dc.dc->Rectangle(at.left, at.top, at.right, at.bottom);
    else
        dc.dc->Polygon(TurnedCorners(r, rectRotation, dc.originX, dc.originY));
}

void FORMOBJ::DrawTrackerHatching(VIEWDC& dc, const RECT& r)
{
    const RECT at = r.Offset(-dc.originX, -dc.originY);
    gdi::DC& g = *dc.dc;
    if (trackStyle & kTrackHatchedInside) {
        g.SelectObject(gdi::GetStockPen(gdi::NULL_PEN));
        g.SelectObject(TrackerHatchBrush());
        g.SetBkMode(gdi::TRANSPARENT);
        g.SetROP2(gdi::R2_MASKNOTPEN);
        if (rotation == 0)
            g.Rectangle(at.left + 1, at.top + 1, at.right, at.bottom);
        else
            g.Polygon(TurnedCorners(r, rectRotation, dc.originX, dc.originY));
        g.SetROP2(gdi::R2_COPYPEN);
    }
    if (trackStyle & kTrackHatchedBorder) {
        // Handle-wide strips, one unit more outside an outline.
        const int32_t grow = GetHandleSize(r) - 1 + (trackStyle & (kTrackSolid | kTrackDotted) ? 1 : 0);
        const RECT outer = at.Inflated(grow, grow);
        g.SelectObject(TrackerHatchBrush());
        g.SetBkMode(gdi::OPAQUE);
        const RECT strips[4]
            = {{outer.left, outer.top, outer.right, at.top}, {outer.left, at.bottom, outer.right, outer.bottom},
                {outer.left, at.top, at.left, at.bottom}, {at.right, at.top, outer.right, at.bottom}};
        for (const RECT& s : strips)
            g.PatBlt(s.left, s.top, s.Width(), s.Height(), gdi::PATNOT);
    }
}

void FORMOBJ::DrawFocusOutline(const RECT& r, gdi::DC* dc)
{
    if (!dc)
        return;
    if (rotation == 0) {
        dc->DrawFocusRect(r);
        return;
    }
    ROTATION turn;
    turn.Set(r.left, r.top, r.right, r.bottom, rotation);
    InvertOutline(*dc, TurnedCorners(r, turn, 0, 0));
}

void FORMOBJ::DrawDragOutline(gdi::DC* dc, const RECT& r)
{
    if (!dc)
        return;
    RECT n = r.Normalized();
    if (rotation == 0) {
        n.right = std::max(n.right + 1, n.left + 2);
        n.bottom = std::max(n.bottom + 1, n.top + 2);
        dc->DrawFocusRect(n);
        return;
    }
    // Turned about the centre the drag started from, where the object will
    // turn when it is placed.
    InvertOutline(*dc, TurnedCorners(n, viewRotation, 0, 0));
}

void FORMOBJ::DrawTrackerRect(const RECT& r, uintptr_t, gdi::DC* dc, OBJECT_VIEW* view)
{
    if (!dc || !view)
        return;
    RECT device = r.Normalized();
    view->ToDeviceRect(device);
    dc->SaveDC();
    dc->SetMapMode(gdi::MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    DrawDragOutline(dc, device);
    dc->RestoreDC(-1);
    RECT bounds = r.Normalized();
    if (rotation != 0)
        GetRotatedBounds(bounds, rectRotation);
    view->ShowPositionInRulers(&bounds);
}

std::pair<int32_t*, int32_t*> FORMOBJ::SnapDraggedEdges(int handle, RECT& r, OBJECT_VIEW* view)
{
    const uint8_t edges = DraggedEdges(handle);
    int32_t* x = edges & kDragLeft ? &r.left : edges & kDragRight ? &r.right : nullptr;
    int32_t* y = edges & kDragTop ? &r.top : edges & kDragBottom ? &r.bottom : nullptr;
    if (view && x) {
        view->SnapX(*x);
        view->ClampX(*x);
    }
    if (view && y) {
        view->SnapY(*y);
        view->ClampY(*y);
    }
    return {x, y};
}
