// The Window menu's own commands beyond cascading and tiling: a new window
// on the active form, and minimised windows lined up along the bottom.
#pragma once

class FFRAME;

namespace ui {
class Frame;
}

// A second (third...) child frame on the active child frame's document,
// showing its design view; the frames of one document are titled
// "<title>:1", "<title>:2"... Null without an active document.
ui::Frame* OpenNewWindow(FFRAME& main);
// The minimised child frames, side by side from the bottom-left corner of
// the client area.
void ArrangeIcons(FFRAME& main);
// Every child frame showing the frame's document takes its title again.
void RetitleFramesOf(FFRAME& main, const void* document);
