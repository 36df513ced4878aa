// The drawing context's own clip region: set, combined, read and selected.
#include "forms/model/viewdc.h"

int VIEWDC::SelectClip()
{
    if (!dc)
        return 0;
    const int type = dc->SelectClipRgn(clipRegion.get());
    return type != gdi::ERROR && type != gdi::NULLREGION ? 1 : 0;
}

int VIEWDC::SetClipRect(const RECT* rect)
{
    if (deviceKind == kDevicePicture || !rect)
        return 0;
    clipRegion = std::make_unique<gdi::Region>(gdi::Region::Rect(*rect));
    return SelectClip();
}

int VIEWDC::CombineClipRgn(const gdi::Region* region, int mode)
{
    if (deviceKind == kDevicePicture || !region)
        return 0;
    if (mode != gdi::RGN_AND && mode != gdi::RGN_OR && mode != gdi::RGN_XOR && mode != gdi::RGN_DIFF)
        return 0;
    if (!clipRegion) {
        if (mode != gdi::RGN_AND && mode != gdi::RGN_OR)
            return 0;
        clipRegion = std::make_unique<gdi::Region>(*region);
        SelectClip();
    }
    gdi::Region combined;
    combined.Combine(*clipRegion, *region, mode);
    *clipRegion = combined;
    return SelectClip();
}

int VIEWDC::GetClipRgn(gdi::Region* out) const
{
    if (deviceKind == kDevicePicture || !out || !clipRegion || clipRegion->IsEmpty())
        return 0;
    *out = *clipRegion;
    return 1;
}

int VIEWDC::SetClipRgn(const gdi::Region* region)
{
    if (deviceKind == kDevicePicture || !region)
        return 0;
    clipRegion = std::make_unique<gdi::Region>(*region);
    return SelectClip();
}
