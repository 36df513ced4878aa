// The small three-dimensional button with an arrow icon that list fields
// and the in-place editor's drop button draw.
#pragma once

#include "platform/gdi/dc.h"

#include <cstdint>

// Icons of the arrow, by the width they need.
inline constexpr uint32_t kLargeArrowIcon = 2172;
inline constexpr uint32_t kSmallArrowIcon = 2173;
inline constexpr uint32_t kMiddleArrowIcon = 2174;

// Draws the button over the rectangle (the context's logical units) unless
// the context prints: a button face with a one-pixel black edge at the
// bottom and right, highlight at the top and left and shadow inside the
// bottom and right, and the arrow icon that the width in device pixels
// allows (none up to 7 pixels), centred vertically.
void DrawIconBox(gdi::DC& dc, int32_t left, int32_t top, int32_t right, int32_t bottom);
