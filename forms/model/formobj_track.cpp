// The selection tracker's mouse loop: dragging a handle or the whole
// object, or a new rectangle, in the design view, with snapping, size
// limits, automatic scrolling and the placement rule, and the repainting
// of the old and new outlines afterwards.
#include "forms/model/formobj.h"

#include "forms/model/handle_drag.h"
#include "forms/model/object_view.h"
#include "forms/model/placement_guard.h"
#include "forms/model/resize_update_rgn.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "platform/ui/cursor.h"
#include "platform/ui/tracking_loop.h"

#include <cstdlib>

namespace {

// Keeps one extent of a rectangle between the limits by moving the dragged
// edge against the other one; an inverted extent stays inverted.
void LimitExtent(int32_t& nearEdge, int32_t& farEdge, bool dragNear, bool dragFar, int32_t minimum, int32_t maximum,
    bool allowInvert)
{
    if (!dragNear && !dragFar)
        return;
    int32_t extent = farEdge - nearEdge;
    if (allowInvert)
        extent = std::abs(extent);
    int32_t limit;
    if (extent < minimum)
        limit = minimum;
    else if (extent > maximum)
        limit = maximum;
    else
        return;
    const bool inverted = allowInvert && farEdge < nearEdge;
    if (dragNear)
        nearEdge = inverted ? farEdge + limit : farEdge - limit;
    else
        farEdge = inverted ? nearEdge - limit : nearEdge + limit;
}

} // namespace

void FORMOBJ::AdjustRect(int handle, RECT& r, OBJECT_VIEW* view)
{
    if (handle < 0 || handle >= kHitInside)
        return;
    const uint8_t edges = DraggedEdges(handle);
    // The grid lies along the page: only an unturned object's edges snap.
    if (view && rotation == 0)
        SnapDraggedEdges(handle, r, view);
    SIZE minimum;
    SIZE maximum;
    GetMinSize(minimum);
    GetMaxSize(maximum);
    LimitExtent(r.left, r.right, edges & kDragLeft, edges & kDragRight, minimum.cx, maximum.cx, allowInvert != 0);
    LimitExtent(r.top, r.bottom, edges & kDragTop, edges & kDragBottom, minimum.cy, maximum.cy, allowInvert != 0);
}

void FORMOBJ::AutoScroll(
    const RECT&, OBJECT_VIEW* view, int handle, RECT& r, const RECT& startRect, int32_t x, int32_t y)
{
    if (!view)
        return;
    const int side = view->GetAutoScrollSide({x, y});
    const bool horizontal = side == kScrollLeft || side == kScrollRight;
    const bool vertical = side == kScrollTop || side == kScrollBottom;
    if (!horizontal && !vertical)
        return;
    // A turned object dragged by a middle handle scrolls only across it.
    if (rotation != 0
        && ((horizontal && (handle == kHandleTop || handle == kHandleBottom))
            || (vertical && (handle == kHandleRight || handle == kHandleLeft))))
        return;
    const SIZE moved = view->ScrollLine(side);
    if (moved.cx == 0 && moved.cy == 0)
        return;
    RECT device = startRect;
    view->ToDeviceRect(device);
    viewRotation.Set(device.left, device.top, device.right, device.bottom, rotation);
    if (!view->MovePointer(moved.cx, moved.cy)) {
        // The pointer stays where it is, over another point of the page:
        // the dragged edges go with that point.
        VIEWDC dc(view, kOwnWindow);
        if (dc.IsSetUp()) {
            POINT from = DeviceToLogical(dc, {0, 0});
            POINT to = DeviceToLogical(dc, {-moved.cx, -moved.cy});
            if (rotation != 0) {
                from = rectRotation.Unrotate(from);
                to = rectRotation.Unrotate(to);
            }
            ShiftDragged(r, DraggedEdges(handle), to.x - from.x, to.y - from.y);
            AdjustRect(handle, r, view);
        }
    }
    view->UpdateWindow();
}

int FORMOBJ::TrackHandle(int handle, OBJECT_VIEW* view, int32_t x, int32_t y, const RECT* start)
{
    QWidget* window = view ? view->GetTrackingWindow() : nullptr;
    if (!window)
        return 0;
    if (QWidget* holder = ui::GetCapture(); holder && holder != window)
        return 0;
    ui::ScopedCapture capture(*window);
    TrackerDrag drag(*this, *view, handle, {x, y}, start ? *start : rect);
    ui::RunDrag(*window, drag);
    return drag.Result();
}

