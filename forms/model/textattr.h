// The 12-byte character format of every object that shows text, with the
// mixed values that a selection of differing objects shows, and its record
// group.
#pragma once

#include <cstdint>

class FontFaces;
class RECORDARCHIVE;

// Underline kinds.
constexpr uint8_t kUnderlineNone = 0;
constexpr uint8_t kUnderlineWord = 3;
constexpr uint8_t kUnderlineSingle = 4;
constexpr uint8_t kUnderlineDouble = 5;

// Mixed values.
constexpr uint8_t kMixedFlag = 2;
constexpr uint32_t kMixedColour = 0xFFFFFFFE;
constexpr uint16_t kMixedWord = 0xFFFE;

class TEXTATTR {
public:
    bool IsEqual(const TEXTATTR& other) const;
    void Copy(const TEXTATTR& other) { *this = other; }
    void SetMixed();
    // Black upright 12-point text in face 0.
    void Reset();
    // Takes every field of other that is not mixed.
    void Merge(const TEXTATTR& other);

    // The tag, record 0x81 with the 12 bytes, 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group (its tag already read). The typeface index names an
    // entry of the source table (the file's) and becomes an index of the
    // program-wide table; without a source table it becomes 0.
    void Load(RECORDARCHIVE& ar, const FontFaces* source);

    uint8_t bold = 0;
    uint8_t italic = 0;
    uint8_t strike = 0; // the third style flag, drawn as strike-out
    uint8_t underline = 0;
    uint32_t colour = 0; // COLORREF
    uint16_t face = 0; // font-table index
    uint16_t size = 0; // twips
};

static_assert(sizeof(TEXTATTR) == 12);
