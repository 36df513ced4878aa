#include "platform/gdi/types.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using gdi::RECT;

// Rectangles that come from outside may span the whole 32-bit range: their
// extents and moved edges stay at the ends of the range instead of wrapping.
TEST(Rect, ExtentsAndMovedEdgesHoldAtTheEndsOfTheRange)
{
    const RECT whole {INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    EXPECT_EQ(whole.Width(), INT_MAX);
    EXPECT_EQ(whole.Height(), INT_MAX);
    const RECT backwards {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    EXPECT_EQ(backwards.Width(), INT_MIN);
    EXPECT_EQ(backwards.Height(), INT_MIN);
    EXPECT_EQ(whole.Inflated(10, 20), whole);
    EXPECT_EQ(whole.Inflated(-10, -20), (RECT {INT_MIN + 10, INT_MIN + 20, INT_MAX - 10, INT_MAX - 20}));
    EXPECT_EQ((RECT {0, 0, INT_MAX, INT_MAX}).Offset(5, 5), (RECT {5, 5, INT_MAX, INT_MAX}));
    EXPECT_EQ((RECT {INT_MIN, INT_MIN, 0, 0}).Offset(-5, -5), (RECT {INT_MIN, INT_MIN, -5, -5}));
    // Inside the range nothing changes.
    const RECT box {100, 200, 400, 1000};
    EXPECT_EQ(box.Width(), 300);
    EXPECT_EQ(box.Height(), 800);
    EXPECT_EQ(box.Inflated(10, 20), (RECT {90, 180, 410, 1020}));
    EXPECT_EQ(box.Offset(-100, 50), (RECT {0, 250, 300, 1050}));
}

} // namespace
