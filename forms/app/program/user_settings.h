// The program-wide user settings block: the main window's placement, the
// placement and visibility of the four tool bars, the button style and the
// drawing preferences of the views, kept in the profile section
// "UserSettings".
#pragma once

#include <array>

namespace settings {
class Profile;
}

// A window rectangle in screen pixels.
struct SettingsRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const SettingsRect&) const = default;
};

// Whether a tool bar is shown, whether it floats, and where it stands.
struct BarSettings {
    bool show = true;
    bool floating = false;
    SettingsRect rect;

    bool operator==(const BarSettings&) const = default;
};

// The four bars, by their index in USERSETTINGS::bars.
enum class SettingsBar { Standard, Factory, Tipviewer, TextTool };
inline constexpr int kSettingsBarCount = 4;

// The desktop's size in pixels, from which the main window's default size
// is worked out.
struct DesktopSize {
    int width = 0;
    int height = 0;
};

class USERSETTINGS {
public:
    int winTop = 0;
    int winLeft = 0;
    int winWidth = 0;
    int winHeight = 0;
    bool appMaximized = false;
    bool appMinimized = false;
    bool largeButtons = false;
    bool colorButtons = true;
    bool showToolTips = true;
    int inches = 0; // 0 inches, 1 centimetres
    bool checkBoxOutlines = true;
    bool showBaselines = true;
    bool showMargins = true;
    std::array<BarSettings, kSettingsBarCount> bars;

    BarSettings& Bar(SettingsBar bar) { return bars[static_cast<int>(bar)]; }
    const BarSettings& Bar(SettingsBar bar) const { return bars[static_cast<int>(bar)]; }

    // Reads every entry; a missing, damaged or out-of-range value takes its
    // default. The main window defaults to 90 % of the desktop's size (0
    // for a desktop of no size).
    void Load(const settings::Profile& profile, DesktopSize desktop);
    // Writes every entry; false when any could not be written.
    bool Save(settings::Profile& profile) const;

    bool operator==(const USERSETTINGS&) const = default;
};
