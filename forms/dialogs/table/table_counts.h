// The numbers of columns and rows the Table Properties dialog accepts, and
// how it reads them from their edits.
#pragma once

#include <optional>
#include <string_view>

// No table has more than this many columns or rows.
inline constexpr int kMostTableCount = 25;

// The largest count allowed: 25, or fewer when the page allows fewer, and
// never below 1.
int TableCountLimit(int pageLargest);

// A whole number as the dialogs' data exchange reads it: blanks and tabs
// may stand at both ends, then an optional sign and decimal digits.
// Numbers too large for an int come out as its largest or smallest value,
// so that they fall outside every range. Empty when the text is not a
// whole number.
std::optional<int> ParseWholeNumber(std::string_view text);
