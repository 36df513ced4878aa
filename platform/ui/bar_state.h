// Docking a tool bar to a side of a frame's window or floating it at a
// screen point, and its placement as plain data (shown, floating, side,
// rectangle) that the program stores in its settings and gives back.
#pragma once

#include <QRect>

class QMainWindow;
class QToolBar;

namespace ui {

enum class DockSide { Top, Bottom, Left, Right };

struct BarState {
    bool visible = true;
    bool floating = false;
    // The side the bar docks to (for a floating bar: the side it last had).
    DockSide side = DockSide::Top;
    // The bar's window rectangle in screen pixels.
    QRect rect;

    bool operator==(const BarState&) const = default;
};

// Docks the bar (floating or not, in the window or not yet) to the side.
void DockBar(QMainWindow& frame, QToolBar& bar, DockSide side);
// Floats the bar in a small window of its own, its top-left corner at the
// screen point.
void FloatBar(QMainWindow& frame, QToolBar& bar, QPoint screenPos);
bool IsFloating(const QToolBar& bar);

BarState GetBarState(const QMainWindow& frame, const QToolBar& bar);
// Docks or floats the bar as the state says and shows or hides it.
void SetBarState(QMainWindow& frame, QToolBar& bar, const BarState& state);

} // namespace ui
