#include "platform/gdi/muldiv.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

struct MulDivCase {
    int32_t a, b, c, expected;
};

TEST(MulDiv, RoundsHalvesAwayFromZeroAndFailsAsMinusOne)
{
    const MulDivCase cases[] = {
        {10, 3, 2, 15}, // exact
        {1, 1, 2, 1}, // 0.5 rounds up
        {-1, 1, 2, -1}, // -0.5 rounds away from zero
        {1, -1, 2, -1},
        {-1, -1, 2, 1},
        {1, 1, -2, -1}, // the divisor's sign counts too
        {5, 1, 3, 2}, // 1.67
        {4, 1, 3, 1}, // 1.33
        {-5, 1, 3, -2},
        {240, 96, 1440, 16}, // 12 pt at 96 dpi
        {160, 96, 1440, 11}, // 8 pt: 10.67
        {1440, 4, 100, 58}, // 57.6
        {1440, 2, 100, 29}, // 28.8
        {1440, 45, 2, 32400},
        {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // 64-bit intermediate
        {INT_MAX, 2, 1, -1}, // overflow
        {INT_MIN, 1, 1, INT_MIN},
        {INT_MIN, -1, 1, -1}, // overflow
        {-7, 1, 1, -7}, // one to one
        {5, -3, -3, 5},
        {INT_MIN, -1, -1, INT_MIN},
        {7, 9, 0, -1}, // zero divisor
        {0, 9, 0, -1},
    };
    for (const MulDivCase& c : cases)
        EXPECT_EQ(gdi::MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

} // namespace
