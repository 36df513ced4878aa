// One display mask of a number field, and the mask formatter: digit
// placeholders, the point, literals, blanks as wide as a character, one
// fill character, a power-of-ten scale and a thousands flag.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class RECORDARCHIVE;

constexpr uint32_t kFieldColour = 0xFFFFFFFF; // the field's own text colour

class NUMBERFORMAT {
public:
    const char* GetRuntimeClass() const { return "NUMBERFORMAT"; }

    void SetMask(std::string_view mask) { strMask = mask; }
    void Copy(const NUMBERFORMAT& other) { *this = other; }
    // The tag, record 0x81, 0xFF.
    void Save(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group whose tag was just read; 0 on failure.
    int Load(RECORDARCHIVE& ar);

    std::string strMask = "0.00";
    int16_t nScalePower = 0; // nonzero: a percentage mask
    int32_t bThousands = 0;
    uint32_t crColour = kFieldColour;
};

// 1 when the mask may be taken; else 0 and the message.
int CheckNumberMask(std::string_view mask, std::string& message);

// Formats v (its sign is the mask's business: only |v| is printed) through
// the mask, scaled by the mask's power, measuring each character with the
// 256 widths of the field's font. A fill character fills what is left of
// `available` (twips) when it is 0 or more, and is dropped otherwise. No
// mask gives the empty text. The answer is the number of characters.
int FormatNumber(double v, const NUMBERFORMAT* mask, const int16_t* charWidths, std::string& text,
    std::vector<int>& widths, int32_t available = -1);
