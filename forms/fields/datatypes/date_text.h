// Dates as text: shown through a date picture (day, month and year letters,
// quoted text, anything else as it stands) and read from typed text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// What a picture says about the field's dates.
struct DATEPICTUREINFO {
    uint8_t order = 0; // 1 day before month, 2 month before day, 0 not both
    uint8_t hasYear = 0;
};

// The day number through the picture; 0 gives the empty text whatever the
// picture. 0 when the picture has an "h" or an unclosed quote, or the day
// number names no date; the text is then left as it was. The info is worked out from the picture
// whenever it is given (all 0 for a picture that fails).
int FormatDate(double v, std::string_view picture, std::string& out, DATEPICTUREINFO* info = nullptr);

// Reads a typed date of three parts (day, month, year in the order given:
// 1 day first, 2 month first; a month may be named). Blank text is the
// empty date 0. 0 when the text names no date.
int ParseDate(std::string_view text, uint8_t order, double& out);
