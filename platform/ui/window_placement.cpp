#include "platform/ui/window_placement.h"

#include <QWidget>

namespace ui {

WindowPlacement GetWindowPlacement(const QWidget& window)
{
    WindowPlacement placement;
    if (window.isMinimized())
        placement.state = WindowState::Minimized;
    else if (window.isMaximized())
        placement.state = WindowState::Maximized;
    // Qt keeps the normal rectangle of a minimised or maximised window apart.
    placement.normal = placement.state == WindowState::Normal ? window.geometry() : window.normalGeometry();
    if (!placement.normal.isValid())
        placement.normal = window.geometry();
    return placement;
}

void SetWindowPlacement(QWidget& window, const WindowPlacement& placement)
{
    if (window.isMinimized() || window.isMaximized())
        window.showNormal();
    window.setGeometry(placement.normal);
    switch (placement.state) {
    case WindowState::Normal:
        ShowWindow(window, ShowCmd::Normal);
        break;
    case WindowState::Minimized:
        ShowWindow(window, ShowCmd::Minimized);
        break;
    case WindowState::Maximized:
        ShowWindow(window, ShowCmd::Maximized);
        break;
    }
}

void ShowWindow(QWidget& window, ShowCmd cmd)
{
    switch (cmd) {
    case ShowCmd::Hide:
        window.hide();
        break;
    case ShowCmd::Show:
        window.show();
        break;
    case ShowCmd::Normal:
        window.showNormal();
        break;
    case ShowCmd::Minimized:
        window.showMinimized();
        break;
    case ShowCmd::Maximized:
        window.showMaximized();
        break;
    }
}

} // namespace ui
