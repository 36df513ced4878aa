// The selection tracker's mouse loop: dragging a handle or the whole
// object, or a new rectangle, in the design view, with snapping, size
// limits, automatic scrolling and the placement rule, and the repainting
// of the old and new outlines afterwards.
#include "forms/model/formobj.h"

#include "forms/model/object_view.h"
#include "forms/model/placement_guard.h"
#include "forms/model/resize_update_rgn.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "platform/ui/cursor.h"
#include "platform/ui/tracking_loop.h"

#include <algorithm>
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

// Moves the edges that a handle drags by (dx, dy).
void ShiftDragged(RECT& r, uint8_t edges, int32_t dx, int32_t dy)
{
    if (edges & kDragLeft)
        r.left += dx;
    if (edges & kDragRight)
        r.right += dx;
    if (edges & kDragTop)
        r.top += dy;
    if (edges & kDragBottom)
        r.bottom += dy;
}

} // namespace

void FORMOBJ::AdjustRect(int handle, RECT& r, OBJECT_VIEW* view)
{
    if (handle < 0 || handle >= kHitInside)
        return;
    const uint8_t edges = DraggedEdges(handle);
    // The grid lies along the page: only an unturned object's edges snap.
    if (view && rotation == 0) {
        if (edges & kDragLeft) {
            view->SnapX(r.left);
            view->ClampX(r.left);
        }
        if (edges & kDragRight) {
            view->SnapX(r.right);
            view->ClampX(r.right);
        }
        if (edges & kDragTop) {
            view->SnapY(r.top);
            view->ClampY(r.top);
        }
        if (edges & kDragBottom) {
            view->SnapY(r.bottom);
            view->ClampY(r.bottom);
        }
    }
    SIZE minimum;
    SIZE maximum;
    GetMinSize(minimum);
    GetMaxSize(maximum);
    LimitExtent(r.left, r.right, edges & kDragLeft, edges & kDragRight, minimum.cx, maximum.cx, allowInvert != 0);
    LimitExtent(r.top, r.bottom, edges & kDragTop, edges & kDragBottom, minimum.cy, maximum.cy, allowInvert != 0);
}

void FORMOBJ::AutoScroll(const RECT&, OBJECT_VIEW* view, int handle, RECT& r, const RECT& startRect, int32_t x,
                         int32_t y)
{
    if (!view)
        return;
    const int side = view->GetAutoScrollSide({x, y});
    const bool horizontal = side == 1 || side == 2;
    const bool vertical = side == 3 || side == 4;
    if (!horizontal && !vertical)
        return;
    // A turned object dragged by a middle handle scrolls only across it.
    if (rotation != 0 && ((horizontal && (handle == 4 || handle == 6)) || (vertical && (handle == 5 || handle == 7))))
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
        VIEWDC dc(view);
        view->SetupOwnDC(dc);
        POINT from = DeviceToLogical(dc, {0, 0});
        POINT to = DeviceToLogical(dc, {-moved.cx, -moved.cy});
        if (rotation != 0) {
            from = rectRotation.Unrotate(from);
            to = rectRotation.Unrotate(to);
        }
        ShiftDragged(r, DraggedEdges(handle), to.x - from.x, to.y - from.y);
        AdjustRect(handle, r, view);
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

    trackRect = start ? *start : rect;
    const RECT startRect = trackRect;
    rectRotation.Set(trackRect.left, trackRect.top, trackRect.right, trackRect.bottom, rotation);
    RECT device = trackRect;
    view->ToDeviceRect(device);
    viewRotation.Set(device.left, device.top, device.right, device.bottom, rotation);
    const int32_t width = trackRect.Width();
    const int32_t height = trackRect.Height();

    ui::ScopedCapture capture(*window);
    view->UpdateWindow();

    VIEWDC dc(view);
    view->SetupOwnDC(dc);
    // Where the mouse holds the dragged edges (the top-left corner of a
    // moved object).
    const uint8_t edges = DraggedEdges(handle);
    const bool holdsRight = (edges & (kDragLeft | kDragRight)) == kDragRight;
    const bool holdsBottom = (edges & (kDragTop | kDragBottom)) == kDragBottom;
    POINT edge{holdsRight ? trackRect.right : trackRect.left, holdsBottom ? trackRect.bottom : trackRect.top};
    if (rotation != 0)
        edge = rectRotation.Rotate(edge);
    const POINT mouse = DeviceToLogical(dc, {x, y});
    const POINT offset{mouse.x - edge.x, mouse.y - edge.y};

    trackView = view;
    outlineShown = false;
    bool cancelled = false;
    bool moved = false;
    const auto step = [&](const ui::TrackEvent& e) {
        if (e.kind == ui::TrackKind::Escape || e.kind == ui::TrackKind::RightButton) {
            cancelled = true;
            return false;
        }
        if (e.kind == ui::TrackKind::CaptureLost)
            return false;
        const bool final = e.kind == ui::TrackKind::Release;
        POINT at = DeviceToLogical(dc, {e.pos.x(), e.pos.y()});
        at = {at.x - offset.x, at.y - offset.y};
        if (rotation != 0)
            at = rectRotation.Unrotate(at);
        RECT r = trackRect;
        if (handle == kHitInside)
            r = {at.x, at.y, at.x + width, at.y + height};
        else
            ShiftDragged(r, edges, at.x - (holdsRight ? r.right : r.left), at.y - (holdsBottom ? r.bottom : r.top));
        AdjustRect(handle, r, view);
        if (r == trackRect && !final)
            return true;

        RECT bounds = r.Normalized();
        if (rotation != 0)
            GetRotatedBounds(bounds, rectRotation);
        bounds = bounds.Offset(-dc.originX, -dc.originY);
        const RECT previous = trackRect;
        trackRect = r;
        if (view->IsValidPlacement(bounds.left, bounds.top, bounds.right, bounds.bottom, this))
            SetMoveCursor(handle);
        else
            ui::SetCursor(*window, TrackerCursor(kCursorNotAllowed));
        if (outlineShown) {
            DrawTrackerRect(lastDrawn, 0, dc.dc, view);
            outlineShown = false;
        }
        if (r != startRect) {
            AutoScroll(previous, view, handle, r, startRect, e.pos.x(), e.pos.y());
            trackRect = r;
            view->SetupOwnDC(dc);
        }
        if (final)
            return false;
        moved = true;
        DrawTrackerRect(r, 0, dc.dc, view);
        lastDrawn = r;
        outlineShown = true;
        view->ShowPosSize(r.Normalized());
        return true;
    };

    struct DRAGEND {
        FORMOBJ& object;
        VIEWDC& dc;
        OBJECT_VIEW* view;
        ~DRAGEND()
        {
            if (object.outlineShown)
                object.DrawTrackerRect(object.lastDrawn, 0, dc.dc, view);
            object.outlineShown = false;
            object.trackView = nullptr;
            view->ShowPositionInRulers(nullptr);
        }
    };
    {
        DRAGEND end{*this, dc, view};
        ui::RunTrackingLoop(*window, step);
    }
    if (cancelled || !moved || trackRect == startRect) {
        trackRect = startRect;
        return 0;
    }

    RECT n = trackRect.Normalized();
    if (rotation != 0) {
        // The object turns about the centre of its new turned outline.
        RECT turned = n;
        GetRotatedBounds(turned, rectRotation);
        const int32_t cx = MulDiv(turned.left + turned.right, 1, 2);
        const int32_t cy = MulDiv(turned.top + turned.bottom, 1, 2);
        const int32_t left = cx - n.Width() / 2;
        const int32_t top = cy - n.Height() / 2;
        ROTATION about;
        about.Set(left, top, left + n.Width(), top + n.Height(), rotation);
        const POINT a = about.Unrotate(rectRotation.Rotate({n.left, n.top}));
        const POINT b = about.Unrotate(rectRotation.Rotate({n.right, n.bottom}));
        n = RECT{a.x, a.y, b.x, b.y}.Normalized();
        rectRotation = about;
    }
    trackRect = n;
    return 1;
}

