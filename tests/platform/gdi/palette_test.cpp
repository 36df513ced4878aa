#include "platform/gdi/palette.h"

#include <gtest/gtest.h>

namespace {

using namespace gdi;

TEST(Palette, TheStaticColoursInDisplayOrder)
{
    // RRGGBB as a display lists them.
    const uint32_t expected[20]
        = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0, 0xC0DCC0, 0xA6CAF0, 0xFFFBF0,
            0xA0A0A4, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    for (int i = 0; i < 20; ++i) {
        const COLORREF c = DefaultPalette()[i];
        EXPECT_EQ((GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c), expected[i]) << "entry " << i;
    }
    EXPECT_EQ(kButtonFaceColour, 0xC0C0C0u);
}

} // namespace
