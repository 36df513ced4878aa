// The pattern fill of a form object. Only its fields are declared here; the
// fill itself is built with its own deliverable.
#pragma once

#include <cstdint>

class BASICSHADE {
public:
    uint32_t colour1 = 0;
    uint32_t colour2 = 0;
    int16_t pattern = 0;
    int16_t transparent = 0;
};
