#include "platform/gdi/muldiv.h"

#include <cstdint>
#include <limits>

namespace gdi {

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    // Equal factor and divisor (a one-to-one mapping): a itself, without the
    // division.
    if (b == c)
        return a;
    const int64_t product = static_cast<int64_t>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const uint64_t magnitude = product < 0 ? static_cast<uint64_t>(-product) : static_cast<uint64_t>(product);
    const uint64_t divisor = c < 0 ? static_cast<uint64_t>(-static_cast<int64_t>(c)) : static_cast<uint64_t>(c);
    const uint64_t rounded = magnitude + divisor / 2;
    // Within 32 bits (a mapping's usual sizes) the narrower division, much
    // the cheaper, gives the same quotient.
    const uint64_t quotient = rounded <= UINT32_MAX && divisor <= UINT32_MAX
        ? static_cast<uint32_t>(rounded) / static_cast<uint32_t>(divisor)
        : rounded / divisor;
    const int64_t result = negative ? -static_cast<int64_t>(quotient) : static_cast<int64_t>(quotient);
    if (result > std::numeric_limits<int32_t>::max() || result < std::numeric_limits<int32_t>::min())
        return -1;
    return static_cast<int32_t>(result);
}

} // namespace gdi
