// Reading the validation page's maximum decimal places: digits and "+"
// only, at most 20; a value too long for an int saturates, so it is simply
// too many.
#pragma once

#include <cstdint>
#include <string_view>

constexpr uint16_t kDecimalsNotPositive = 566;
constexpr uint16_t kDecimalsTooMany = 567;
constexpr int kMostDecimalPlaces = 20;

// 0 with the value (-1 for an empty text: no limit), else the message id.
uint16_t ReadDecimalPlaces(std::string_view text, int& value);
