// Recording the main frame's placement and its bars into the user settings
// block when the frame closes, from plain rectangles and flags that the
// frame reads off its windows.
#pragma once

#include "forms/app/program/user_settings.h"

#include <array>
#include <optional>

// What the main frame reports of itself as it closes. A bar without a
// window (the tip viewer when there are no tutorial tips) is left out.
struct MainWindowState {
    bool iconic = false;
    bool zoomed = false;
    SettingsRect rect;
    std::array<std::optional<BarSettings>, kSettingsBarCount> bars;
};

// Takes the minimised and maximised flags unless `keepWindow`; the window
// rectangle only when the window is neither, so that a maximised close keeps
// the last normal rectangle; and the bars only when the window is not
// minimised, whose bars report nothing useful.
void SaveWindowState(USERSETTINGS& settings, const MainWindowState& window, bool keepWindow);
