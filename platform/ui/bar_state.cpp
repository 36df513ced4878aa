#include "platform/ui/bar_state.h"

#include <QMainWindow>
#include <QToolBar>

namespace ui {

namespace {

// Where the bar last docked, kept on the bar for when it floats.
constexpr const char* dockSideProperty = "ui_dock_side";

Qt::ToolBarArea AreaOf(DockSide side)
{
    switch (side) {
    case DockSide::Top:
        return Qt::TopToolBarArea;
    case DockSide::Bottom:
        return Qt::BottomToolBarArea;
    case DockSide::Left:
        return Qt::LeftToolBarArea;
    case DockSide::Right:
        return Qt::RightToolBarArea;
    }
    return Qt::TopToolBarArea;
}

DockSide SideOf(Qt::ToolBarArea area)
{
    switch (area) {
    case Qt::BottomToolBarArea:
        return DockSide::Bottom;
    case Qt::LeftToolBarArea:
        return DockSide::Left;
    case Qt::RightToolBarArea:
        return DockSide::Right;
    default:
        return DockSide::Top;
    }
}

// Shown, or to be shown with its window: not hidden on purpose.
bool IsShown(const QToolBar& bar)
{
    return !(bar.testAttribute(Qt::WA_WState_Hidden) && bar.testAttribute(Qt::WA_WState_ExplicitShowHide));
}

} // namespace

bool IsFloating(const QToolBar& bar)
{
    return bar.isWindow();
}

void DockBar(QMainWindow& frame, QToolBar& bar, DockSide side)
{
    bool shown = IsShown(bar);
    if (bar.isWindow())
        bar.setWindowFlags(Qt::Widget);
    frame.addToolBar(AreaOf(side), &bar);
    bar.setProperty(dockSideProperty, static_cast<int>(side));
    bar.setVisible(shown);
}

void FloatBar(QMainWindow& frame, QToolBar& bar, QPoint screenPos)
{
    bool shown = IsShown(bar);
    if (!bar.isWindow()) {
        if (frame.toolBarArea(&bar) != Qt::NoToolBarArea) {
            bar.setProperty(dockSideProperty, static_cast<int>(SideOf(frame.toolBarArea(&bar))));
            frame.removeToolBar(&bar);
        }
        // A tool window of the frame, as the bar would be had the user
        // dragged it out.
        bar.setParent(&frame, Qt::Tool | Qt::FramelessWindowHint);
        bar.setOrientation(Qt::Horizontal);
        bar.adjustSize();
    }
    bar.move(screenPos);
    bar.setVisible(shown);
}

BarState GetBarState(const QMainWindow& frame, const QToolBar& bar)
{
    BarState state;
    state.visible = IsShown(bar);
    state.floating = IsFloating(bar);
    if (state.floating) {
        QVariant side = bar.property(dockSideProperty);
        state.side = side.isValid() ? static_cast<DockSide>(side.toInt()) : DockSide::Top;
        state.rect = bar.geometry();
    } else {
        state.side = SideOf(frame.toolBarArea(&bar));
        state.rect = QRect(bar.mapToGlobal(QPoint(0, 0)), bar.size());
    }
    return state;
}

void SetBarState(QMainWindow& frame, QToolBar& bar, const BarState& state)
{
    if (state.floating)
        FloatBar(frame, bar, state.rect.topLeft());
    else
        DockBar(frame, bar, state.side);
    bar.setVisible(state.visible);
}

} // namespace ui
