#include "forms/app/program/user_settings.h"

#include "platform/settings/profile.h"

#include <string>

namespace {

constexpr char kSection[] = "UserSettings";

// Screen coordinates and sizes stay within what a window system can place
// (16-bit, as X11 keeps them); anything beyond comes from a damaged file.
constexpr int kMaxCoordinate = 32767;

constexpr const char* kBarNames[kSettingsBarCount] = {"StandardTB", "Factory", "Tipviewer", "TextTool"};

int ReadRanged(const settings::Profile& profile, const std::string& key, int defaultValue, int low, int high)
{
    const int value = profile.GetInt(kSection, key, defaultValue);
    return value < low || value > high ? defaultValue : value;
}

bool ReadFlag(const settings::Profile& profile, const std::string& key, bool defaultValue)
{
    return ReadRanged(profile, key, defaultValue ? 1 : 0, 0, 1) == 1;
}

int ReadCoordinate(const settings::Profile& profile, const std::string& key, int defaultValue)
{
    return ReadRanged(profile, key, defaultValue, -kMaxCoordinate, kMaxCoordinate);
}

// A bar rectangle that is turned inside out is dropped whole.
SettingsRect ReadRect(const settings::Profile& profile, const std::string& prefix)
{
    const SettingsRect rect {ReadCoordinate(profile, prefix + "Left", 0), ReadCoordinate(profile, prefix + "Top", 0),
        ReadCoordinate(profile, prefix + "Right", 0), ReadCoordinate(profile, prefix + "Bottom", 0)};
    if (rect.right < rect.left || rect.bottom < rect.top)
        return {};
    return rect;
}

int NinetyPercent(int size)
{
    return size > 0 ? static_cast<int>(static_cast<long long>(size) * 9 / 10) : 0;
}

} // namespace

void USERSETTINGS::Load(const settings::Profile& profile, DesktopSize desktop)
{
    winTop = ReadCoordinate(profile, "WinTop", 0);
    winLeft = ReadCoordinate(profile, "WinLeft", 0);
    const int defaultWidth = NinetyPercent(desktop.width);
    const int defaultHeight = NinetyPercent(desktop.height);
    winWidth = ReadRanged(profile, "WinWidth", defaultWidth, 1, kMaxCoordinate);
    winHeight = ReadRanged(profile, "WinHeight", defaultHeight, 1, kMaxCoordinate);
    appMaximized = ReadFlag(profile, "AppMaximized", false);
    appMinimized = ReadFlag(profile, "AppMinimized", false);
    largeButtons = ReadFlag(profile, "LargeButtons", false);
    colorButtons = ReadFlag(profile, "ColorButtons", true);
    showToolTips = ReadFlag(profile, "ShowToolTips", true);
    inches = ReadRanged(profile, "Inches", 0, 0, 1);
    checkBoxOutlines = ReadFlag(profile, "CheckBoxOutlines", true);
    showBaselines = ReadFlag(profile, "ShowBaselines", true);
    showMargins = ReadFlag(profile, "ShowMargins", true);
    for (int i = 0; i < kSettingsBarCount; ++i) {
        const std::string name = kBarNames[i];
        bars[i].show = ReadFlag(profile, name + "Show", true);
        bars[i].floating = ReadFlag(profile, name + "Floating", false);
        bars[i].rect = ReadRect(profile, name);
    }
}

bool USERSETTINGS::Save(settings::Profile& profile) const
{
    bool written = true;
    auto write
        = [&](const std::string& key, int value) { written = profile.WriteInt(kSection, key, value) && written; };
    write("WinTop", winTop);
    write("WinLeft", winLeft);
    write("WinWidth", winWidth);
    write("WinHeight", winHeight);
    write("AppMaximized", appMaximized);
    write("AppMinimized", appMinimized);
    write("LargeButtons", largeButtons);
    write("ColorButtons", colorButtons);
    write("ShowToolTips", showToolTips);
    write("Inches", inches);
    write("CheckBoxOutlines", checkBoxOutlines);
    write("ShowBaselines", showBaselines);
    write("ShowMargins", showMargins);
    for (int i = 0; i < kSettingsBarCount; ++i) {
        const std::string name = kBarNames[i];
        write(name + "Show", bars[i].show);
        write(name + "Floating", bars[i].floating);
        write(name + "Left", bars[i].rect.left);
        write(name + "Top", bars[i].rect.top);
        write(name + "Right", bars[i].rect.right);
        write(name + "Bottom", bars[i].rect.bottom);
    }
    return written;
}
