// The drop shadow of a form object: colour and two signed offsets in twips
// (both 0: no shadow). Only its fields are declared here; the shadow itself
// is built with its own deliverable.
#pragma once

#include <cstdint>

class SHADOW {
public:
    uint32_t colour = 0;
    int16_t x = 0;
    int16_t y = 0;
};
