#include "forms/fields/richtext/format_switch.h"

#include "forms/fields/richtext/format_code.h"

namespace {

void Put(std::string& out, char letter, int16_t value)
{
    char bytes[kCodeLength];
    EncodeFormatCode(letter, value, bytes);
    out.append(bytes, kCodeLength);
}

} // namespace

std::string SwitchCodes(const TEXTATTR& from, const TEXTATTR& to, std::string_view order)
{
    std::string out;
    for (char field : order) {
        switch (field) {
        case 'B':
            if (from.bold != to.bold)
                Put(out, 'B', to.bold);
            break;
        case 'I':
            if (from.italic != to.italic)
                Put(out, 'I', to.italic);
            break;
        case 'U':
            if (from.underline != to.underline)
                Put(out, 'U', to.underline);
            break;
        case '/':
            if (from.strike != to.strike)
                Put(out, '/', to.strike);
            break;
        case 'P':
            if (from.size != to.size)
                Put(out, 'P', static_cast<int16_t>(to.size));
            break;
        case 'T':
            if (from.face != to.face)
                Put(out, 'T', static_cast<int16_t>(to.face));
            break;
        case 'c':
            if (from.colour == to.colour)
                break;
            if (to.colour == kMixedColour) {
                Put(out, 'd', kDefaultValue);
            } else {
                Put(out, 'r', static_cast<int16_t>(to.colour & 0xFF));
                Put(out, 'g', static_cast<int16_t>((to.colour >> 8) & 0xFF));
                Put(out, 'b', static_cast<int16_t>((to.colour >> 16) & 0xFF));
            }
            break;
        default:
            break;
        }
    }
    return out;
}

bool SetsFieldOf(char letter, const TEXTATTR& attr)
{
    switch (letter) {
    case 'B':
        return attr.bold != kMixedFlag;
    case 'I':
        return attr.italic != kMixedFlag;
    case 'U':
        return attr.underline != kMixedFlag;
    case '/':
        return attr.strike != kMixedFlag;
    case 'P':
        return attr.size != kMixedWord;
    case 'T':
        return attr.face != kMixedWord;
    case 'r':
    case 'g':
    case 'b':
    case 'd':
        return attr.colour != kMixedColour;
    default:
        return false;
    }
}

void MarkDifferingMixed(TEXTATTR& common, const TEXTATTR& other)
{
    if (common.bold != other.bold)
        common.bold = kMixedFlag;
    if (common.italic != other.italic)
        common.italic = kMixedFlag;
    if (common.underline != other.underline)
        common.underline = kMixedFlag;
    if (common.strike != other.strike)
        common.strike = kMixedFlag;
    if (common.size != other.size)
        common.size = kMixedWord;
    if (common.face != other.face)
        common.face = kMixedWord;
    if (common.colour != other.colour)
        common.colour = kMixedColour;
}
