// A pen: style, width in logical units and colour. Width 0 is one device pixel.
#pragma once

#include "platform/gdi/types.h"

namespace gdi {

struct Pen {
    int style = PS_SOLID;
    int width = 0;
    COLORREF colour = 0;

    static Pen Solid(int width, COLORREF colour) { return {PS_SOLID, width, colour}; }
    // A dotted pen is always one pixel wide.
    static Pen Dotted(COLORREF colour) { return {PS_DOT, 0, colour}; }
    // The stroke of a closed shape lies inside the shape's bounds.
    static Pen InsideFrame(int width, COLORREF colour) { return {PS_INSIDEFRAME, width, colour}; }
    static Pen Null() { return {PS_NULL, 0, 0}; }

    bool IsNull() const { return style == PS_NULL; }
    friend bool operator==(const Pen&, const Pen&) = default;
};

// BLACK_PEN, WHITE_PEN or NULL_PEN; any other value gives the black pen.
Pen GetStockPen(int which);

} // namespace gdi
