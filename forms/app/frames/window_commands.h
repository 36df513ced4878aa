// The Window menu's own commands beyond tiling: cascading, a new window on
// the active form, and minimised windows lined up along the bottom.
#pragma once

#include <QRect>

#include <vector>

class FFRAME;

namespace ui {
class Frame;
}

// A second (third...) child frame on the active child frame's document,
// showing its design view; the frames of one document are titled
// "<title>:1", "<title>:2"... Null without an active document.
ui::Frame* OpenNewWindow(FFRAME& main);
// Where cascading puts `count` windows in a client area of `area`, each
// `step` pixels (a title bar) right of and below the one before: every
// window as large as the area less the steps of a staircase a third of the
// area's height deep; after a staircase's last step the next window starts
// again at the top-left corner.
std::vector<QRect> CascadeRects(QSize area, int count, int step);
// The child frames that are not minimised, restored to their normal size
// and stepped down from the client area's top-left corner, the active one
// last and on top.
void CascadeWindows(FFRAME& main);
// The minimised child frames, side by side from the bottom-left corner of
// the client area.
void ArrangeIcons(FFRAME& main);
// Every child frame showing the frame's document takes its title again.
void RetitleFramesOf(FFRAME& main, const void* document);
