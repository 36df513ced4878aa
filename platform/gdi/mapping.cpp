#include "platform/gdi/mapping.h"

#include "platform/gdi/muldiv.h"

#include <cstdlib>

namespace gdi {

SIZE Mapping::EffectiveWindowExt() const
{
    return mode == MM_TEXT ? SIZE {1, 1} : windowExt;
}

SIZE Mapping::EffectiveViewportExt() const
{
    return mode == MM_TEXT ? SIZE {1, 1} : viewportExt;
}

POINT Mapping::LPtoDP(POINT p) const
{
    const SIZE we = EffectiveWindowExt();
    const SIZE ve = EffectiveViewportExt();
    return {MulDiv(p.x - windowOrg.x, ve.cx, we.cx) + viewportOrg.x,
        MulDiv(p.y - windowOrg.y, ve.cy, we.cy) + viewportOrg.y};
}

POINT Mapping::DPtoLP(POINT p) const
{
    const SIZE we = EffectiveWindowExt();
    const SIZE ve = EffectiveViewportExt();
    return {MulDiv(p.x - viewportOrg.x, we.cx, ve.cx) + windowOrg.x,
        MulDiv(p.y - viewportOrg.y, we.cy, ve.cy) + windowOrg.y};
}

double Mapping::ScaleX() const
{
    const SIZE we = EffectiveWindowExt();
    const SIZE ve = EffectiveViewportExt();
    return std::abs(static_cast<double>(ve.cx) / we.cx);
}

double Mapping::ScaleY() const
{
    const SIZE we = EffectiveWindowExt();
    const SIZE ve = EffectiveViewportExt();
    return std::abs(static_cast<double>(ve.cy) / we.cy);
}

} // namespace gdi
