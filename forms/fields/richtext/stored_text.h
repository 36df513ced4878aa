// Cleaning of rich text that comes from outside the program (a file, the
// clipboard, a database) before it enters a buffer.
#pragma once

#include <string>
#include <string_view>

// The text with every incomplete format code dropped: an ESC that does not
// open five bytes ending in ESC is removed, and a code cut short by the end
// of the text is removed whole. Zero bytes and end marks, which may not
// stand inside a text, are dropped too.
std::string DropIncompleteCodes(std::string_view text);
