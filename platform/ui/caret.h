// The state of a window's caret: its size and place in device units, a
// hide count as the system caret keeps one (made hidden; each Hide needs a
// Show), and the blink phase.
#pragma once

#include "platform/gdi/types.h"

namespace ui {

class Caret {
public:
    // Makes the caret, hidden, at (0, 0); a caret made anew replaces the old.
    void Create(int width, int height);
    void Destroy();
    bool Exists() const { return exists_; }

    void SetPos(int x, int y);
    gdi::POINT GetPos() const { return pos_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The caret's rectangle in device units.
    gdi::RECT Rect() const;

    void Hide();
    void Show();
    // Made, and shown as often as hidden.
    bool IsShown() const { return exists_ && hideCount_ == 0; }

    // The blink phase: on after every change, toggled by the blink timer.
    bool BlinkOn() const { return blinkOn_; }
    void ToggleBlink() { blinkOn_ = !blinkOn_; }
    void RestartBlink() { blinkOn_ = true; }

private:
    bool exists_ = false;
    int width_ = 0;
    int height_ = 0;
    gdi::POINT pos_ {0, 0};
    int hideCount_ = 0;
    bool blinkOn_ = true;
};

} // namespace ui
