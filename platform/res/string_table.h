// The text form of a string table, one entry a line:
//
//     <id><TAB><text>
//
// The id is decimal, 0 to 65535, each id once. The text runs to the end of
// the line exactly as it stands (blanks at either end belong to it), with
// the escapes \r, \n, \t and \\. The file is UTF-8; every character must
// have a Windows-1252 form, which is what the table holds. Empty lines and
// lines that begin with '#' are skipped. Lines may end in CR LF; a carriage
// return inside a text is written \r.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace res {

// Reads a table; throws FormatError naming `source` and the line.
std::map<std::uint32_t, std::string> ParseStringTable(std::string_view utf8, const std::string& source);

} // namespace res
