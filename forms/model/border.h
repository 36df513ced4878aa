// The line attribute of a form object (style, width, line type, colour,
// rounding). Only the members that the object base uses are declared here;
// the border itself is built with its own deliverable.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

class VIEWDC;

class BORDER {
public:
    // The rectangle through the outer (inner) edges of the border's bars,
    // in logical units; the rectangle itself when the line type is 0.
    void GetOuterRect(VIEWDC& dc, RECT& rect) const;
    void GetInnerRect(VIEWDC& dc, RECT& rect) const;

    uint8_t style = 1;
    uint16_t width = 20;
    uint16_t lineType = 1;
    uint32_t colour = 0;
    uint32_t roundedFlag = 0;
    uint32_t reserved = 0;
    uint16_t rounding = 0;
};
