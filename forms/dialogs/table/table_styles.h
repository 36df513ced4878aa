// The four table styles the Table Properties dialog offers: each one's
// sample button, the bitmap it shows and the header bands it stands for.
#pragma once

#include <array>
#include <cstdint>

struct TableStyle {
    uint16_t control;
    uint16_t bitmap;
    bool columnHeaders;
    bool rowHeaders;
};

inline constexpr std::array<TableStyle, 4> kTableStyles {{
    {1216, 2026, true, false},
    {1217, 2025, false, true},
    {1218, 2024, true, true},
    {1219, 2023, false, false},
}};

// The style (index into kTableStyles) whose bands are these; every pair
// of flags has one.
int TableStyleOf(bool columnHeaders, bool rowHeaders);
// The style of a sample button, or -1.
int TableStyleOfControl(int control);
