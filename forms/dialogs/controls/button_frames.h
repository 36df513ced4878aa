// The frames the owner-drawn buttons share: a polyline in one colour, the
// swatches' sunken frame and their selection frame.
#pragma once

#include "platform/gdi/dc.h"

#include <initializer_list>

// A polyline one pixel wide through the points.
void FrameLine(gdi::DC& dc, gdi::COLORREF colour, std::initializer_list<gdi::POINT> points);
// The sunken frame of a swatch: shadow and black on the left and top,
// button face and white on the right and bottom.
void DrawSunkenFrame(gdi::DC& dc, const gdi::RECT& r);
// A selected swatch's frames inside: button face 2 pixels in, black 3 in.
void DrawSelectionFrame(gdi::DC& dc, const gdi::RECT& r);
