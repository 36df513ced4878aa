// The corners a shadow can fall towards, as the Shadow dialog and page
// offer them: a button, its icon and the offsets (twips) it writes.
#pragma once

#include <array>
#include <cstdint>

struct ShadowCorner {
    uint16_t control;
    uint16_t icon;
    int16_t x;
    int16_t y;
};

inline constexpr std::array<ShadowCorner, 5> kShadowCorners {{
    {1295, 2047, 0, 0}, // "None"
    {1067, 2048, -90, -90}, // "TL"
    {1296, 2049, 90, -90}, // "TR"
    {1068, 2050, -90, 90}, // "BL"
    {1069, 2051, 90, 90}, // "BR"
}};

// The corner (index into kShadowCorners) that offsets fall towards, by
// their signs: none for 0/0, else up for y < 0 and left for x < 0.
int ShadowCornerOf(int16_t x, int16_t y);
// The corner of a button, or -1.
int ShadowCornerOfControl(int control);
