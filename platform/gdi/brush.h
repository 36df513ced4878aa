// A brush: solid, hatched, a monochrome pattern (0 bits take the text
// colour, 1 bits the background colour), or null.
#pragma once

#include "platform/gdi/bitmap.h"
#include "platform/gdi/types.h"

namespace gdi {

struct Brush {
    int style = BS_SOLID;
    COLORREF colour = 0; // solid and hatched brushes
    int hatch = 0; // HS_ value of a hatched brush
    Bitmap pattern; // monochrome pattern of a pattern brush, 8×8 unless whole

    static Brush Solid(COLORREF colour) { return {BS_SOLID, colour, 0, {}}; }
    static Brush Hatched(int hatch, COLORREF colour) { return {BS_HATCHED, colour, hatch, {}}; }
    // Only the top-left 8×8 pixels of the bitmap are used, as GDI does.
    static Brush Pattern(const Bitmap& bitmap);
    // A pattern of the whole monochrome bitmap, whatever its size: a pattern
    // scaled to a printer's dots fills a shape in one call.
    static Brush WholePattern(const Bitmap& bitmap);
    static Brush Null() { return {BS_NULL, 0, 0, {}}; }

    bool IsNull() const { return style == BS_NULL; }
    friend bool operator==(const Brush&, const Brush&) = default;
};

// WHITE_BRUSH, BLACK_BRUSH or NULL_BRUSH; any other value gives the white brush.
Brush GetStockBrush(int which);

// The 8×8 bits of a hatch style: set bits are the hatch lines.
Bitmap HatchBits(int hatch);

} // namespace gdi
