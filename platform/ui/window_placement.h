// A top-level or child window's placement as plain data (its normal
// rectangle and whether it is minimised or maximised), so that the program
// can store it and put the window back where it was.
#pragma once

#include <QRect>

class QWidget;

namespace ui {

enum class WindowState { Normal, Minimized, Maximized };

// How to show a window.
enum class ShowCmd { Hide, Show, Normal, Minimized, Maximized };

struct WindowPlacement {
    // The rectangle the window has when neither minimised nor maximised:
    // screen coordinates for a top-level window, the parent's otherwise.
    QRect normal;
    WindowState state = WindowState::Normal;

    bool operator==(const WindowPlacement&) const = default;
};

WindowPlacement GetWindowPlacement(const QWidget& window);
// Gives the window its normal rectangle and shows it in the state.
void SetWindowPlacement(QWidget& window, const WindowPlacement& placement);
void ShowWindow(QWidget& window, ShowCmd cmd);

} // namespace ui
