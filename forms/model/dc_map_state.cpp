#include "forms/model/dc_map_state.h"

#include "forms/model/border.h"
#include "forms/model/viewdc.h"

#include <cstdlib>

void DCMAPSTATE::Save(VIEWDC& dc)
{
    windowExtX = dc.windowExtX;
    windowExtY = dc.windowExtY;
    viewportExtX = dc.viewportExtX;
    viewportExtY = dc.viewportExtY;
    viewportOrgX = dc.viewportOrgX;
    viewportOrgY = dc.viewportOrgY;
    windowOrgX = dc.windowOrgX;
    windowOrgY = dc.windowOrgY;
    const bool picture = dc.deviceKind == kDevicePicture;
    dc.SetWindowExt(picture ? dc.kind3ExtentX : 1, picture ? dc.kind3ExtentY : 1);
    dc.SetViewportExt(picture ? dc.kind3ExtentX : 1, picture ? dc.kind3ExtentY : 1);
    dc.SetViewportOrg(0, 0);
    dc.SetWindowOrg(0, 0);
    mapMode = picture ? 0 : dc.SetMapMode(gdi::MM_TEXT);
}

void DCMAPSTATE::Restore(VIEWDC& dc)
{
    if (dc.deviceKind != kDevicePicture)
        dc.SetMapMode(mapMode);
    dc.SetViewportOrg(viewportOrgX, viewportOrgY);
    dc.SetWindowOrg(windowOrgX, windowOrgY);
    dc.SetWindowExt(windowExtX, windowExtY);
    dc.SetViewportExt(viewportExtX, viewportExtY);
}

namespace {

int32_t DeviceLengthY(VIEWDC& dc, int32_t twips)
{
    POINT pts[2] = {{0, 0}, {0, twips}};
    dc.LPtoDP(pts, 2);
    const int32_t length = std::abs(pts[1].y - pts[0].y);
    return length < 1 ? 1 : length;
}

} // namespace

int32_t GetDeviceGap(VIEWDC& dc)
{
    return DeviceLengthY(dc, 15);
}

int32_t GetDeviceWidth(const BORDER& border, VIEWDC& dc)
{
    return DeviceLengthY(dc, border.width);
}
