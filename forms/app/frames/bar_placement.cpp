#include "forms/app/frames/bar_placement.h"

#include <algorithm>

std::vector<BarPlacement> BarPlacementOrder(const USERSETTINGS& settings)
{
    std::vector<BarPlacement> order = {
        {PlacedBar::Standard, settings.Bar(SettingsBar::Standard)},
        {PlacedBar::Design, settings.Bar(SettingsBar::Factory)},
        {PlacedBar::Text, settings.Bar(SettingsBar::TextTool)},
        {PlacedBar::Tipviewer, settings.Bar(SettingsBar::Tipviewer)},
    };
    std::stable_sort(order.begin(), order.end(),
        [](const BarPlacement& a, const BarPlacement& b) { return a.settings.rect.top < b.settings.rect.top; });
    return order;
}

ui::DockSide DockSideFor(PlacedBar bar, const SettingsRect& barRect, const SettingsRect& window)
{
    const long width = static_cast<long>(barRect.right) - barRect.left;
    const long height = static_cast<long>(barRect.bottom) - barRect.top;
    if (width > height) {
        const long toBottom = static_cast<long>(window.bottom) - barRect.bottom;
        const long fromTop = static_cast<long>(barRect.top) - window.top;
        return toBottom <= fromTop ? ui::DockSide::Bottom : ui::DockSide::Top;
    }
    if (bar != PlacedBar::Design)
        return ui::DockSide::Top;
    const long toRight = static_cast<long>(window.right) - barRect.right;
    const long fromLeft = static_cast<long>(barRect.left) - window.left;
    return toRight <= fromLeft ? ui::DockSide::Right : ui::DockSide::Left;
}

ui::BarState BarStateFor(const BarPlacement& placement, const SettingsRect& window)
{
    const SettingsRect& r = placement.settings.rect;
    ui::BarState state;
    state.visible = placement.settings.show;
    state.floating = placement.settings.floating;
    state.rect = QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    state.side = state.floating ? ui::DockSide::Top : DockSideFor(placement.bar, r, window);
    return state;
}

SettingsRect SavedWindowRect(const USERSETTINGS& settings)
{
    return {
        settings.winLeft, settings.winTop, settings.winLeft + settings.winWidth, settings.winTop + settings.winHeight};
}
