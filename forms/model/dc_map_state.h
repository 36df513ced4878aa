// A drawing context's mapping kept aside while the attribute drawing works
// in plain device units, and the device widths of thin lines.
#pragma once

#include <cstdint>

class VIEWDC;
class BORDER;

struct DCMAPSTATE {
    int32_t mapMode = 0;
    int32_t windowExtX = 1;
    int32_t windowExtY = 1;
    int32_t viewportExtX = 1;
    int32_t viewportExtY = 1;
    int32_t viewportOrgX = 0;
    int32_t viewportOrgY = 0;
    int32_t windowOrgX = 0;
    int32_t windowOrgY = 0;

    // Records the mapping and switches the context to device units: origins
    // (0, 0), extents (1, 1) and text map mode; a picture context keeps its
    // map mode and takes its own extent pair instead of (1, 1).
    void Save(VIEWDC& dc);
    // Puts back the map mode (not on a picture context), the origins and
    // the extents.
    void Restore(VIEWDC& dc);
};

// The gap of double lines, 15 twips, in device units along y; at least 1.
int32_t GetDeviceGap(VIEWDC& dc);
// A border's width in device units along y; at least 1.
int32_t GetDeviceWidth(const BORDER& border, VIEWDC& dc);
