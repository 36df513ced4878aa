// The drop shadow of a form object: a colour and two signed offsets in
// twips whose signs say towards which corner it falls (both 0: no shadow);
// its record group and its drawing behind rectangles and ellipses.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

class RECORDARCHIVE;
class VIEWDC;

class SHADOW {
public:
    void Copy(const SHADOW& other) { *this = other; }
    bool IsEqual(const SHADOW& other) const { return colour == other.colour && x == other.x && y == other.y; }
    bool IsNone() const { return x == 0 && y == 0; }

    // The group: the tag, record 0x81 (colour, y offset, x offset), 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group's records up to 0xFF (its tag already read).
    void Load(RECORDARCHIVE& ar);

    // The shadow of a rectangle (logical units), or of a rounded rectangle
    // when the rounding (twips) is not 0: the moved shape less the object.
    void Draw(VIEWDC& dc, const RECT& rect, int32_t rounding) const;
    // The shadow of the ellipse inscribed in the rectangle.
    void DrawEllipse(VIEWDC& dc, const RECT& rect) const;

    uint32_t colour = 0;
    int16_t x = 0;
    int16_t y = 0;
};
