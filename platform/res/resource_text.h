// What the readers of resource text files share: a line's UTF-8 made
// Windows-1252, and its escapes undone, each failure naming the line.
#pragma once

#include <string>
#include <string_view>

namespace res {

// Throws FormatError when the text is not UTF-8 or a character has no
// Windows-1252 form.
std::string Cp1252FromUtf8(std::string_view utf8, const std::string& source, int line);

// Undoes the escapes `allowed` names among r, n, t and the backslash
// itself; any other escape, or a backslash that ends the text, throws.
std::string Unescape(std::string_view escaped, std::string_view allowed, const std::string& source, int line);

} // namespace res
