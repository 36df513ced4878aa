#include "forms/dialogs/controls/colours.h"

#include "platform/gdi/palette.h"

#include <array>
#include <cstddef>

namespace {

// The default-palette index of each position; the search table adds two
// entries of 0.
constexpr std::array<uint8_t, 18> kPaletteIndexes = {0, 1, 2, 3, 4, 5, 6, 12, 7, 13, 14, 15, 16, 17, 18, 19, 0, 0};

COLORREF AtPosition(int position)
{
    return gdi::DefaultPalette()[kPaletteIndexes[static_cast<std::size_t>(position)]];
}

COLORREF menuAutomaticColour = 0;
int otherColourIndex = 0;

} // namespace

COLORREF ColourFromSwatchId(unsigned id)
{
    if (id < kFirstSwatchId || id > kLastSwatchId)
        return 0;
    return AtPosition(static_cast<int>(id - kFirstSwatchId));
}

int SwatchIndexFromColour(COLORREF colour)
{
    for (int position = 0; position < static_cast<int>(kPaletteIndexes.size()); ++position)
        if (AtPosition(position) == colour)
            return position;
    return 0;
}

int SwatchOfColour(COLORREF colour)
{
    return SwatchIndexFromColour(colour) % kColourCount;
}

COLORREF ColourFromMenuIndex(unsigned id)
{
    if (id == kAutomaticColourId)
        return kAutomaticColour;
    return ColourFromComboIndex(id);
}

COLORREF ColourFromComboIndex(unsigned id)
{
    if (id < kFirstColourName || id > kLastColourName)
        return gdi::GetSysColor(gdi::COLOR_WINDOWTEXT);
    return AtPosition(static_cast<int>(id - kFirstColourName));
}

int ComboIndexFromColour(COLORREF colour)
{
    for (int position = 0; position < kColourCount; ++position)
        if (ColourFromComboIndex(kFirstColourName + static_cast<unsigned>(position)) == colour)
            return position;
    return -1;
}

COLORREF GetMenuAutomaticColour()
{
    return menuAutomaticColour;
}

void SetMenuAutomaticColour(COLORREF colour)
{
    menuAutomaticColour = colour;
}

int GetOtherColourIndex()
{
    return otherColourIndex;
}

void SetOtherColourIndex(int index)
{
    otherColourIndex = index;
}
