// The face of a drop-down button: a framed three-dimensional box with a
// down arrow sized to the button. List fields draw their button with it.
#pragma once

#include "forms/model/geometry.h"

class VIEWDC;

// The width of the arrow drawn in a button so many device pixels wide: 0
// (none) up to 7 pixels, then 5, 7 and from 26 pixels 11.
int IconBoxArrowWidth(int buttonPixels);

// Draws the button over the rectangle (logical units, the context's origin
// already taken off): the button face, black along the bottom and right,
// the highlight along the top and left and the shadow inside the bottom
// and right, one device pixel each, and the arrow centred. Nothing on a
// printer.
void DrawIconBox(VIEWDC& dc, const RECT& rect);
