#include "forms/model/rotation.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

namespace {

// The midpoint of two coordinates, halves away from zero; the sum is taken
// in 64 bits so that coordinates from a damaged file cannot overflow.
int32_t Midpoint(int32_t a, int32_t b)
{
    const int64_t sum = int64_t(a) + b;
    return int32_t((sum + (sum < 0 ? -1 : 1)) / 2);
}

// Truncates towards zero into the 32-bit range.
int32_t TruncToInt32(double v)
{
    if (!(v > -2147483648.0))
        return INT32_MIN;
    if (v >= 2147483647.0)
        return INT32_MAX;
    return int32_t(std::trunc(v));
}

} // namespace

void ROTATION::Set(int32_t left, int32_t top, int32_t right, int32_t bottom, int tenths)
{
    const int32_t cx = Midpoint(left, right);
    const int32_t cy = Midpoint(top, bottom);
    angle = tenths * kRadiansPerTenth;
    if (cx == 0 && cy == 0)
        return;
    // Unturned, the centre stays where it is: the formula below gives 0
    // (its rounding error is far below one twip), without its trigonometry.
    if (tenths == 0) {
        tx = 0;
        ty = 0;
        return;
    }
    // The centre in polar form, its angle measured from the y axis towards
    // x; turned, it lies at that angle plus the turn.
    const double radius = std::sqrt(double(cx) * cx + double(cy) * cy);
    const double centreAngle = std::atan2(double(cx), double(cy));
    const double turned = std::numbers::pi / 2 - (angle + centreAngle);
    tx = TruncToInt32(cx - radius * std::cos(turned));
    ty = TruncToInt32(cy - radius * std::sin(turned));
}

POINT ROTATION::Rotate(POINT p) const
{
    double c = std::cos(angle);
    double s = std::sin(angle);
    return {TruncToInt32(p.x * c + p.y * s + tx), TruncToInt32(p.y * c - p.x * s + ty)};
}

POINT ROTATION::Unrotate(POINT p) const
{
    double c = std::cos(angle);
    double s = std::sin(angle);
    double x = double(p.x) - tx;
    double y = double(p.y) - ty;
    return {TruncToInt32(x * c - y * s), TruncToInt32(x * s + y * c)};
}
