// The free line's tracking: drawing a new line from point to point,
// dragging either end or the whole line, and the dotted segments that
// show the line while the mouse moves.
#include "forms/model/fline.h"

#include "forms/model/object_view.h"
#include "forms/model/placement_guard.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "platform/ui/cursor.h"

#include <utility>

namespace {

// The segment across a rectangle that a line of the direction takes.
std::pair<POINT, POINT> Diagonal(const RECT& r, uint8_t direction)
{
    switch (direction) {
    case kLineRising:
        return {{r.left, r.bottom}, {r.right, r.top}};
    case kLineFalling:
        return {{r.left, r.top}, {r.right, r.bottom}};
    case kLineHorizontal: {
        const int32_t middle = (r.top + r.bottom) / 2;
        return {{r.left, middle}, {r.right, middle}};
    }
    default: {
        const int32_t middle = (r.left + r.right) / 2;
        return {{middle, r.bottom}, {middle, r.top}};
    }
    }
}

// The corner of a rectangle opposite one of its corners.
POINT OppositeCorner(const RECT& r, POINT corner)
{
    return {corner.x == r.left ? r.right : r.left, corner.y == r.top ? r.bottom : r.top};
}

// A dotted segment that inverts what it covers: drawn twice, it is gone.
void InvertSegment(gdi::DC& dc, std::pair<POINT, POINT> segment)
{
    dc.SaveDC();
    dc.SelectObject(TrackerDottedPen());
    dc.SelectObject(gdi::GetStockBrush(gdi::NULL_BRUSH));
    dc.SetROP2(gdi::R2_NOT);
    dc.SetBkMode(gdi::TRANSPARENT);
    dc.MoveTo(segment.first.x, segment.first.y);
    dc.LineTo(segment.second.x, segment.second.y);
    dc.RestoreDC(-1);
}

// The four corners of a rectangle as an outline.
Outline Corners(const RECT& r)
{
    Outline o;
    o.pt[0] = {r.left, r.top};
    o.pt[1] = {r.left, r.bottom};
    o.pt[2] = {r.right, r.bottom};
    o.pt[3] = {r.right, r.top};
    return o;
}

// Marks the line as moved whole for the length of a drag.
class MovingScope {
public:
    MovingScope(bool& flag, bool value)
        : flag(flag)
    {
        flag = value;
    }
    ~MovingScope() { flag = false; }
    MovingScope(const MovingScope&) = delete;
    MovingScope& operator=(const MovingScope&) = delete;

private:
    bool& flag;
};

} // namespace

TrackNewResult FLINE::TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int invert)
{
    if (!view)
        return kTrackNoDrag;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return kTrackNoDrag;
        anchor = DeviceToLogical(dc, {x, y});
    }
    view->SnapPoint(anchor);
    if (!TrackRubberBand(view, x, y, invert))
        return kTrackNoDrag;
    const RECT placed = trackRect.Normalized();
    VIEWDC dc(view, kOwnWindow);
    const RECT bounds = placed.Offset(-dc.originX, -dc.originY);
    if (!dc.IsSetUp() || !view->IsValidPlacement(bounds.left, bounds.top, bounds.right, bounds.bottom, this)) {
        trackRect = rect;
        return kTrackRefused;
    }
    SetRect(placed.left, placed.top, placed.right, placed.bottom);
    first = anchor;
    second = OppositeCorner(placed, anchor);
    direction = ClassifyDirection(first, second);
    return kTrackPlaced;
}

int FLINE::Track(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (!view)
        return 0;
    const bool otherViews = view->HasOtherViews();
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return 0;
    const POINT at = DeviceToLogical(dc, {x, y});
    direction = ClassifyDirection(first, second);
    anchor = IsNearerFirstEnd(at.x, at.y) ? second : first;
    const RECT oldRect = rect;
    const POINT oldFirst = first;
    const POINT oldSecond = second;
    PLACEMENT_GUARD guard(view, *this, dc);

    const bool whole = HitTestHandles(dc, at.x, at.y) == kHitInside;
    int tracked;
    {
        MovingScope moving(movingWhole, whole);
        tracked = TrackAt(view, x, y, 0, nullptr);
    }
    if (!tracked) {
        trackRect = rect;
        return 0;
    }
    const RECT placed = trackRect.Normalized();
    if (whole) {
        // Both ends go with the rectangle.
        const int32_t dx = placed.left - oldRect.left;
        const int32_t dy = placed.top - oldRect.top;
        first = {first.x + dx, first.y + dy};
        second = {second.x + dx, second.y + dy};
    } else {
        first = OppositeCorner(placed, anchor);
        second = anchor;
    }
    // The view may have scrolled meanwhile.
    if (!dc.SetUpOwnWindow()) {
        first = oldFirst;
        second = oldSecond;
        trackRect = rect;
        return 0;
    }
    const RECT bounds = placed.Offset(-dc.originX, -dc.originY);
    if (view->IsValidPlacement(bounds.left, bounds.top, bounds.right, bounds.bottom, this)) {
        SetRect(placed.left, placed.top, placed.right, placed.bottom);
    } else {
        SetRect(oldRect.left, oldRect.top, oldRect.right, oldRect.bottom);
        first = oldFirst;
        second = oldSecond;
    }
    direction = ClassifyDirection(first, second);

    // Repaint the old line with its handles and the new one.
    const Outline before = Corners(ToDevice(dc, oldRect.Inflated(handleSize, handleSize)).Inflated(1, 1));
    RepaintTracked(dc, view, before, otherViews);
    return rect == oldRect && first == oldFirst && second == oldSecond ? 0 : 1;
}

void FLINE::AdjustRect(int handle, RECT& r, OBJECT_VIEW* view)
{
    if (!view || handle < 0 || handle >= kHitInside)
        return;
    SnapDraggedEdges(handle, r, view);
}

void FLINE::DrawTracker(VIEWDC& dc)
{
    if (ShowsTracker(dc))
        DrawSelection(dc);
}

int FLINE::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    return SetTrackerCursor(view, hitCode, [this](VIEWDC& dc, POINT p) {
        const int hit = HitTestHandlesAt(dc, p.x, p.y);
        return hit == kHitNothing || hit == kHitInside ? hit : kCursorCross;
    });
}

void FLINE::SetMoveCursor(int)
{
    if (QWidget* window = trackView ? trackView->GetTrackingWindow() : nullptr)
        ui::SetCursor(*window, TrackerCursor(kCursorCross));
}

void FLINE::DrawFocusOutline(const RECT& r, gdi::DC* dc)
{
    if (!dc)
        return;
    direction = ClassifyDirection(first, second);
    InvertSegment(*dc, Diagonal(r, direction));
}

void FLINE::DrawDragOutline(gdi::DC* dc, const RECT& r)
{
    if (!dc)
        return;
    if (movingWhole || !trackView) {
        DrawFocusOutline(r, dc);
        return;
    }
    // The view's conversion may set its mapping on this very context.
    RECT fixed {anchor.x, anchor.y, anchor.x, anchor.y};
    const int saved = dc->SaveDC();
    trackView->ToDeviceRect(fixed);
    dc->RestoreDC(saved);
    const POINT from {fixed.left, fixed.top};
    InvertSegment(*dc, {from, OppositeCorner(r, from)});
}
