// The Align page's radio buttons and the alignment byte each one sets.
#pragma once

#include <array>
#include <cstdint>

struct AlignChoice {
    int control;
    uint8_t value; // 0 left, 3 centre, 1 right, 4 justify
};
inline constexpr std::array<AlignChoice, 4> kAlignChoices {{
    {1240, 0},
    {1241, 3},
    {1242, 1},
    {1243, 4},
}};

// The radio of an alignment byte, or 0 for a byte no radio shows.
inline int AlignRadio(uint8_t value)
{
    for (const AlignChoice& c : kAlignChoices)
        if (c.value == value)
            return c.control;
    return 0;
}
