// The selection tracker's program-wide resources: the cursor of each hit
// code, the hatch brush and dotted pen of its outlines, and the handle size
// that a tracker first set up takes from win.ini.
#pragma once

#include "platform/gdi/brush.h"
#include "platform/gdi/pen.h"
#include "platform/ui/cursor.h"

namespace settings {
class WinIni;
}

// Cursor codes beyond the handles 0 to 7 and the move code 8.
constexpr int kCursorMoveBorder = 9;
constexpr int kCursorNotAllowed = 10;
constexpr int kCursorCross = 11;

// The cursor of a hit code; the arrow for a code without one.
ui::StandardCursor TrackerCursor(int code);

// The 8 x 8 pattern of diagonal lines of hatched trackers.
gdi::Brush TrackerHatchBrush();
// The black dotted pen of outlines.
gdi::Pen TrackerDottedPen();

// [windows] "oleinplaceborderwidth", 4 when absent.
int TrackerBorderWidth(const settings::WinIni& ini);
// The same from the program's win.ini, read once.
int TrackerBorderWidth();
