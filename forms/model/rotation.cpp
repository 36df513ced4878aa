#include "forms/model/rotation.h"

#include <cmath>
#include <cstdlib>

void ROTATION::Set(int32_t left, int32_t top, int32_t right, int32_t bottom, int tenths)
{
    int32_t cx = MulDiv(left + right, 1, 2);
    int32_t cy = MulDiv(top + bottom, 1, 2);
    angle = tenths * kRadiansPerTenth;
    if (cx == 0 && cy == 0)
        return;
    double c = std::cos(angle);
    double s = std::sin(angle);
    tx = int32_t(std::trunc(cx - (cx * c + cy * s)));
    ty = int32_t(std::trunc(cy - (cy * c - cx * s)));
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
