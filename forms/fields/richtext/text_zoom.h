// The zoom and scroll origin of the drawing context through which a rich
// text is drawn; the fonts chosen for the text are made at that zoom.
#pragma once

#include <cstdint>

struct TEXTZOOM {
    int32_t zoomX = 100; // percent
    int32_t zoomY = 100;
    int32_t originX = 0;
    int32_t originY = 0;
};
