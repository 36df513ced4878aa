#include "forms/dialogs/appearance/spacing_rules.h"

#include "forms/dialogs/appearance/typed_number.h"

#include <charconv>
#include <cmath>

namespace {

double TwipsPerUnit(uint8_t units)
{
    return units == kUnitCentimetres ? 567.0 : 1440.0;
}

} // namespace

std::string SpacingText(uint16_t twips, uint8_t units)
{
    char buffer[32];
    const auto [end, error]
        = std::to_chars(buffer, buffer + sizeof buffer, twips / TwipsPerUnit(units), std::chars_format::fixed, 3);
    return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::optional<uint16_t> ParseSpacing(std::string_view text, uint8_t units)
{
    text = text.substr(0, kMaxSpacingText);
    if (text.empty())
        return std::nullopt;
    const double twips = std::trunc(WholeNumber(text) * TwipsPerUnit(units));
    if (!(twips >= kMinFixedSpacing && twips <= kMaxFixedSpacing))
        return std::nullopt;
    return static_cast<uint16_t>(twips);
}
