// The ellipse's selection tracker: an elliptic outline around the selected
// ellipse, and the move cursor only over the ellipse itself.
#include "forms/model/fellipse.h"

#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"

void FELLIPSE::DrawTrackerOutline(VIEWDC& dc, const RECT& r)
{
    gdi::DC& g = *dc.dc;
    g.SetROP2(gdi::R2_COPYPEN);
    g.SetBkMode(gdi::TRANSPARENT);
    // One device pixel outside the rectangle, so that the outline does not
    // cover the ellipse's own border.
    POINT pixel[2] = {{0, 0}, {1, 1}};
    dc.DPtoLP(pixel, 2);
    const int32_t dx = pixel[1].x - pixel[0].x;
    const int32_t dy = pixel[1].y - pixel[0].y;
    const RECT at = r.Offset(-dc.originX, -dc.originY);
    g.Ellipse(at.left - dx, at.top - dy, at.right + dx, at.bottom + dy);
}

int FELLIPSE::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    return SetTrackerCursor(view, hitCode, [this](VIEWDC& dc, POINT p) {
        // Inside the rectangle but off the ellipse counts as nothing: the
        // handle test falls back on the ellipse's own hit test.
        const int hit = HitTestHandlesAt(dc, p.x, p.y);
        return hit == kHitNothing ? kHitNothing : NormalizeHit(hit);
    });
}
