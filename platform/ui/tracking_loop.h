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
    QPoint pos; // in the tracking window's coordinates (moves and buttons)
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

// What a drag makes of one event: go on, end it (a drop, or the end of the
// input), or give it up.
enum class DragStep { Continue, End, Cancel };

// A drag in a few steps: Begin before the first event, Step for every event
// of the loop, then End or Cancel as the last step said. Step needs no loop
// or window, so tests feed it events directly.
class Drag {
public:
    virtual ~Drag() = default;
    virtual void Begin() = 0;
    virtual DragStep Step(const TrackEvent& event) = 0;
    virtual void End() = 0;
    virtual void Cancel() = 0;

protected:
    Drag() = default;
    Drag(const Drag&) = default;
    Drag& operator=(const Drag&) = default;
};

// Begins the drag and runs the tracking loop over its steps until one ends
// or cancels it, then calls End or Cancel. A loop that stops without the
// drag's word (a loss of capture that Step would go on through, the window
// gone) ends the drag; an exception from a step cancels it and goes on up.
// Returns the kind of the event that ended the loop.
TrackKind RunDrag(QWidget& window, Drag& drag);

} // namespace ui
