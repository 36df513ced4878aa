// Dragging data out of a window: the drop effects, the key state that goes
// with a drag, the one function that runs a drag, and the hook by which
// tests run drags without Qt's modal loop.
#pragma once

#include <QPoint>
#include <Qt>

#include <functional>
#include <vector>

class QWidget;

namespace ui {

class DataSource;

// Drop effects, as a mask of what a source allows and one value as a
// result.
inline constexpr unsigned kDropNone = 0;
inline constexpr unsigned kDropCopy = 1;
inline constexpr unsigned kDropMove = 2;

// Key state bits of a drag.
inline constexpr unsigned kDragLButton = 0x01;
inline constexpr unsigned kDragRButton = 0x02;
inline constexpr unsigned kDragShift = 0x04;
inline constexpr unsigned kDragControl = 0x08;
inline constexpr unsigned kDragMButton = 0x10;
inline constexpr unsigned kDragAlt = 0x20;

unsigned KeyStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// Drags the data from the source window, the pointer at start (window
// coordinates) until it is dropped or given up; answers the effect the
// target took: none, copy or move.
unsigned DoDragDrop(QWidget& source, QPoint start, const DataSource& data, unsigned allowed);

// Tests replace the modal loop: the hook runs the drag and answers the
// effect. An empty hook gives the loop back; returns the previous hook.
using DragHook = std::function<unsigned(QWidget& source, QPoint start, const DataSource& data, unsigned allowed)>;
DragHook SetDragHook(DragHook hook);

// One step of a scripted drag: the pointer over a window (its
// coordinates), the drop there, or giving up.
struct ScriptedDragStep {
    enum Kind { Over, Drop, Cancel };
    Kind kind;
    QWidget* target;
    QPoint pos;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

// Sends the steps as Qt's drag events with the data to the windows, as a
// real drag would (enter and leave where the window changes, the drop only
// where the last move was accepted); answers the effect of the drop.
unsigned SendScriptedDrag(const DataSource& data, unsigned allowed, const std::vector<ScriptedDragStep>& steps);

// A hook that takes the mouse input already posted to windows as the
// script: each move is a step over the window it is addressed to, the left
// button's release the drop, Escape or the right button gives up. The drag starts over the
// source at the start point.
unsigned DragByPostedInput(QWidget& source, QPoint start, const DataSource& data, unsigned allowed);

} // namespace ui
