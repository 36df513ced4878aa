// Points, sizes and rectangles of the form model: i32 coordinates, twips
// unless a device rectangle is said.
#pragma once

#include "platform/gdi/types.h"

#include <cstdint>

// The device-context layer's value types serve the model unchanged.
using gdi::POINT;
using gdi::RECT;
using gdi::SIZE;

// The four corners of a possibly turned rectangle, in the order
// (left, top), (left, bottom), (right, bottom), (right, top): the polygon
// (winding fill) that stands for a turned object's region.
struct Outline {
    POINT pt[4];
    bool Contains(int32_t x, int32_t y) const;
};
