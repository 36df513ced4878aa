// The steps of a handle drag, which FORMOBJ::TrackHandle runs through ui::RunDrag.
#include "forms/model/handle_drag.h"

#include "forms/model/formobj.h"
#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "platform/ui/cursor.h"

TrackerDrag::TrackerDrag(FORMOBJ& object, OBJECT_VIEW& view, int handle, POINT press, const RECT& start)
    : object(object)
    , view(view)
    , handle(handle)
    , press(press)
    , startRect(start)
{}

void TrackerDrag::Begin()
{
    object.trackRect = startRect;
    object.rectRotation.Set(startRect.left, startRect.top, startRect.right, startRect.bottom, object.rotation);
    RECT device = startRect;
    view.ToDeviceRect(device);
    object.viewRotation.Set(device.left, device.top, device.right, device.bottom, object.rotation);
    width = startRect.Width();
    height = startRect.Height();

    view.UpdateWindow();
    dc.emplace(&view, kOwnWindow);
    // Without a set-up context the first step cancels the drag.
    if (!dc->IsSetUp())
        return;
    // Where the pointer holds the dragged edges (the top-left corner of a
    // moved object).
    edges = DraggedEdges(handle);
    holdsRight = (edges & (kDragLeft | kDragRight)) == kDragRight;
    holdsBottom = (edges & (kDragTop | kDragBottom)) == kDragBottom;
    POINT edge {holdsRight ? startRect.right : startRect.left, holdsBottom ? startRect.bottom : startRect.top};
    if (object.rotation != 0)
        edge = object.rectRotation.Rotate(edge);
    const POINT mouse = DeviceToLogical(*dc, press);
    offset = {mouse.x - edge.x, mouse.y - edge.y};

    object.trackView = &view;
    shown.reset();
    phase = Phase::Pressed;
}

ui::DragStep TrackerDrag::Step(const ui::TrackEvent& event)
{
    if (!dc->IsSetUp())
        return ui::DragStep::Cancel;
    switch (event.kind) {
    case ui::TrackKind::Escape:
    case ui::TrackKind::RightButton:
        return ui::DragStep::Cancel;
    case ui::TrackKind::CaptureLost:
        return ui::DragStep::End;
    case ui::TrackKind::Move:
    case ui::TrackKind::Release:
        break;
    }
    const bool final = event.kind == ui::TrackKind::Release;
    const POINT device {event.pos.x(), event.pos.y()};
    RECT r = Dragged(device);
    if (r == object.trackRect && !final)
        return ui::DragStep::Continue;
    Take(r, device);
    if (!dc->IsSetUp())
        return ui::DragStep::Cancel;
    if (final)
        return ui::DragStep::End;
    phase = Phase::Moving;
    DrawOutline(r);
    view.ShowPosSize(r.Normalized());
    return ui::DragStep::Continue;
}

RECT TrackerDrag::Dragged(POINT device)
{
    POINT at = DeviceToLogical(*dc, device);
    at = {at.x - offset.x, at.y - offset.y};
    if (object.rotation != 0)
        at = object.rectRotation.Unrotate(at);
    RECT r = object.trackRect;
    if (handle == kHitInside)
        r = {at.x, at.y, at.x + width, at.y + height};
    else
        ShiftDragged(r, edges, at.x - (holdsRight ? r.right : r.left), at.y - (holdsBottom ? r.bottom : r.top));
    object.AdjustRect(handle, r, &view);
    return r;
}

void TrackerDrag::Take(RECT& r, POINT device)
{
    RECT bounds = r.Normalized();
    if (object.rotation != 0)
        object.GetRotatedBounds(bounds, object.rectRotation);
    bounds = bounds.Offset(-dc->originX, -dc->originY);
    const RECT previous = object.trackRect;
    object.trackRect = r;
    if (view.IsValidPlacement(bounds.left, bounds.top, bounds.right, bounds.bottom, &object))
        object.SetMoveCursor(handle);
    else if (QWidget* window = view.GetTrackingWindow())
        ui::SetCursor(*window, TrackerCursor(kCursorNotAllowed));
    EraseOutline();
    if (r != startRect) {
        object.AutoScroll(previous, &view, handle, r, startRect, device.x, device.y);
        object.trackRect = r;
        dc->SetUpOwnWindow();
    }
}

void TrackerDrag::DrawOutline(const RECT& r)
{
    object.DrawTrackerRect(r, 0, dc->dc, &view);
    shown = r;
}

void TrackerDrag::EraseOutline()
{
    if (shown)
        object.DrawTrackerRect(*shown, 0, dc->dc, &view);
    shown.reset();
}

void TrackerDrag::Finish()
{
    EraseOutline();
    object.trackView = nullptr;
    view.ShowPositionInRulers(nullptr);
}

void TrackerDrag::End()
{
    Finish();
    if (phase != Phase::Moving || object.trackRect == startRect) {
        object.trackRect = startRect;
        phase = Phase::Unchanged;
        return;
    }
    SettleRotation();
    phase = Phase::Changed;
}

void TrackerDrag::Cancel()
{
    Finish();
    object.trackRect = startRect;
    phase = Phase::Unchanged;
}

void TrackerDrag::SettleRotation()
{
    RECT n = object.trackRect.Normalized();
    if (object.rotation != 0) {
        // The object turns about the centre of its new turned outline.
        RECT turned = n;
        object.GetRotatedBounds(turned, object.rectRotation);
        const int32_t cx = MulDiv(turned.left + turned.right, 1, 2);
        const int32_t cy = MulDiv(turned.top + turned.bottom, 1, 2);
        const int32_t left = cx - n.Width() / 2;
        const int32_t top = cy - n.Height() / 2;
        ROTATION about;
        about.Set(left, top, left + n.Width(), top + n.Height(), object.rotation);
        const POINT a = about.Unrotate(object.rectRotation.Rotate({n.left, n.top}));
        const POINT b = about.Unrotate(object.rectRotation.Rotate({n.right, n.bottom}));
        n = RECT {a.x, a.y, b.x, b.y}.Normalized();
        object.rectRotation = about;
    }
    object.trackRect = n;
}