int FORMOBJ::TrackAt(OBJECT_VIEW* view, int32_t x, int32_t y, int invert, const RECT* start)
{
    if (!view)
        return 0;
    int hit;
    {
        VIEWDC dc(view);
        view->SetupOwnDC(dc);
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
        VIEWDC dc(view);
        view->SetupOwnDC(dc);
        p = DeviceToLogical(dc, {x, y});
    }
    view->SnapPoint(p);
    const RECT start{p.x, p.y, p.x, p.y};
    allowInvert = invert;
    return TrackHandle(2, view, x, y, &start);
}

int FORMOBJ::TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int invert)
{
    if (!TrackRubberBand(view, x, y, invert))
        return 0;
    const RECT placed = trackRect.Normalized();
    RECT bounds = placed;
    if (rotation != 0)
        GetRotatedBounds(bounds, rectRotation);
    VIEWDC dc(view);
    view->SetupOwnDC(dc);
    bounds = bounds.Offset(-dc.originX, -dc.originY);
    if (!view->IsValidPlacement(bounds.left, bounds.top, bounds.right, bounds.bottom, this)) {
        trackRect = rect;
        return 1;
    }
    SetRect(placed.left, placed.top, placed.right, placed.bottom);
    return 2;
}

void FORMOBJ::RepaintTracked(VIEWDC& dc, OBJECT_VIEW* view, const OUTLINE& before, bool otherViews)
{
    OUTLINE after;
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
    VIEWDC dc(view);
    view->SetupOwnDC(dc);
    RECT oldOuter;
    GetOuterRect(oldOuter, dc);
    PLACEMENT_GUARD guard(view, *this, dc);

    if (!TrackAt(view, x, y, 0, nullptr)) {
        trackRect = rect;
        return 0;
    }
    // The view may have scrolled meanwhile.
    view->SetupOwnDC(dc);
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
    OUTLINE before;
    before.pt[0] = oldTurn.Rotate({oldDevice.left, oldDevice.top});
    before.pt[1] = oldTurn.Rotate({oldDevice.left, oldDevice.bottom});
    before.pt[2] = oldTurn.Rotate({oldDevice.right, oldDevice.bottom});
    before.pt[3] = oldTurn.Rotate({oldDevice.right, oldDevice.top});
    RepaintTracked(dc, view, before, otherViews);
    return rect == oldRect ? 0 : 1;
}
