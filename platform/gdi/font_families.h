// The font families a device offers, with the pitch and family bits the
// drawing code chooses faces by.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gdi {

struct FontFamily {
    std::string faceName; // Windows-1252
    uint8_t pitchAndFamily; // TEXTMETRIC bits: TMPF_ and FF_
    uint8_t charSet;
    int fontType; // TRUETYPE_FONTTYPE for scalable outline faces
};

// Families installed for screen and printer alike (every face is scalable and
// embedded in printed output). The Windows faces that a metric-compatible face
// stands in for are listed under their Windows names. An empty face lists
// every family; a face name lists that family alone, or nothing.
std::vector<FontFamily> EnumInstalledFontFamilies(std::string_view face);

} // namespace gdi
