// The steps of a selection drag, which FDESIGNVIEW::DragSelection runs
// through ui::RunDrag.
#include "forms/app/views/design/selection_drag.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cursor.h"

#include <cstdlib>

namespace {

// How far (device pixels, in x or in y) the pointer must go from the press
// before a drag starts.
constexpr int kDragThreshold = 3;

} // namespace

SelectionDrag::SelectionDrag(FDESIGNVIEW& view, VIEWDC& dc, POINT press, bool& source)
    : view(view)
    , selection(*view.GetSelection())
    , dc(dc)
    , press(press)
    , source(source)
{}

void SelectionDrag::Begin()
{
    RECT start;
    selection.GetRect(start);
    const POINT grabbed = DeviceToLogical(dc, press);
    grab = {grabbed.x - start.left, grabbed.y - start.top};
    width = start.Width();
    height = start.Height();
    guard.emplace(&view, selection, dc);
    shown.reset();
    phase = Phase::Waiting;
}

ui::DragStep SelectionDrag::Step(const ui::TrackEvent& event)
{
    const bool waiting = phase == Phase::Waiting;
    const POINT at {event.pos.x(), event.pos.y()};
    switch (event.kind) {
    case ui::TrackKind::Escape:
        return waiting ? ui::DragStep::Continue : ui::DragStep::Cancel;
    case ui::TrackKind::RightButton:
    case ui::TrackKind::CaptureLost:
        return ui::DragStep::Cancel;
    case ui::TrackKind::Release:
        if (waiting) {
            phase = Phase::Clicked;
            return ui::DragStep::End;
        }
        Over(at);
        if (phase == Phase::Moving) {
            target = PlaceAt(at);
            phase = Phase::Dropped;
        }
        return ui::DragStep::End;
    case ui::TrackKind::Move:
        if (waiting) {
            if (std::abs(at.x - press.x) <= kDragThreshold && std::abs(at.y - press.y) <= kDragThreshold)
                return ui::DragStep::Continue;
            Start();
            if (handOver) {
                phase = Phase::Started;
                startPoint = at;
                handedOver = true;
                handOver(*this);
                return ui::DragStep::End;
            }
        }
        Over(at);
        return ui::DragStep::Continue;
    }
    return ui::DragStep::Cancel;
}

void SelectionDrag::End()
{
    if (handedOver)
        return;
    if (phase == Phase::Clicked || phase == Phase::Dropped)
        Finish(phase);
    else
        Cancel();
}

void SelectionDrag::Cancel()
{
    Finish(phase == Phase::Ready || phase == Phase::Waiting ? Phase::NotStarted : Phase::NotDropped);
}

void SelectionDrag::Start()
{
    phase = Phase::Moving;
    source = true;
    if (FDOCUMENT* doc = view.GetFormDocument())
        for (FORMOBJ* o = doc->GetObjects().GetHead(); o; o = o->GetNext())
            if (o->IsSelected(nullptr))
                o->EndEdit();
}

RECT SelectionDrag::PlaceAt(POINT device)
{
    POINT p = DeviceToLogical(dc, device);
    p = {p.x - grab.x, p.y - grab.y};
    view.SnapPoint(p);
    return RECT {p.x, p.y, p.x + width, p.y + height};
}

bool SelectionDrag::IsPlaceable(const RECT& r)
{
    RECT turned = r;
    selection.RotateTrackerRect(turned);
    turned = turned.Normalized().Offset(-dc.originX, -dc.originY);
    return view.IsValidPlacement(turned.left, turned.top, turned.right, turned.bottom, &selection) != 0;
}

void SelectionDrag::Over(POINT device)
{
    const RECT r = PlaceAt(device);
    RECT onWindow = r;
    view.ToDeviceRect(onWindow);
    if (shown && *shown == onWindow)
        return;
    EraseOutline();
    const bool refused = !IsPlaceable(r);
    phase = refused ? Phase::Refused : Phase::Moving;
    DrawOutline(onWindow);
    shown = onWindow;
    if (QWidget* window = view.GetWindow())
        ui::SetCursor(*window, TrackerCursor(refused ? kCursorNotAllowed : kHitInside));
    view.ShowPositionInRulers(&r);
    view.ShowPosSize(r);
}

void SelectionDrag::EraseOutline()
{
    // Drawn by inversion: drawing it again erases it.
    if (shown)
        DrawOutline(*shown);
    shown.reset();
}

void DrawInPixels(VIEWDC& dc, const std::function<void(gdi::DC&)>& draw)
{
    if (!dc.dc)
        return;
    gdi::DC& device = *dc.dc;
    device.SaveDC();
    device.SetMapMode(gdi::MM_TEXT);
    device.SetWindowOrg(0, 0);
    device.SetViewportOrg(0, 0);
    draw(device);
    device.RestoreDC(-1);
}

void SelectionDrag::DrawOutline(const RECT& onWindow)
{
    DrawInPixels(dc, [&](gdi::DC& device) { selection.DrawDragOutline(&view, onWindow, &device); });
}

void SelectionDrag::Finish(Phase last)
{
    EraseOutline();
    guard.reset();
    source = false;
    phase = last;
    if (phase == Phase::Dropped || phase == Phase::NotDropped)
        view.ShowPositionInRulers(nullptr);
}
