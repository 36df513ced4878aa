#include "forms/dialogs/data/number_sample.h"

#include "forms/dialogs/data/number_masks.h"
#include "forms/fields/datatypes/numberdatatype.h"

#include <array>
#include <cmath>
#include <vector>

namespace {

// Every character one unit wide: a fill character has no room to fill.
const int16_t* UnitWidths()
{
    static const std::array<int16_t, 256> widths = [] {
        std::array<int16_t, 256> w {};
        w.fill(1);
        return w;
    }();
    return widths.data();
}

NUMBERSAMPLE Through(const NUMBERFORMAT* format, double v, uint32_t automatic)
{
    NUMBERSAMPLE out;
    if (!format)
        return out;
    std::vector<int> widths;
    FormatNumber(std::fabs(v), format, UnitWidths(), out.text, widths);
    out.colour = format->crColour == kFieldColour ? automatic : format->crColour;
    return out;
}

} // namespace

NUMBERSAMPLE FormatSample(const NUMBERDATATYPE& type, double v, uint32_t automatic)
{
    const NUMBERFORMAT* format = type.pPositive.get();
    if (v < 0)
        format = type.pNegative.get();
    else if (v == 0 && type.pZero)
        format = type.pZero.get();
    return Through(format, v, automatic);
}

NUMBERSAMPLE StyleSample(const NUMBERCHOICES& choices, int style, std::string_view symbol, uint32_t automatic)
{
    NUMBERCHOICES shown = choices;
    shown.style = style;
    NUMBERFORMAT format;
    format.strMask = BuildMaskTexts(shown, symbol).negative;
    format.bThousands = choices.category == kCategoryNumber ? (choices.numberSeparator ? 1 : 0) : 1;
    format.crColour = StyleIsRed(style) ? kNegativeRed : kFieldColour;
    return Through(&format, kSampleNegative, automatic);
}
