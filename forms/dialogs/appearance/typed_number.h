// Reading numbers that the user types into the appearance dialogs: always
// with '.' as the decimal point, whatever the locale.
#pragma once

#include <string_view>

// The decimal number at the start of the text after blanks and tabs, as
// atof reads it (what follows is ignored); 0 when there is none.
double LeadingNumber(std::string_view text);
// The same, but anything other than blanks and tabs behind the number
// makes the answer 0.
double WholeNumber(std::string_view text);
