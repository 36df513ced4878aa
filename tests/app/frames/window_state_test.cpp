#include "forms/app/frames/window_state.h"

#include <gtest/gtest.h>

namespace {

USERSETTINGS Stored()
{
    USERSETTINGS block;
    block.winTop = 10;
    block.winLeft = 20;
    block.winWidth = 700;
    block.winHeight = 500;
    for (BarSettings& bar : block.bars)
        bar = {true, false, {1, 2, 3, 4}};
    return block;
}

MainWindowState Window(bool iconic, bool zoomed)
{
    MainWindowState window {iconic, zoomed, {100, 50, 900, 650}, {}};
    for (auto& bar : window.bars)
        bar = BarSettings {false, true, {5, 6, 70, 80}};
    return window;
}

} // namespace

TEST(WindowStateTest, ThePlacementTakenDependsOnTheWindowsState)
{
    struct Case {
        const char* label;
        bool iconic, zoomed, keepWindow;
        bool takesRect, takesFlags, takesBars;
    };
    const Case cases[] = {
        {"normal", false, false, false, true, true, true},
        {"maximised keeps the last normal rectangle", false, true, false, false, true, true},
        {"minimised leaves rectangle and bars", true, false, false, false, true, false},
        {"minimised and maximised", true, true, false, false, true, false},
        {"window kept", false, false, true, false, false, true},
        {"window kept while minimised", true, false, true, false, false, false},
    };
    for (const Case& c : cases) {
        USERSETTINGS block = Stored();
        SaveWindowState(block, Window(c.iconic, c.zoomed), c.keepWindow);

        const USERSETTINGS before = Stored();
        EXPECT_EQ(block.winLeft, c.takesRect ? 100 : before.winLeft) << c.label;
        EXPECT_EQ(block.winTop, c.takesRect ? 50 : before.winTop) << c.label;
        EXPECT_EQ(block.winWidth, c.takesRect ? 800 : before.winWidth) << c.label;
        EXPECT_EQ(block.winHeight, c.takesRect ? 600 : before.winHeight) << c.label;
        EXPECT_EQ(block.appMinimized, c.takesFlags && c.iconic) << c.label;
        EXPECT_EQ(block.appMaximized, c.takesFlags && c.zoomed) << c.label;
        for (const BarSettings& bar : block.bars)
            EXPECT_EQ(bar, c.takesBars ? *Window(false, false).bars[0] : before.bars[0]) << c.label;
    }
}

TEST(WindowStateTest, ABarWithoutAWindowKeepsItsEntries)
{
    USERSETTINGS block = Stored();
    MainWindowState window = Window(false, false);
    window.bars[static_cast<int>(SettingsBar::Tipviewer)].reset();
    SaveWindowState(block, window, false);
    EXPECT_EQ(block.Bar(SettingsBar::Tipviewer), Stored().Bar(SettingsBar::Tipviewer));
    EXPECT_EQ(block.Bar(SettingsBar::TextTool), *window.bars[0]);
}
