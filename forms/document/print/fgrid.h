// The design grid of a page layout: whether snapping is on, the spacing on
// each axis and the origin, in twips, with its records in the form file.
#pragma once

#include <cstdint>

class RECORDARCHIVE;

class FGRID {
public:
    uint16_t on = 1;
    uint16_t spacingX = 72;
    uint16_t spacingY = 72;
    int32_t originX = 0;
    int32_t originY = 0;

    // The group of the given tag with record 150; 1 when written.
    int Write(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group (its tag already read): record 150, or the older 149
    // that holds no origins.
    void Read(RECORDARCHIVE& ar);
};
