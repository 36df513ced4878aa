#include "forms/model/geometry.h"

#include <algorithm>

namespace {

// Which side of the edge a-b the point p lies on (cross product), widened
// so that device and twip coordinates cannot overflow.
int64_t Side(const POINT& a, const POINT& b, int32_t x, int32_t y)
{
    return (int64_t(b.x) - a.x) * (int64_t(y) - a.y) - (int64_t(x) - a.x) * (int64_t(b.y) - a.y);
}

bool OnSegment(const POINT& a, const POINT& b, int32_t x, int32_t y)
{
    return Side(a, b, x, y) == 0 && x >= std::min(a.x, b.x) && x <= std::max(a.x, b.x) && y >= std::min(a.y, b.y)
        && y <= std::max(a.y, b.y);
}

} // namespace

bool Outline::Contains(int32_t x, int32_t y) const
{
    // Winding number; points on an edge count as inside.
    int winding = 0;
    for (int i = 0; i < 4; ++i) {
        const POINT& a = pt[i];
        const POINT& b = pt[(i + 1) % 4];
        if (OnSegment(a, b, x, y))
            return true;
        if (a.y <= y) {
            if (b.y > y && Side(a, b, x, y) > 0)
                ++winding;
        } else if (b.y <= y && Side(a, b, x, y) < 0) {
            --winding;
        }
    }
    return winding != 0;
}
