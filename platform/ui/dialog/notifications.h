// The notification codes that controls send their dialog with their id, as
// Windows sends them.
#pragma once

namespace ui {

// Buttons, check boxes and radio buttons: a click by the user (or Space).
constexpr unsigned BN_CLICKED = 0;

// Edits: the text changed (about to be shown, then shown), the focus came
// or went.
constexpr unsigned EN_SETFOCUS = 0x0100;
constexpr unsigned EN_KILLFOCUS = 0x0200;
constexpr unsigned EN_CHANGE = 0x0300;
constexpr unsigned EN_UPDATE = 0x0400;

// Combo boxes.
constexpr unsigned CBN_SELCHANGE = 1;
constexpr unsigned CBN_DBLCLK = 2;
constexpr unsigned CBN_SETFOCUS = 3;
constexpr unsigned CBN_KILLFOCUS = 4;
constexpr unsigned CBN_EDITCHANGE = 5;
constexpr unsigned CBN_EDITUPDATE = 6;
constexpr unsigned CBN_DROPDOWN = 7;
constexpr unsigned CBN_CLOSEUP = 8;
constexpr unsigned CBN_SELENDOK = 9;
constexpr unsigned CBN_SELENDCANCEL = 10;

// List boxes.
constexpr unsigned LBN_SELCHANGE = 1;
constexpr unsigned LBN_DBLCLK = 2;
constexpr unsigned LBN_SETFOCUS = 4;
constexpr unsigned LBN_KILLFOCUS = 5;

} // namespace ui
