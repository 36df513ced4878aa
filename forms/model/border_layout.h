// Where a border's bars lie in device units: the thickness of one line, the
// gap of a double line and the rings of bars around an object rectangle.
#pragma once

#include "forms/model/geometry.h"

#include <climits>
#include <cstdint>
#include <utility>
#include <vector>

class BORDER;
class VIEWDC;

struct BorderLayout {
    int32_t thickX = 1; // one line's thickness
    int32_t thickY = 1;
    int32_t gapX = 0; // between the lines of a double border
    int32_t gapY = 0;
    int32_t totalX = 1; // every line and gap together
    int32_t totalY = 1;
    int lines = 1;
    RECT device; // the object rectangle, relative to the scroll origin

    // Converts with the context's current (logical) mapping.
    static BorderLayout Make(const BORDER& border, VIEWDC& dc, const RECT& rect);

    // The outer edges of the outer ring of bars: straddling the rectangle's
    // edge when centred, else inside it.
    RECT OuterRing(bool centred) const;
    // The outer edges of ring i (0 outer, 1 inner of a double line).
    RECT Ring(int i, bool centred) const;
    // Through the inner edges of the innermost bars; never inverted.
    RECT InnerEdges(bool centred) const;
};

// A length in twips as a device vector along x and y, each at least 1.
std::pair<int32_t, int32_t> DeviceExtent(VIEWDC& dc, int32_t twips);
// A logical rectangle less the scroll origin, in device units, normalised.
RECT LogicalToDevice(VIEWDC& dc, const RECT& rect);
// A device rectangle back to logical units, plus the scroll origin.
RECT DeviceToLogical(VIEWDC& dc, const RECT& device);

// Whether a style draws its bars in dashes or dots rather than whole.
bool IsDashed(uint8_t style);

// The drawn units [start, end) of a bar from start to end in a dash style,
// each unit as long as `unit`: the pattern ends on a drawn unit, the first
// unit takes the excess, the last unit ends at the bar's end. Only the
// units that reach into [visibleFrom, visibleTo) are given, so that a
// huge bar costs no more than its visible part.
std::vector<std::pair<int32_t, int32_t>> DashUnits(uint8_t style, int32_t start, int32_t end, int32_t unit,
    int32_t visibleFrom = INT32_MIN, int32_t visibleTo = INT32_MAX);
