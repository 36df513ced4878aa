// Numbers as text and back, always with '.' as the decimal point whatever
// the locale: the edit text of a number and the reading of typed numbers.
#pragma once

#include <string>
#include <string_view>

// Typed number text made ready to read: every "," removed (unless the text
// has 118 characters or more), blanks trimmed at both ends, empty as "0".
std::string CleanNumberText(std::string_view text);
// The cleaned text without a trailing "%", read as a decimal number from
// its start; 0 when it does not begin with one.
double TextToNumber(std::string_view text);
// The number with up to 10 digits after the point, trailing zeros and a
// trailing point dropped, "-" in front of a negative number, and "%"
// appended when asked.
std::string NumberToText(double v, bool percent = false);
// printf's "%.*f" and "%g".
std::string FormatFixed(double v, int digits);
std::string FormatGeneral(double v);
