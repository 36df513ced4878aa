// Modal tracking (moving, sizing, pressing a button): a nested event loop
// that holds the mouse and keyboard and gives the tracking code the moves,
// the button release, the right button, Escape and the loss of capture,
// while paints and timers go on.
#pragma once

#include <QPoint>
#include <Qt>

#include <functional>

class QWidget;

namespace ui {

enum class TrackKind { Move, Release, RightButton, Escape, CaptureLost };

struct TrackEvent {
    TrackKind kind;
    QPoint pos;  // in the tracking window's coordinates (moves and buttons)
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;
};

// Returns true to go on tracking, false to end the loop.
using TrackHandler = std::function<bool(const TrackEvent&)>;

// Runs until the handler returns false, or the capture is lost (the window
// hidden or destroyed, or the application deactivated), which the handler
// is told and which always ends the loop. Mouse input to any window goes to
// the handler meanwhile; other keys than Escape go on as usual. Returns the
// kind of the event that ended the loop. An exception from the handler ends
// the loop and is rethrown here.
TrackKind RunTrackingLoop(QWidget& window, const TrackHandler& handler);

} // namespace ui
