// Shortest round-trip digits in general layout.
#include "number_text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace abacine {
namespace {

constexpr int kLayoutDigits = 20;
// Seventeen significant digits always read back as the same double.
constexpr int kMaxDigits = 17;

std::string Format(const char* format, int precision, double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    return buffer;
}

} // namespace

std::string NumberText(double value)
{
    if (!std::isfinite(value))
        return Format("%.*g", 1, value);
    int digits = 1;
    std::string scientific;
    for (;; ++digits) {
        scientific = Format("%.*e", digits - 1, value);
        if (digits == kMaxDigits || std::strtod(scientific.c_str(), nullptr) == value)
            break;
    }
    const int exponent = std::atoi(scientific.c_str() + scientific.find('e') + 1);
    if (exponent < -4 || exponent >= kLayoutDigits)
        return Format("%.*g", digits, value);
    const int decimals = digits - 1 - exponent;
    return Format("%.*f", decimals > 0 ? decimals : 0, value);
}

} // namespace abacine