int FORMOBJ::TrackAt(OBJECT_VIEW* view, int32_t x, int32_t y, int invert, const RECT* start)
{
    if (!view)
        return 0;
    int hit;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return 0;
        const POINT p = DeviceToLogical(dc, {x, y});
        hit = HitTestHandles(dc, p.x, p.y);
    }
    if (hit == kHitNothing)
        return 0;
    allowInvert = invert;
    return TrackHandle(hit, view, x, y, start);
}

int FORMOBJ::TrackRubberBand(OBJECT_VIEW* view, int32_t x, int32_t y, int invert)
{
    if (!view)
        return 0;
    POINT p;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return 0;
        p = DeviceToLogical(dc, {x, y});
    }
    view->SnapPoint(p);
    const RECT start {p.x, p.y, p.x, p.y};
    allowInvert = invert;
    return TrackHandle(kHandleBottomRight, view, x, y, &start);
}

TrackNewResult FORMOBJ::TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int invert)
{
    if (!TrackRubberBand(view, x, y, invert))
        return kTrackNoDrag;
    const RECT placed = trackRect.Normalized();
    RECT bounds = placed;
    if (rotation != 0)
        GetRotatedBounds(bounds, rectRotation);
    VIEWDC dc(view, kOwnWindow);
    bounds = bounds.Offset(-dc.originX, -dc.originY);
    if (!dc.IsSetUp() || !view->IsValidPlacement(bounds.left, bounds.top, bounds.right, bounds.bottom, this)) {
        trackRect = rect;
        return kTrackRefused;
    }
    SetRect(placed.left, placed.top, placed.right, placed.bottom);
    return kTrackPlaced;
}

void FORMOBJ::RepaintTracked(VIEWDC& dc, OBJECT_VIEW* view, const Outline& before, bool otherViews)
{
    Outline after;
    GetRegion(after, dc, 1, nullptr);
    view->InvalidateOutline(before, true);
    view->InvalidateOutline(after, true);
    view->UpdateWindow();
    if (otherViews) {
        RESIZEUPDATERGN hint(kHintOutlineChanged, page);
        hint.SetBefore(before.pt);
        hint.after = after;
        hint.BeforeToLogical(dc);
        hint.AfterToLogical(dc);
        view->UpdateOtherViews(hint);
    }
}

int FORMOBJ::Track(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (!view)
        return 0;
    const bool otherViews = view->HasOtherViews();
    const RECT oldRect = rect;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return 0;
    RECT oldOuter;
    GetOuterRect(oldOuter, dc);
    PLACEMENT_GUARD guard(view, *this, dc);

    if (!TrackAt(view, x, y, 0, nullptr)) {
        trackRect = rect;
        return 0;
    }
    // The view may have scrolled meanwhile.
    if (!dc.SetUpOwnWindow()) {
        trackRect = rect;
        return 0;
    }
    RECT placed = trackRect;
    RECT bounds = placed;
    if (rotation != 0)
        GetRotatedBounds(bounds, rectRotation);
    bounds = bounds.Offset(-dc.originX, -dc.originY);
    if (!view->IsValidPlacement(bounds.left, bounds.top, bounds.right, bounds.bottom, this))
        placed = oldRect;
    SetRectBy(placed.left, placed.top, placed.right, placed.bottom);

    // Repaint the old outline with its handles and the new one.
    const RECT oldDevice = ToDevice(dc, oldOuter.Inflated(handleSize, handleSize)).Inflated(3, 3);
    ROTATION oldTurn;
    oldTurn.Set(oldDevice.left, oldDevice.top, oldDevice.right, oldDevice.bottom, rotation);
    Outline before;
    before.pt[0] = oldTurn.Rotate({oldDevice.left, oldDevice.top});
    before.pt[1] = oldTurn.Rotate({oldDevice.left, oldDevice.bottom});
    before.pt[2] = oldTurn.Rotate({oldDevice.right, oldDevice.bottom});
    before.pt[3] = oldTurn.Rotate({oldDevice.right, oldDevice.top});
    RepaintTracked(dc, view, before, otherViews);
    return rect == oldRect ? 0 : 1;
}
