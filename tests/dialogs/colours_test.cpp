// The colour lookups between swatches, menu commands and combo positions.
#include "forms/dialogs/controls/colours.h"

#include "platform/gdi/palette.h"

#include <gtest/gtest.h>

namespace {

using gdi::RGB;

TEST(Colours, TheSixteenColoursRunInOneOrderThroughEveryLookup)
{
    struct Row {
        int position;
        COLORREF colour;
    };
    const Row rows[] = {
        {0, RGB(0, 0, 0)},
        {1, RGB(0x80, 0, 0)},
        {2, RGB(0, 0x80, 0)},
        {3, RGB(0x80, 0x80, 0)},
        {4, RGB(0, 0, 0x80)},
        {5, RGB(0x80, 0, 0x80)},
        {6, RGB(0, 0x80, 0x80)},
        {7, RGB(0x80, 0x80, 0x80)},
        {8, RGB(0xC0, 0xC0, 0xC0)},
        {9, RGB(0xFF, 0, 0)},
        {10, RGB(0, 0xFF, 0)},
        {11, RGB(0xFF, 0xFF, 0)},
        {12, RGB(0, 0, 0xFF)},
        {13, RGB(0xFF, 0, 0xFF)},
        {14, RGB(0, 0xFF, 0xFF)},
        {15, RGB(0xFF, 0xFF, 0xFF)},
    };
    for (const Row& row : rows) {
        const auto p = static_cast<unsigned>(row.position);
        EXPECT_EQ(ColourFromSwatchId(1027 + p), row.colour) << row.position;
        EXPECT_EQ(ColourFromMenuIndex(157 + p), row.colour) << row.position;
        EXPECT_EQ(ColourFromComboIndex(157 + p), row.colour) << row.position;
        EXPECT_EQ(SwatchIndexFromColour(row.colour), row.position);
        EXPECT_EQ(ComboIndexFromColour(row.colour), row.position);
    }
}

TEST(Colours, IdsAndColoursOutsideTheSixteen)
{
    struct Case {
        const char* what;
        long long got;
        long long expected;
    };
    const COLORREF windowText = gdi::GetSysColor(gdi::COLOR_WINDOWTEXT);
    const Case cases[] = {
        {"swatch 1026 (special, painted only)", ColourFromSwatchId(1026), 0},
        {"swatch 1043 (special, painted only)", ColourFromSwatchId(1043), 0},
        {"swatch 1024", ColourFromSwatchId(1024), 0},
        {"menu Automatic", ColourFromMenuIndex(173), 0xFFFFFFFF},
        {"combo Automatic", ColourFromComboIndex(173), windowText},
        {"combo id 156", ColourFromComboIndex(156), windowText},
        {"menu id 174", ColourFromMenuIndex(174), windowText},
        {"swatch of a colour not among them", SwatchIndexFromColour(RGB(1, 2, 3)), 0},
        {"swatch of a static colour not offered", SwatchIndexFromColour(RGB(0xC0, 0xDC, 0xC0)), 0},
        {"combo of a colour not among them", ComboIndexFromColour(RGB(1, 2, 3)), -1},
        {"combo of the automatic marker", ComboIndexFromColour(0xFFFFFFFF), -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.got, c.expected) << c.what;
}

} // namespace
