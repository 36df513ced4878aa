#include "forms/fields/datatypes/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

namespace {

// The text of a non-finite number, as printf writes it.
std::string NonFinite(double v)
{
    if (std::isnan(v))
        return "nan";
    return v < 0 ? "-inf" : "inf";
}

} // namespace

std::string CleanNumberText(std::string_view text)
{
    std::string clean;
    constexpr size_t kKeepCommas = 118;
    for (char c : text) {
        if (c != ',' || text.size() >= kKeepCommas)
            clean.push_back(c);
    }
    const size_t first = clean.find_first_not_of(' ');
    if (first == std::string::npos)
        return "0";
    const size_t last = clean.find_last_not_of(' ');
    return clean.substr(first, last - first + 1);
}

double TextToNumber(std::string_view text)
{
    std::string clean = CleanNumberText(text);
    if (!clean.empty() && clean.back() == '%')
        clean.pop_back();
    double v = 0.0;
    const char* begin = clean.data();
    const char* end = clean.data() + clean.size();
    // from_chars takes no leading '+', as the reading of typed text does not.
    if (std::from_chars(begin, end, v, std::chars_format::fixed).ec != std::errc())
        return 0.0;
    return v;
}

std::string FormatFixed(double v, int digits)
{
    if (!std::isfinite(v))
        return NonFinite(v);
    digits = std::max(digits, 0);
    std::vector<char> buffer(static_cast<size_t>(digits) + 400);
    const auto result
        = std::to_chars(buffer.data(), buffer.data() + buffer.size(), v, std::chars_format::fixed, digits);
    return std::string(buffer.data(), result.ptr);
}

std::string FormatGeneral(double v)
{
    if (!std::isfinite(v))
        return NonFinite(v);
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::string NumberToText(double v, bool percent)
{
    std::string text = FormatFixed(v, 10);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    if (percent)
        text += '%';
    return text;
}
