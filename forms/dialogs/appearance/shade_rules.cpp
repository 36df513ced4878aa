#include "forms/dialogs/appearance/shade_rules.h"

#include "forms/dialogs/controls/colours.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0;

} // namespace

int PatternPosFromValue(int value)
{
    for (int p = 0; p < kPatternCount; ++p)
        if (kPatternValues[static_cast<size_t>(p)] == value)
            return p;
    return 0;
}

int16_t PatternValueAt(int position)
{
    return position >= 0 && position < kPatternCount ? kPatternValues[static_cast<size_t>(position)] : 0;
}

int BackgroundButtonFor(int otherIndex)
{
    if (otherIndex == 0)
        return kBlackButton;
    if (otherIndex == kColourCount - 1)
        return kWhiteButton;
    return kOtherColourButton;
}

ShadeMarks MarksOf(const BASICSHADE& shade)
{
    ShadeMarks marks;
    marks.swatch = SwatchIndexFromColour(shade.colour1);
    marks.pattern = PatternPosFromValue(shade.pattern);
    marks.transparent = shade.noFill != 0;
    marks.other = SwatchIndexFromColour(shade.colour2);
    marks.background = BackgroundButtonFor(marks.other);
    return marks;
}

bool ClickPattern(BASICSHADE& shade, const ShadeMarks& marks, int position)
{
    if (!marks.transparent && position == marks.pattern)
        return false;
    shade.noFill = 0;
    shade.SetPattern(PatternValueAt(position));
    return true;
}

bool ClickSwatch(BASICSHADE& shade, const ShadeMarks& marks, int swatchId)
{
    if (!marks.transparent && swatchId - static_cast<int>(kFirstSwatchId) == marks.swatch)
        return false;
    shade.noFill = 0;
    shade.SetColour1(ColourFromSwatchId(static_cast<unsigned>(swatchId)));
    return true;
}

bool ClickBackground(BASICSHADE& shade, const ShadeMarks& marks, int button)
{
    if (!marks.transparent && button == marks.background)
        return false;
    shade.noFill = 0;
    shade.SetColour2(button == kWhiteButton ? kWhite : kBlack);
    return true;
}

bool ChooseOtherColour(BASICSHADE& shade, unsigned command)
{
    if (command < kFirstColourName || command > kLastColourName)
        return false;
    shade.noFill = 0;
    shade.SetColour2(ColourFromMenuIndex(command));
    return true;
}

bool ClickTransparent(BASICSHADE& shade)
{
    shade.noFill = 1;
    return true;
}
