// The list of open child frames that a multi-document frame's Window menu
// carries below its own items: "&1 <title>", "&2 <title>"... up to nine, in
// the order the frames were opened, the active one checked; choosing one
// activates it.
#pragma once

class QMenu;

namespace ui {

class MainFrame;

// Brings the list in `menu` up to date with the frame's children now and
// each time the menu opens. The menu must not outlive the frame.
void ShowWindowList(QMenu& menu, MainFrame& frame);

// Replaces the list in `menu` (a separator and an item for each of the
// first nine child frames) with the frame's children as they stand.
void UpdateWindowList(QMenu& menu, MainFrame& frame);

} // namespace ui
