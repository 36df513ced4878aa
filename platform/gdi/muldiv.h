// Integer scaling with a 64-bit intermediate, as the drawing code expects it.
#pragma once

#include <cstdint>

namespace gdi {

// a × b / c with the product in 64 bits, rounded to the nearest integer with
// halves away from zero. −1 when c is 0 or the result does not fit in 32 bits.
int32_t MulDiv(int32_t a, int32_t b, int32_t c);

} // namespace gdi
