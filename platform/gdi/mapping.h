// The logical-to-device mapping of a device context: map mode, window and
// viewport origins and extents, and GDI's integer conversions between them.
#pragma once

#include "platform/gdi/types.h"

namespace gdi {

struct Mapping {
    int mode = MM_TEXT;
    POINT windowOrg;
    POINT viewportOrg;
    SIZE windowExt {1, 1};
    SIZE viewportExt {1, 1};

    // device = (logical − window origin) × viewport extent / window extent
    // + viewport origin, per axis, rounded as MulDiv rounds; MM_TEXT has
    // extents of 1. DPtoLP is the inverse formula.
    POINT LPtoDP(POINT p) const;
    POINT DPtoLP(POINT p) const;

    // Device units per logical unit along each axis (absolute values).
    double ScaleX() const;
    double ScaleY() const;

    // Effective extents: (1, 1) in MM_TEXT.
    SIZE EffectiveWindowExt() const;
    SIZE EffectiveViewportExt() const;
};

} // namespace gdi
