// Logical fonts: the LOGFONT-like description a font is made from, the
// TEXTMETRIC-like block of its measures, and the font object a DC selects.
#pragma once

#include "platform/gdi/types.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace gdi {

struct LOGFONT {
    int32_t lfHeight = 0; // < 0: character (em) height; > 0: cell height; logical units
    int32_t lfWidth = 0; // average character width; 0: the face's own
    int32_t lfEscapement = 0; // tenths of a degree, counter-clockwise
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0; // 0 or 400 normal, 700 bold
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = ANSI_CHARSET;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {}; // Windows-1252, NUL-terminated

    std::string FaceName() const;
    // Keeps at most 31 bytes.
    void SetFaceName(std::string_view face);
    friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

struct TEXTMETRIC {
    int32_t tmHeight = 0;
    int32_t tmAscent = 0;
    int32_t tmDescent = 0;
    int32_t tmInternalLeading = 0;
    int32_t tmExternalLeading = 0;
    int32_t tmAveCharWidth = 0;
    int32_t tmMaxCharWidth = 0;
    int32_t tmWeight = 0;
    int32_t tmOverhang = 0;
    int32_t tmDigitizedAspectX = 0;
    int32_t tmDigitizedAspectY = 0;
    uint8_t tmFirstChar = 0x20;
    uint8_t tmLastChar = 0xFF;
    uint8_t tmDefaultChar = 0x1F;
    uint8_t tmBreakChar = 0x20;
    uint8_t tmItalic = 0;
    uint8_t tmUnderlined = 0;
    uint8_t tmStruckOut = 0;
    uint8_t tmPitchAndFamily = 0; // TMPF_ bits and FF_ family in the high nibble
    uint8_t tmCharSet = 0;
    friend bool operator==(const TEXTMETRIC&, const TEXTMETRIC&) = default;
};

// A font object made from a LOGFONT.
class Font {
public:
    Font() = default;
    explicit Font(const LOGFONT& logfont)
        : logfont_(logfont)
    {}
    const LOGFONT& GetLogFont() const { return logfont_; }
    friend bool operator==(const Font&, const Font&) = default;

private:
    LOGFONT logfont_;
};

// The font a new device context holds: 12-point sans serif at 96 dpi.
Font GetDefaultFont();

} // namespace gdi
