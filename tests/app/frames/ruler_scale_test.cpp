// The rulers' scale: the tick step at each zoom, in inches and centimetres on
// a 96-pixel-per-inch screen, where the ticks fall and which are numbered.
#include "forms/app/frames/ruler_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(RulerScale, TickStepFollowsTheZoomInBothUnits)
{
    struct Case {
        int zoom;
        int inches;
        int centimetres;
    } cases[] = {
        {200, 200, 100},
        {175, 200, 100},
        {150, 200, 100},
        {149, 100, 50},
        {125, 100, 50},
        {100, 100, 50},
        {85, 100, 20},
        {80, 50, 20},
        {75, 50, 20},
        {50, 50, 10},
        {40, 20, 5},
        {30, 20, 5},
        {25, 20, 5},
        {24, 5, 2},
        {10, 5, 2},
    };
    for (const Case& c : cases) {
        // An inch at the zoom, as the view's mapping gives it.
        const int inch = 96 * c.zoom / 100;
        EXPECT_EQ(RulerTickStep(inch, 96, false), c.inches) << c.zoom << " % inches";
        EXPECT_EQ(RulerTickStep(inch, 96, true), c.centimetres) << c.zoom << " % centimetres";
    }
}

TEST(RulerScale, InchTicksEveryTenthWithHalvesAndNumberedInches)
{
    // Two inches at step 100: a tick every tenth, 5 pixels at the half,
    // numbered at each whole inch; none at the page's far end.
    const std::vector<RulerTick> ticks = RulerTicks(2880, 100, false);
    ASSERT_EQ(ticks.size(), 20u);
    for (size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_EQ(ticks[i].twips, static_cast<int32_t>(i * 144)) << i;
        const int length = i % 10 == 0 ? 12 : i % 5 == 0 ? 5 : 2;
        EXPECT_EQ(ticks[i].length, length) << i;
        EXPECT_EQ(ticks[i].number, i % 10 == 0 ? static_cast<int>(i / 10) : -1) << i;
    }
    // At step 50 a tick every fifth of an inch, numbers every inch.
    const std::vector<RulerTick> coarse = RulerTicks(2880, 50, false);
    ASSERT_EQ(coarse.size(), 10u);
    EXPECT_EQ(coarse[1].twips, 288);
    EXPECT_EQ(coarse[5].number, 1);
    EXPECT_EQ(coarse[5].twips, 1440);
}

TEST(RulerScale, CentimetreTicksEveryMillimetre)
{
    // 1800 twips (3.17 cm) at step 100: millimetres, half at 5 mm, each
    // centimetre numbered.
    const std::vector<RulerTick> ticks = RulerTicks(1800, 100, true);
    ASSERT_EQ(ticks.size(), 31u);
    EXPECT_EQ(ticks[1].twips, 56); // 144 x 100 / 254
    EXPECT_EQ(ticks[5].length, 5);
    EXPECT_EQ(ticks[10].twips, 566);
    EXPECT_EQ(ticks[10].number, 1);
    EXPECT_EQ(ticks[20].number, 2);
    EXPECT_EQ(ticks[3].length, 2);
    EXPECT_TRUE(RulerTicks(0, 100, true).empty());
    EXPECT_TRUE(RulerTicks(1440, 0, false).empty());
}

TEST(RulerScale, NumbersShowTheirLastTwoDigits)
{
    struct Case {
        int number;
        int tens;
        int ones;
    } cases[] = {{0, -1, 0}, {7, -1, 7}, {12, 1, 2}, {99, 9, 9}, {100, -1, 0}, {103, -1, 3}, {117, 1, 7}};
    for (const Case& c : cases) {
        const RulerDigits d = RulerNumberDigits(c.number);
        EXPECT_EQ(d.tens, c.tens) << c.number;
        EXPECT_EQ(d.ones, c.ones) << c.number;
    }
}

} // namespace
