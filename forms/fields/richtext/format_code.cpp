#include "forms/fields/richtext/format_code.h"

#include "forms/model/textattr.h"

namespace {

void EncodeValue(int value, unsigned char& high, unsigned char& low)
{
    const int quotient = value / 255;
    high = static_cast<unsigned char>(quotient + 1);
    low = static_cast<unsigned char>(value - 255 * quotient + 1);
    if (value != kDefaultValue && low >= 0x80) {
        ++high;
        ++low;
    }
}

} // namespace

void EncodeFormatCode(char letter, int16_t value, char out[kCodeLength])
{
    unsigned char high = 0;
    unsigned char low = 0;
    EncodeValue(value, high, low);
    if (low == 0)
        EncodeValue(value - 1, high, low);
    out[0] = static_cast<char>(kEsc);
    out[1] = letter;
    out[2] = static_cast<char>(high);
    out[3] = static_cast<char>(low);
    out[4] = static_cast<char>(kEsc);
}

int16_t DecodeFormatValue(unsigned char high, unsigned char low)
{
    const int value = (static_cast<int8_t>(high) - 1) * 255 + static_cast<int8_t>(low) - 1;
    return static_cast<int16_t>(value);
}

void ApplyFormatCode(char letter, int16_t value, TEXTATTR& attr)
{
    const auto low = static_cast<uint8_t>(value & 0xFF);
    switch (letter) {
    case 'B':
        attr.bold = low;
        break;
    case 'I':
        attr.italic = low;
        break;
    case 'U':
        attr.underline = low;
        break;
    case '/':
        attr.strike = low;
        break;
    case 'P':
        attr.size = static_cast<uint16_t>(value);
        break;
    case 'T':
        attr.face = static_cast<uint16_t>(value);
        break;
    case 'r':
        attr.colour = (attr.colour & 0x00FFFF00) | low;
        break;
    case 'g':
        attr.colour = (attr.colour & 0x00FF00FF) | (uint32_t {low} << 8);
        break;
    case 'b':
        attr.colour = (attr.colour & 0x0000FFFF) | (uint32_t {low} << 16);
        break;
    case 'd':
        attr.colour = kMixedColour;
        break;
    default:
        break;
    }
}
