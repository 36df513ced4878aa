#include "forms/model/resize_update_rgn.h"

#include "forms/model/object_view.h"
#include "forms/model/viewdc.h"

#include <algorithm>

namespace {

void ToLogical(VIEWDC& dc, Outline& outline)
{
    dc.DPtoLP(outline.pt, 4);
    for (POINT& p : outline.pt) {
        p.x += dc.originX;
        p.y += dc.originY;
    }
}

void ToDevice(VIEWDC& dc, Outline& outline)
{
    for (POINT& p : outline.pt) {
        p.x -= dc.originX;
        p.y -= dc.originY;
    }
    dc.LPtoDP(outline.pt, 4);
}

} // namespace

RESIZEUPDATERGN::RESIZEUPDATERGN(uint8_t kind, uint16_t page)
    : FHINT(kind, page)
{}

void RESIZEUPDATERGN::SetBefore(const POINT* points)
{
    std::copy(points, points + 4, before.pt);
}

void RESIZEUPDATERGN::BeforeToLogical(VIEWDC& dc)
{
    ToLogical(dc, before);
}

void RESIZEUPDATERGN::AfterToLogical(VIEWDC& dc)
{
    ToLogical(dc, after);
}

void RESIZEUPDATERGN::BeforeToDevice(VIEWDC& dc)
{
    ToDevice(dc, before);
}

void RESIZEUPDATERGN::AfterToDevice(VIEWDC& dc)
{
    ToDevice(dc, after);
}

void RESIZEUPDATERGN::InvalidateView(OBJECT_VIEW* view)
{
    if (!view || view->GetCurrentPage() != page)
        return;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    BeforeToDevice(dc);
    AfterToDevice(dc);
    // Invalidating both outlines invalidates their union.
    view->InvalidateOutline(before, true);
    view->InvalidateOutline(after, true);
    view->UpdateWindow();
    AfterToLogical(dc);
    BeforeToLogical(dc);
}
