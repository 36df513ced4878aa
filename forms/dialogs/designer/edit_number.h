// The number in an edit of the designer's dialogs, read as the dialogs'
// data exchange reads it, and the framework's messages about it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// String id of "Please enter a number.".
inline constexpr unsigned kEnterANumber = 61713;
// String id of "Please enter a number between %1 and %2.".
inline constexpr unsigned kEnterANumberBetween = 61715;

// At most 32 characters are read; blanks and tabs may stand at both ends.
// The rest must be one number in decimal floating-point notation (sign,
// digits, point, exponent), and a number that comes out as 0 must be
// written beginning with '0'. Empty when the text is not a number.
std::optional<double> ParseNumberText(std::string_view text);

// A value that OK refuses: the message shown and the edit that takes the
// focus.
struct EditProblem {
    std::string message;
    int control;
};

// The range message with its bounds filled in.
std::string RangeMessage(double least, double most);
