// Cursors and mouse capture as the program's windows use them: a window's
// cursor, the wait cursor while work goes on, and one window at a time
// holding the mouse so that every mouse event goes to it.
#pragma once

#include <QCursor>

class QWidget;

namespace ui {

void SetCursor(QWidget& window, const QCursor& cursor);

// The standard cursors, for code that does not reach the toolkit itself.
// SplitH and SplitV: the cursors over a line dragged across (left and right,
// up and down).
enum class StandardCursor {
    Arrow,
    SizeNWSE,
    SizeNESW,
    SizeNS,
    SizeWE,
    SizeAll,
    DragMove,
    NotAllowed,
    Cross,
    SplitH,
    SplitV
};
void SetCursor(QWidget& window, StandardCursor cursor);

// Shows the wait cursor over every window for its lifetime; nests.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Sends every mouse press, move, release and double click to the window
// (in its coordinates) until released; returns the window that held the
// capture before, or null.
QWidget* SetCapture(QWidget& window);
void ReleaseCapture();
// The window holding the capture; null after it is released or destroyed.
QWidget* GetCapture();

// Holds the mouse for a window while it lives.
class ScopedCapture {
public:
    explicit ScopedCapture(QWidget& window) { SetCapture(window); }
    ~ScopedCapture() { ReleaseCapture(); }
    ScopedCapture(const ScopedCapture&) = delete;
    ScopedCapture& operator=(const ScopedCapture&) = delete;
};

} // namespace ui
