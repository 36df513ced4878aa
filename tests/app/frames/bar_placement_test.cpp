#include "forms/app/frames/bar_placement.h"

#include <gtest/gtest.h>

namespace {

TEST(BarPlacementTest, DockSideFollowsShapeAndNearerEdge)
{
    const SettingsRect window {0, 0, 800, 600};
    struct Case {
        PlacedBar bar;
        SettingsRect rect;
        ui::DockSide side;
    };
    const Case cases[] = {
        // The default all-zero rectangle counts as taller than wide.
        {PlacedBar::Standard, {0, 0, 0, 0}, ui::DockSide::Top},
        {PlacedBar::Design, {0, 0, 0, 0}, ui::DockSide::Left},
        {PlacedBar::Text, {0, 0, 0, 0}, ui::DockSide::Top},
        // Wide bars: top unless nearer the bottom (a tie goes to the bottom).
        {PlacedBar::Text, {0, 40, 500, 66}, ui::DockSide::Top},
        {PlacedBar::Text, {0, 540, 500, 566}, ui::DockSide::Bottom},
        {PlacedBar::Text, {0, 287, 500, 313}, ui::DockSide::Bottom},
        {PlacedBar::Design, {0, 560, 500, 586}, ui::DockSide::Bottom},
        // Tall bars: the design bar left or right, the others at the top.
        {PlacedBar::Standard, {700, 0, 726, 500}, ui::DockSide::Top},
        {PlacedBar::Text, {700, 0, 726, 500}, ui::DockSide::Top},
        {PlacedBar::Design, {10, 60, 36, 500}, ui::DockSide::Left},
        {PlacedBar::Design, {760, 60, 786, 500}, ui::DockSide::Right},
        {PlacedBar::Design, {387, 60, 413, 500}, ui::DockSide::Right},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DockSideFor(c.bar, c.rect, window), c.side)
            << static_cast<int>(c.bar) << " " << c.rect.left << "," << c.rect.top;
}

TEST(BarPlacementTest, BarsAreDockedInTheOrderTheyLay)
{
    USERSETTINGS settings;
    settings.Bar(SettingsBar::Standard).rect.top = 60;
    settings.Bar(SettingsBar::Factory).rect.top = 30;
    settings.Bar(SettingsBar::TextTool).rect.top = 30;
    settings.Bar(SettingsBar::Tipviewer).rect.top = 0;
    std::vector<PlacedBar> order;
    for (const BarPlacement& placement : BarPlacementOrder(settings))
        order.push_back(placement.bar);
    EXPECT_EQ(
        order, std::vector<PlacedBar>({PlacedBar::Tipviewer, PlacedBar::Design, PlacedBar::Text, PlacedBar::Standard}));
}

TEST(BarPlacementTest, StateFloatsAtTheSavedCornerOrDocksAndHides)
{
    const SettingsRect window {0, 0, 800, 600};
    const ui::BarState floating = BarStateFor({PlacedBar::Design, {true, true, {500, 300, 700, 326}}}, window);
    EXPECT_TRUE(floating.floating);
    EXPECT_TRUE(floating.visible);
    EXPECT_EQ(floating.rect.topLeft(), QPoint(500, 300));
    EXPECT_EQ(floating.rect.size(), QSize(200, 26));

    const ui::BarState hidden = BarStateFor({PlacedBar::Text, {false, false, {0, 560, 500, 586}}}, window);
    EXPECT_FALSE(hidden.visible);
    EXPECT_FALSE(hidden.floating);
    EXPECT_EQ(hidden.side, ui::DockSide::Bottom);
}

} // namespace
