// A turn about a centre, kept as a translation and an angle in radians;
// every form object carries three of them.
#pragma once

#include "forms/model/geometry.h"
#include "platform/gdi/muldiv.h"

#include <cstdint>

struct ROTATION {
    int32_t tx = 0;
    int32_t ty = 0;
    double angle = 0.0;

    // Turns about the rectangle's centre by tenths of a degree; a centre at
    // (0, 0) keeps the previous translation.
    void Set(int32_t left, int32_t top, int32_t right, int32_t bottom, int tenths);
    POINT Rotate(POINT p) const;
    POINT Unrotate(POINT p) const;
};

// Tenths of a degree to radians.
constexpr double kRadiansPerTenth = 0.0017453292522222222;

using gdi::MulDiv;
