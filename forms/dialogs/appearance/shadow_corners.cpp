#include "forms/dialogs/appearance/shadow_corners.h"

#include <cstddef>

int ShadowCornerOf(int16_t x, int16_t y)
{
    if (x == 0 && y == 0)
        return 0;
    if (y < 0)
        return x < 0 ? 1 : 2;
    return x < 0 ? 3 : 4;
}

int ShadowCornerOfControl(int control)
{
    for (std::size_t i = 0; i < kShadowCorners.size(); ++i)
        if (kShadowCorners[i].control == control)
            return static_cast<int>(i);
    return -1;
}
