// Reading a profile integer as the profile functions do: blanks, an optional
// sign and decimal digits; anything after the digits is ignored.
#pragma once

#include <optional>
#include <string_view>

namespace settings {

// The integer at the start of `text`, or nothing when there are no digits
// or the number does not fit an int.
std::optional<int> ParseProfileInt(std::string_view text);

} // namespace settings
