// The ellipse's selection tracker: an elliptic outline around the selected
// ellipse, and the move cursor only over the ellipse itself.
#include "forms/model/fellipse.h"

#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "platform/ui/cursor.h"

void FELLIPSE::DrawTracker(VIEWDC& dc)
{
    if (!ShowsTracker(dc))
        return;
    RECT r;
    GetOuterRect(r, dc);
    r = r.Normalized();
    const RECT at = r.Offset(-dc.originX, -dc.originY);
    gdi::DC& g = *dc.dc;
    g.SaveDC();
    if (trackStyle & (kTrackSolid | kTrackDotted)) {
        g.SelectObject(trackStyle & kTrackDotted ? TrackerDottedPen() : gdi::GetStockPen(gdi::BLACK_PEN));
        g.SelectObject(gdi::GetStockBrush(gdi::NULL_BRUSH));
        g.SetROP2(gdi::R2_COPYPEN);
        g.SetBkMode(gdi::TRANSPARENT);
        // One device pixel outside the rectangle, so that the outline
        // does not cover the ellipse's own border.
        POINT pixel[2] = {{0, 0}, {1, 1}};
        dc.DPtoLP(pixel, 2);
        const int32_t dx = pixel[1].x - pixel[0].x;
        const int32_t dy = pixel[1].y - pixel[0].y;
        g.Ellipse(at.left - dx, at.top - dy, at.right + dx, at.bottom + dy);
    }
    if (trackStyle & kTrackHatchedInside) {
        g.SelectObject(gdi::GetStockPen(gdi::NULL_PEN));
        g.SelectObject(TrackerHatchBrush());
        g.SetBkMode(gdi::TRANSPARENT);
        g.SetROP2(gdi::R2_MASKNOTPEN);
        g.Rectangle(at.left + 1, at.top + 1, at.right, at.bottom);
        g.SetROP2(gdi::R2_COPYPEN);
    }
    if (trackStyle & kTrackHatchedBorder) {
        const int32_t grow = GetHandleSize(r) - 1 + (trackStyle & (kTrackSolid | kTrackDotted) ? 1 : 0);
        const RECT outer = at.Inflated(grow, grow);
        g.SelectObject(TrackerHatchBrush());
        g.SetBkMode(gdi::OPAQUE);
        const RECT strips[4] = {{outer.left, outer.top, outer.right, at.top},
                                {outer.left, at.bottom, outer.right, outer.bottom},
                                {outer.left, at.top, at.left, at.bottom},
                                {at.right, at.top, outer.right, at.bottom}};
        for (const RECT& s : strips)
            g.PatBlt(s.left, s.top, s.Width(), s.Height(), gdi::PATNOT);
    }
    g.RestoreDC(-1);
    DrawSelection(dc);
}

int FELLIPSE::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    QWidget* window = view ? view->GetTrackingWindow() : nullptr;
    POINT device;
    if (hitCode != kHitClient || !window || !view->GetPointerPos(device))
        return 0;
    VIEWDC dc(view);
    view->SetupOwnDC(dc);
    const POINT p = DeviceToLogical(dc, device);
    // Inside the rectangle but off the ellipse counts as nothing: the
    // handle test falls back on the ellipse's own hit test.
    const int hit = HitTestHandlesAt(dc, p.x, p.y);
    if (hit == kHitNothing)
        return 0;
    ui::SetCursor(*window, TrackerCursor(NormalizeHit(hit)));
    return 1;
}
