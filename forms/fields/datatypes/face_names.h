// Text values in their stored form: every typeface code that holds an index
// of the program's font table ('T') is kept as a code that names the face
// ('X': ESC, 'X', family-and-pitch + 1, a marker, the character set, the
// face name, ESC), so that a value keeps its faces wherever it goes.
#pragma once

#include <string>
#include <string_view>

// 'T' codes to 'X' codes, through the program's font table. A 'T' code
// whose index names no face, or the default face, stays as it is.
void EncodeFaceNames(std::string& text);
// 'X' codes to 'T' codes, adding faces the table lacks. A 'T' code found in
// stored text becomes the default-face code. An 'X' code cut short by the
// end of the text is dropped; a face name is kept to 31 characters; a face
// whose index a code cannot hold (above 253) becomes the default face.
void DecodeFaceNames(std::string& text);
// The characters of a text without its format codes, at most `limit`.
std::string PlainText(std::string_view text, size_t limit = std::string::npos);
