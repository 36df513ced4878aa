// One typeface of a font table: a face name of at most 31 characters
// (Windows-1252), the pitch-and-family byte and the character set.
#pragma once

#include "platform/gdi/font.h"

#include <cstdint>
#include <string>
#include <string_view>

// The face name that stands for a font that could not be matched.
inline constexpr std::string_view kPlaceholderFace = "!!QW DUMMY TYPEFACE!!";

class FONTFACE {
public:
    FONTFACE() = default;
    FONTFACE(std::string_view face, uint8_t pitchAndFamily, uint8_t charSet);
    // The face and character set of a logical font with the pitch-and-family
    // byte of its text metrics.
    FONTFACE(const gdi::LOGFONT& logfont, uint8_t pitchAndFamily);

    std::string GetName() const;
    // Keeps at most 31 bytes.
    void SetName(std::string_view face);
    bool IsPlaceholder() const { return GetName() == kPlaceholderFace; }

    char faceName[32] = {};
    uint8_t pitchAndFamily = 0;
    uint8_t charSet = 0;
};
