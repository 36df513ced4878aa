#include "forms/dialogs/data/decimal_places.h"

#include <climits>

uint16_t ReadDecimalPlaces(std::string_view text, int& value)
{
    value = -1;
    if (text.empty())
        return 0;
    if (text.find_first_not_of("0123456789+") != std::string_view::npos)
        return kDecimalsNotPositive;
    // Read as the C library reads an int, one leading "+" then digits, but
    // stopping at INT_MAX instead of overflowing.
    size_t i = text[0] == '+' ? 1 : 0;
    long long v = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        v = v * 10 + (text[i] - '0');
        if (v > INT_MAX)
            v = INT_MAX;
    }
    if (v > kMostDecimalPlaces)
        return kDecimalsTooMany;
    value = static_cast<int>(v);
    return 0;
}
