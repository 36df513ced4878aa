// The 12-byte character format. Only its fields are declared here; the
// format itself is built with its own deliverable.
#pragma once

#include <cstdint>

class TEXTATTR {
public:
    uint8_t bold = 0;
    uint8_t italic = 0;
    uint8_t strike = 0;
    uint8_t underline = 0;
    uint32_t colour = 0;
    uint16_t face = 0;
    uint16_t size = 0;
};
