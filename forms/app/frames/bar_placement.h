// Where the main frame puts its tool bars at start-up: the order in which
// they are docked and the side each docks to, worked out from the placement
// the user settings kept for the bar and the main window.
#pragma once

#include "forms/app/program/user_settings.h"

#include "platform/ui/bar_state.h"

#include <vector>

// The bars by their placement number.
enum class PlacedBar { Standard = 1, Design = 2, Text = 3, Tipviewer = 4 };

struct BarPlacement {
    PlacedBar bar;
    BarSettings settings;
};

// The four bars, sorted by their saved top edge, the highest first (ties
// keep the order standard, design, text, tip viewer).
std::vector<BarPlacement> BarPlacementOrder(const USERSETTINGS& settings);

// The side a docked bar goes to. A bar wider than tall docks at the top, or
// at the bottom when it lay no farther from the window's bottom than from its
// top. A bar at least as tall as wide docks, when it is the design bar, at
// the left, or at the right when it lay no farther from the window's right
// than from its left; other bars at the top.
ui::DockSide DockSideFor(PlacedBar bar, const SettingsRect& barRect, const SettingsRect& window);

// The bar's state to apply: shown or hidden, floated at its saved top-left
// corner, or docked at DockSideFor.
ui::BarState BarStateFor(const BarPlacement& placement, const SettingsRect& window);

// The main window's rectangle as the settings keep it.
SettingsRect SavedWindowRect(const USERSETTINGS& settings);
