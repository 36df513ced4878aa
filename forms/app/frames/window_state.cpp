#include "forms/app/frames/window_state.h"

void SaveWindowState(USERSETTINGS& settings, const MainWindowState& window, bool keepWindow)
{
    if (!keepWindow) {
        settings.appMinimized = window.iconic;
        settings.appMaximized = window.zoomed;
        if (!window.iconic && !window.zoomed) {
            settings.winTop = window.rect.top;
            settings.winLeft = window.rect.left;
            settings.winWidth = window.rect.right - window.rect.left;
            settings.winHeight = window.rect.bottom - window.rect.top;
        }
    }
    if (window.iconic)
        return;
    for (int i = 0; i < kSettingsBarCount; ++i) {
        if (window.bars[i])
            settings.bars[i] = *window.bars[i];
    }
}
