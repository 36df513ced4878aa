// Points, sizes and rectangles of the form model: i32 coordinates, twips
// unless a device rectangle is said.
#pragma once

#include <algorithm>
#include <cstdint>

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const POINT&) const = default;
};

struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
    bool operator==(const SIZE&) const = default;
};

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const RECT&) const = default;
    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    RECT Normalized() const
    {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    RECT Inflated(int32_t dx, int32_t dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    RECT Offset(int32_t dx, int32_t dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
};

// The four corners of a possibly turned rectangle, in the order
// (left, top), (left, bottom), (right, bottom), (right, top): the polygon
// (winding fill) that stands for a turned object's region.
struct OUTLINE {
    POINT pt[4];
    bool Contains(int32_t x, int32_t y) const;
};
