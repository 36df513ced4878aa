// A push button that its owner draws: a child window with a surface of its
// own, drawn through a callback whenever it is shown or invalidated, that
// reports clicks and never takes the focus from the window that has it.
#pragma once

#include "platform/gdi/types.h"

#include <functional>
#include <memory>

class QWidget;

namespace gdi {
class DC;
}

namespace ui {

class OwnerDrawButton {
public:
    // Draws the whole button on a context in its device units; the
    // rectangle is its client area.
    using DrawHandler = std::function<void(gdi::DC& dc, const gdi::RECT& client)>;

    // Shown, over the rectangle of the parent (device units).
    OwnerDrawButton(QWidget* parent, int id, const gdi::RECT& rect, DrawHandler draw);
    ~OwnerDrawButton();
    OwnerDrawButton(const OwnerDrawButton&) = delete;
    OwnerDrawButton& operator=(const OwnerDrawButton&) = delete;

    // Called when the left button is pressed and released over the button.
    void SetClickHandler(std::function<void()> handler);
    void MoveWindow(const gdi::RECT& rect);
    gdi::RECT GetWindowRect() const;
    // Draws anew, from the event loop.
    void Invalidate();
    int GetDlgCtrlID() const { return id_; }
    QWidget* GetWidget() const;

private:
    class Widget;
    struct Guard;
    std::unique_ptr<Guard> guard_;
    int id_;
};

} // namespace ui
