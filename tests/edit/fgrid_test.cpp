#include "forms/edit/fgrid.h"
#include "tests/edit/grid_archive.h"

#include <gtest/gtest.h>

namespace {

TEST(Grid, NewGridHasTheDefaults)
{
    FGRID grid;
    EXPECT_TRUE(grid.IsOn());
    EXPECT_EQ(grid.GetHorizontalSpacing(), 72);
    EXPECT_EQ(grid.GetVerticalSpacing(), 72);
    EXPECT_EQ(grid.GetHorizontalOrigin(), 0);
    EXPECT_EQ(grid.GetVerticalOrigin(), 0);
}

TEST(Grid, SnapsToTheNearestLineRoundingHalfDown)
{
    struct Case {
        uint16_t h, v;
        int32_t ox, oy;
        POINT in, out;
    };
    const Case cases[] = {
        {72, 72, 0, 0, {36, 36}, {0, 0}},
        {72, 72, 0, 0, {37, 35}, {72, 0}},
        {72, 72, 0, 0, {108, 109}, {72, 144}},
        {72, 72, 0, 0, {144, 0}, {144, 0}},
        // A spacing of 1 leaves its axis alone.
        {1, 72, 0, 0, {37, 37}, {37, 72}},
        {72, 1, 0, 0, {37, 37}, {72, 37}},
        // The origin shifts the lines.
        {100, 100, 10, 20, {60, 71}, {10, 120}},
        {100, 100, 10, 20, {61, 70}, {110, 20}},
        // Odd spacing: half is 36, a remainder of 37 rounds up.
        {73, 73, 0, 0, {36, 37}, {0, 73}},
        // Before the origin offsets move toward the origin.
        {72, 72, 0, 0, {-60, -100}, {0, -72}},
        {100, 100, 500, 500, {0, 450}, {0, 500}},
    };
    for (const Case& c : cases) {
        FGRID grid = GridFromRecord(1, c.h, c.v, c.ox, c.oy);
        POINT p = c.in;
        grid.Snap(p);
        EXPECT_EQ(p.x, c.out.x) << c.in.x << "," << c.in.y << " spacing " << c.h;
        EXPECT_EQ(p.y, c.out.y) << c.in.x << "," << c.in.y << " spacing " << c.v;
    }
}

TEST(Grid, SnapsOnlyWhenOnUnlessAskedToSnapAnyway)
{
    for (uint16_t on : {0, 1}) {
        FGRID grid = GridFromRecord(on, 72, 72, 0, 0);
        POINT whenOn {40, 40};
        grid.SnapIfOn(whenOn);
        EXPECT_EQ(whenOn.x, on ? 72 : 40);
        POINT always {40, 40};
        grid.Snap(always);
        EXPECT_EQ(always.x, 72);
    }
}

TEST(Grid, SnapsThroughTheDrawingContextsInterface)
{
    FGRID grid;
    SnapGrid& snap = grid;
    POINT p {100, 30};
    snap.SnapIfOn(p);
    EXPECT_EQ(p.x, 72);
    EXPECT_EQ(p.y, 0);
}

TEST(Grid, ArrowKeysMoveToTheNeighbouringLine)
{
    struct Case {
        int32_t origin;
        uint16_t spacing;
        int32_t from, previous, next;
    };
    const Case cases[] = {
        {10, 100, 10, -90, 110},
        {10, 100, 50, 10, 110},
        {10, 100, 110, 10, 210},
        {0, 72, 0, -72, 72},
        {0, 72, 1, 0, 72},
        {0, 72, 71, 0, 72},
        // Before the origin the lines keep their spacing.
        {0, 100, -50, -100, 0},
        {0, 100, -100, -200, 0},
        {0, 100, -150, -200, -100},
        {500, 100, 450, 400, 500},
        // Spacing 1 steps one twip.
        {0, 1, 7, 6, 8},
        // No 16-bit wrap past 32767: the view refuses such a coordinate.
        {0, 72, 32760, 32688, 32832},
    };
    for (const Case& c : cases) {
        FGRID grid = GridFromRecord(1, c.spacing, c.spacing, c.origin, c.origin);
        struct Key {
            uint16_t code;
            POINT expected;
        };
        const Key keys[] = {
            {kKeyLeft, {c.previous, c.from}},
            {kKeyRight, {c.next, c.from}},
            {kKeyUp, {c.from, c.previous}},
            {kKeyDown, {c.from, c.next}},
            {41, {c.from, c.from}},
        };
        for (const Key& k : keys) {
            POINT p {c.from, c.from};
            grid.MoveByKey(p, k.code);
            EXPECT_EQ(p.x, k.expected.x) << "key " << k.code << " from " << c.from << " origin " << c.origin;
            EXPECT_EQ(p.y, k.expected.y) << "key " << k.code << " from " << c.from << " origin " << c.origin;
        }
    }
}

// The design view moves a corner by one key step and refuses a size that
// is not positive: a step therefore always moves by 1 to one spacing and
// lands on a grid line (or the line's own spacing further), so a resize
// never stays put and never jumps more than one cell.
TEST(Grid, EveryArrowStepMovesAtLeastOneTwipAndAtMostOneSpacing)
{
    for (uint16_t spacing : {1, 2, 72, 73, 100}) {
        for (int32_t origin : {0, 10, -35}) {
            FGRID grid = GridFromRecord(1, spacing, spacing, origin, origin);
            for (int32_t x = -250; x <= 250; ++x) {
                POINT left {x, 0};
                grid.MoveByKey(left, kKeyLeft);
                POINT right {x, 0};
                grid.MoveByKey(right, kKeyRight);
                ASSERT_LT(left.x, x);
                ASSERT_GE(left.x, x - spacing);
                ASSERT_GT(right.x, x);
                ASSERT_LE(right.x, x + spacing);
                ASSERT_EQ((left.x - origin) % spacing, 0) << x;
                ASSERT_EQ((right.x - origin) % spacing, 0) << x;
            }
        }
    }
}

TEST(Grid, ArrowKeysDoNothingWhenTheGridIsOff)
{
    FGRID grid = GridFromRecord(0, 72, 72, 0, 0);
    for (uint16_t key : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown}) {
        POINT p {100, 100};
        grid.MoveByKey(p, key);
        EXPECT_EQ(p.x, 100);
        EXPECT_EQ(p.y, 100);
    }
}

TEST(Grid, SpacingOfZeroKeepsTheOldSpacing)
{
    struct Case {
        uint16_t h, v, expectH, expectV;
    };
    const Case cases[] = {
        {0, 0, 72, 72},
        {0, 144, 72, 144},
        {144, 0, 144, 72},
        {1, 2, 1, 2},
    };
    for (const Case& c : cases) {
        FGRID grid;
        grid.SetSpacing(c.h, c.v);
        EXPECT_EQ(grid.GetHorizontalSpacing(), c.expectH);
        EXPECT_EQ(grid.GetVerticalSpacing(), c.expectV);
    }
}

} // namespace
