#include "forms/model/rotation.h"

#include <cmath>
#include <cstdlib>
#include <numbers>

void ROTATION::Set(int32_t left, int32_t top, int32_t right, int32_t bottom, int tenths)
{
    const int32_t cx = MulDiv(left + right, 1, 2);
    const int32_t cy = MulDiv(top + bottom, 1, 2);
    angle = tenths * kRadiansPerTenth;
    if (cx == 0 && cy == 0)
        return;
    // The centre in polar form, its angle measured from the y axis towards
    // x; turned, it lies at that angle plus the turn.
    const double radius = std::sqrt(double(cx) * cx + double(cy) * cy);
    const double centreAngle = std::atan2(double(cx), double(cy));
    const double turned = std::numbers::pi / 2 - (angle + centreAngle);
    tx = int32_t(std::trunc(cx - radius * std::cos(turned)));
    ty = int32_t(std::trunc(cy - radius * std::sin(turned)));
}

POINT ROTATION::Rotate(POINT p) const
{
    double c = std::cos(angle);
    double s = std::sin(angle);
    return {int32_t(std::trunc(p.x * c + p.y * s + tx)), int32_t(std::trunc(p.y * c - p.x * s + ty))};
}

POINT ROTATION::Unrotate(POINT p) const
{
    double c = std::cos(angle);
    double s = std::sin(angle);
    double x = double(p.x) - tx;
    double y = double(p.y) - ty;
    return {int32_t(std::trunc(x * c - y * s)), int32_t(std::trunc(x * s + y * c))};
}
