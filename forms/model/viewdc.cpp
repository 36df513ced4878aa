// The drawing context: sharing the view's device context, the remembered
// mapping and its conversions, the page and the grid.
#include "forms/model/viewdc.h"

#include "forms/model/object_view.h"
#include "platform/gdi/muldiv.h"

#include <cstdlib>

VIEWDC::VIEWDC(OBJECT_VIEW* v)
    : view(v)
    , fromView(1)
    , handleView(v)
{
    if (!view) {
        fromView = 0;
        return;
    }
    if (view->dcNesting != 0) {
        ++view->dcNesting;
        dc = view->sharedDC.get();
        return;
    }
    view->sharedDC = view->GetWindowDC();
    dc = view->sharedDC.get();
    if (!dc) {
        fromView = 0;
        return;
    }
    view->dcNesting = 1;
}

VIEWDC::VIEWDC(OBJECT_VIEW* v, OWN_WINDOW)
    : VIEWDC(v)
{
    SetUpOwnWindow();
}

VIEWDC::VIEWDC() = default;

VIEWDC::~VIEWDC()
{
    clipRegion.reset();
    if (!fromView || !view)
        return;
    if (view->dcNesting > 0 && --view->dcNesting == 0)
        view->sharedDC.reset();
}

bool VIEWDC::SetUpOwnWindow()
{
    setUp = view && view->SetupOwnDC(*this);
    return setUp;
}

gdi::SIZE VIEWDC::SetWindowExt(int32_t cx, int32_t cy)
{
    // A zero extent would divide by zero in the conversions; the device
    // context refuses it too, so the old one stays.
    if (cx != 0 && cy != 0) {
        windowExtX = std::abs(cx);
        windowExtY = std::abs(cy);
    }
    return dc ? dc->SetWindowExt(cx, cy) : gdi::SIZE {};
}

gdi::SIZE VIEWDC::SetViewportExt(int32_t cx, int32_t cy)
{
    if (cx != 0 && cy != 0) {
        viewportExtX = std::abs(cx);
        viewportExtY = std::abs(cy);
    }
    return dc ? dc->SetViewportExt(cx, cy) : gdi::SIZE {};
}

POINT VIEWDC::SetWindowOrg(int32_t x, int32_t y)
{
    windowOrgX = x;
    windowOrgY = y;
    return dc ? dc->SetWindowOrg(x, y) : POINT {};
}

POINT VIEWDC::SetViewportOrg(int32_t x, int32_t y)
{
    viewportOrgX = x;
    viewportOrgY = y;
    return dc ? dc->SetViewportOrg(x, y) : POINT {};
}

int VIEWDC::SetMapMode(int mode)
{
    return dc ? dc->SetMapMode(mode) : 0;
}

void VIEWDC::LPtoDP(POINT* points, int count)
{
    if (deviceKind == kDevicePreview && dc) {
        dc->LPtoDP(points, count);
        return;
    }
    for (int i = 0; i < count; ++i) {
        POINT& p = points[i];
        p = {gdi::MulDiv(p.x - windowOrgX, viewportExtX, windowExtX) + viewportOrgX,
            gdi::MulDiv(p.y - windowOrgY, viewportExtY, windowExtY) + viewportOrgY};
    }
}

void VIEWDC::DPtoLP(POINT* points, int count)
{
    if (deviceKind == kDevicePreview && dc) {
        dc->DPtoLP(points, count);
        return;
    }
    for (int i = 0; i < count; ++i) {
        POINT& p = points[i];
        p = {gdi::MulDiv(p.x - viewportOrgX, windowExtX, viewportExtX) + windowOrgX,
            gdi::MulDiv(p.y - viewportOrgY, windowExtY, viewportExtY) + windowOrgY};
    }
}

void VIEWDC::GetPageRectDP(RECT& out) const
{
    out = {-originX, -originY, pageWidth - originX, pageHeight - originY};
}

int16_t VIEWDC::GetPageWidthDP() const
{
    if (!dc)
        return 0;
    gdi::Mapping scale = dc->GetMapping();
    scale.windowOrg = {};
    scale.viewportOrg = {};
    return static_cast<int16_t>(scale.LPtoDP({pageWidth, 0}).x);
}

int16_t VIEWDC::GetPageHeightDP() const
{
    if (!dc)
        return 0;
    gdi::Mapping scale = dc->GetMapping();
    scale.windowOrg = {};
    scale.viewportOrg = {};
    return static_cast<int16_t>(scale.LPtoDP({0, pageHeight}).y);
}

int VIEWDC::IsPointOnPage(POINT point) const
{
    return point.x >= 0 && point.x <= GetPageWidthDP() && point.y >= 0 && point.y <= GetPageHeightDP() ? 1 : 0;
}

void VIEWDC::SnapX(int32_t& x)
{
    x = SnappedPoint({x, 0}).x;
}

void VIEWDC::SnapY(int32_t& y)
{
    y = SnappedPoint({0, y}).y;
}

void VIEWDC::SnapPoint(POINT& point)
{
    if (grid)
        grid->SnapIfOn(point);
}

POINT VIEWDC::SnappedPoint(POINT point)
{
    SnapPoint(point);
    return point;
}
