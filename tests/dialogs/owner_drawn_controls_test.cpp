// The shared owner-drawn controls drawn on image surfaces: swatches,
// icon buttons (latched drawn as pressed), colour menu and combo items.
#include "forms/dialogs/controls/colour_button.h"
#include "forms/dialogs/controls/colour_combo.h"
#include "forms/dialogs/controls/colour_menu.h"
#include "forms/dialogs/controls/colours.h"
#include "forms/dialogs/controls/icon_button.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog_font.h"

#include <gtest/gtest.h>

namespace {

using gdi::RGB;

constexpr COLORREF kFace = RGB(0xC0, 0xC0, 0xC0);
constexpr COLORREF kShadow = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kBlack = 0;
constexpr COLORREF kMagenta = RGB(0xFF, 0, 0xFF);
constexpr COLORREF kNavy = RGB(0, 0, 0x80);

// Draws one item on a surface first filled with magenta.
QImage Draw(ui::OwnerDrawer& drawer, unsigned ctlType, unsigned id, int width, int height, unsigned state = 0,
    int itemId = 0, uintptr_t data = 0)
{
    gdi::ImageSurface surface(width, height);
    {
        gdi::DC dc(surface);
        dc.FillRect({0, 0, width, height}, gdi::Brush::Solid(kMagenta));
        ui::DRAWITEMSTRUCT item;
        item.CtlType = ctlType;
        item.CtlID = id;
        item.itemID = itemId;
        item.itemState = state;
        item.dc = &dc;
        item.rcItem = {0, 0, width, height};
        item.itemData = data;
        drawer.DrawItem(item);
    }
    return surface.Image().copy();
}

// How many pixels of an area differ from a colour.
int CountOther(const QImage& image, QRect area, COLORREF colour)
{
    int count = 0;
    for (int x = area.left(); x <= area.right(); ++x)
        for (int y = area.top(); y <= area.bottom(); ++y)
            count += image.pixel(x, y) != qRgb(gdi::GetRValue(colour), gdi::GetGValue(colour), gdi::GetBValue(colour));
    return count;
}

bool IsDark(QRgb p)
{
    return qGray(p) < 0x60;
}

COLORREF At(const QImage& image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return RGB(static_cast<uint8_t>(qRed(p)), static_cast<uint8_t>(qGreen(p)), static_cast<uint8_t>(qBlue(p)));
}

TEST(ColourButton, SwatchesFillTheirColourInsideASunkenFrame)
{
    SetOtherColourIndex(9);
    COLOUR_BUTTON swatch;
    struct Case {
        unsigned id;
        COLORREF centre;
    };
    const Case cases[] = {
        {1024, kWhite},
        {1025, kBlack},
        {1026, RGB(0xFF, 0, 0)},
        {1027, kBlack},
        {1030, RGB(0x80, 0x80, 0)},
        {1034, RGB(0x80, 0x80, 0x80)},
        {1042, kWhite},
        {1023, kMagenta},
        {1044, kMagenta},
    };
    for (const Case& c : cases) {
        const QImage image = Draw(swatch, ui::ODT_BUTTON, c.id, 21, 18);
        EXPECT_EQ(At(image, 10, 9), c.centre) << c.id;
        if (c.centre == kMagenta) {
            EXPECT_EQ(At(image, 0, 0), kMagenta) << c.id;
            continue;
        }
        EXPECT_EQ(At(image, 0, 5), kShadow) << c.id;
        EXPECT_EQ(At(image, 5, 0), kShadow) << c.id;
        EXPECT_EQ(At(image, 1, 5), kBlack) << c.id;
        EXPECT_EQ(At(image, 5, 1), kBlack) << c.id;
        EXPECT_EQ(At(image, 19, 5), kFace) << c.id;
        EXPECT_EQ(At(image, 5, 16), kFace) << c.id;
        EXPECT_EQ(At(image, 20, 5), kWhite) << c.id;
        EXPECT_EQ(At(image, 5, 17), kWhite) << c.id;
    }
    SetOtherColourIndex(0);
}

TEST(ColourButton, TheTransparentSampleCrossesCyanAndYellowBandsOnWhite)
{
    COLOUR_BUTTON sample;
    // 31 by 31: inside right and bottom 30, thirds of 10; bands 11 to 20.
    const QImage image = Draw(sample, ui::ODT_BUTTON, 1043, 31, 31);
    struct Case {
        int x, y;
        COLORREF colour;
    };
    const Case cases[] = {
        {5, 5, kWhite},
        {25, 25, kWhite},
        {11, 5, RGB(0, 0xFF, 0xFF)},
        {20, 5, RGB(0, 0xFF, 0xFF)},
        {21, 5, kWhite},
        {5, 11, RGB(0xFF, 0xFF, 0)},
        {5, 20, RGB(0xFF, 0xFF, 0)},
        {5, 21, kWhite},
        {15, 15, RGB(0, 0xFF, 0)},
        {11, 20, RGB(0, 0xFF, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(At(image, c.x, c.y), c.colour) << c.x << "," << c.y;
}

TEST(ColourButton, ASelectedSwatchShowsABlackFrameInside)
{
    COLOUR_BUTTON swatch;
    swatch.selected = 1;
    const QImage image = Draw(swatch, ui::ODT_BUTTON, 1036, 21, 18);
    EXPECT_EQ(At(image, 2, 9), kFace);
    EXPECT_EQ(At(image, 3, 9), kBlack);
    EXPECT_EQ(At(image, 4, 9), RGB(0xFF, 0, 0));
    EXPECT_EQ(At(image, 10, 3), kBlack);
    EXPECT_EQ(At(image, 17, 9), kBlack);
    EXPECT_EQ(At(image, 18, 9), kFace);
}

TEST(IconButton, ALatchedButtonIsDrawnExactlyAsAPressedOne)
{
    ICON_BUTTON button;
    button.icon = 2051;
    button.caption = "BR";
    button.font = ui::DialogLogFont(8, "MS Sans Serif");
    const QImage up = Draw(button, ui::ODT_BUTTON, 1069, 60, 36);
    const QImage down = Draw(button, ui::ODT_BUTTON, 1069, 60, 36, ui::ODS_SELECTED);
    button.latched = 1;
    const QImage latched = Draw(button, ui::ODT_BUTTON, 1069, 60, 36);
    EXPECT_EQ(latched, down);
    EXPECT_NE(up, down);

    // The black frame on the rectangle less its last column and row; the
    // highlight inside it at the left and top (below and right of the icon
    // at 1, 1), the shadow at right - 2 and bottom - 2; pressed, the other
    // way round with the highlight outside the frame.
    EXPECT_EQ(At(up, 0, 10), kBlack);
    EXPECT_EQ(At(up, 10, 0), kBlack);
    EXPECT_EQ(At(up, 1, 33), kWhite);
    EXPECT_EQ(At(up, 40, 1), kWhite);
    EXPECT_EQ(At(up, 58, 10), kShadow);
    EXPECT_EQ(At(up, 40, 34), kShadow);
    EXPECT_EQ(At(up, 59, 10), kFace);
    EXPECT_EQ(At(down, 1, 10), kShadow);
    EXPECT_EQ(At(down, 40, 1), kShadow);
    EXPECT_EQ(At(down, 59, 10), kWhite);
    EXPECT_EQ(At(down, 40, 35), kWhite);
    // The icon's box outline (8, 8 in the icon) at (9, 9), one pixel
    // further when pressed; its shadow towards the bottom right.
    EXPECT_TRUE(IsDark(up.pixel(9, 9)));
    EXPECT_FALSE(IsDark(down.pixel(9, 9)));
    EXPECT_TRUE(IsDark(down.pixel(10, 10)));
    EXPECT_EQ(At(up, 12, 12), kWhite);
    EXPECT_EQ(At(up, 27, 27), RGB(0x40, 0x40, 0x40));
    EXPECT_EQ(At(down, 28, 28), RGB(0x40, 0x40, 0x40));

    // The caption right of the icon, one pixel further when pressed.
    const QRect caption(34, 3, 22, 30);
    EXPECT_GT(CountOther(up, caption, kFace), 10);
    EXPECT_EQ(up.copy(caption), down.copy(caption.translated(1, 1)));
}

TEST(IconButton, TheFocusIsADottedRectangleThreePixelsIn)
{
    ICON_BUTTON button;
    button.icon = 2047;
    const QImage plain = Draw(button, ui::ODT_BUTTON, 1295, 60, 36);
    const QImage focused = Draw(button, ui::ODT_BUTTON, 1295, 60, 36, ui::ODS_FOCUS);
    int differing = 0;
    for (int x = 0; x < 60; ++x)
        for (int y = 0; y < 36; ++y)
            if (plain.pixel(x, y) != focused.pixel(x, y)) {
                ++differing;
                const bool onOutline = x == 3 || x == 56 || y == 3 || y == 32;
                EXPECT_TRUE(onOutline) << x << "," << y;
            }
    EXPECT_GT(differing, 40);
}

TEST(ColourMenu, ItemsAreTheSixteenColoursAndOptionallyAutomatic)
{
    COLOUR_MENU without(0, RGB(1, 2, 3));
    ASSERT_EQ(without.Menu().Items().size(), 16u);
    EXPECT_EQ(GetMenuAutomaticColour(), gdi::GetSysColor(gdi::COLOR_WINDOW));
    COLOUR_MENU with(1, RGB(0x12, 0x34, 0x56));
    const auto& items = with.Menu().Items();
    ASSERT_EQ(items.size(), 17u);
    for (unsigned i = 0; i < 17; ++i) {
        EXPECT_EQ(items[i].id, 157 + i);
        EXPECT_EQ(items[i].itemData, 157 + i);
        EXPECT_TRUE(items[i].ownerDraw);
    }
    EXPECT_EQ(with.Menu().Drawer(), &with);

    ui::MEASUREITEMSTRUCT red;
    red.CtlType = ui::ODT_MENU;
    red.itemData = 166;
    with.MeasureItem(red);
    ui::MEASUREITEMSTRUCT magenta = red;
    magenta.itemData = 170;
    with.MeasureItem(magenta);
    EXPECT_GT(red.itemWidth, 50);
    EXPECT_GT(magenta.itemWidth, red.itemWidth);
    EXPECT_EQ(red.itemHeight, 12);

    // Swatch 5 to 45 across, 2 to bottom - 2 down, outlined black; the
    // background highlighted when selected.
    const QImage plain = Draw(with, ui::ODT_MENU, 0, 120, 16, 0, 166, 166);
    const QImage selected = Draw(with, ui::ODT_MENU, 0, 120, 16, ui::ODS_SELECTED, 166, 166);
    const QImage automatic = Draw(with, ui::ODT_MENU, 0, 120, 16, 0, 173, 173);
    EXPECT_EQ(At(plain, 25, 8), RGB(0xFF, 0, 0));
    EXPECT_EQ(At(plain, 5, 8), kBlack);
    EXPECT_EQ(At(plain, 44, 8), kBlack);
    EXPECT_EQ(At(plain, 25, 2), kBlack);
    EXPECT_EQ(At(plain, 25, 13), kBlack);
    EXPECT_EQ(At(plain, 25, 14), kWhite);
    EXPECT_EQ(At(plain, 2, 8), kWhite);
    EXPECT_EQ(At(selected, 2, 8), kNavy);
    EXPECT_EQ(At(selected, 25, 8), RGB(0xFF, 0, 0));
    EXPECT_EQ(At(automatic, 25, 8), RGB(0x12, 0x34, 0x56));
    // The name at left + 50, light on the highlight.
    EXPECT_EQ(CountOther(plain, QRect(46, 0, 4, 16), kWhite), 0);
    EXPECT_GT(CountOther(plain, QRect(50, 0, 70, 16), kWhite), 10);
    int light = 0;
    for (int x = 50; x < 120; ++x)
        for (int y = 0; y < 16; ++y)
            light += qGray(selected.pixel(x, y)) > 0xC0;
    EXPECT_GT(light, 5);
}

TEST(ColourCombo, ItemDataGivesTheColourAndName)
{
    COLOUR_COMBO combo;
    const QImage red = Draw(combo, ui::ODT_COMBOBOX, 1194, 120, 18, 0, 3, 9);
    EXPECT_EQ(At(red, 25, 9), RGB(0xFF, 0, 0));
    EXPECT_EQ(At(red, 5, 9), kBlack);
    const QImage automatic = Draw(combo, ui::ODT_COMBOBOX, 1194, 120, 18, 0, 16, 16);
    EXPECT_EQ(At(automatic, 25, 9), gdi::GetSysColor(gdi::COLOR_WINDOWTEXT));
    const QImage none = Draw(combo, ui::ODT_COMBOBOX, 1194, 120, 18, ui::ODS_SELECTED, -1, 0);
    for (int x = 0; x < 120; x += 7)
        EXPECT_EQ(At(none, x, 9), kNavy) << x;

    ui::MEASUREITEMSTRUCT measure;
    measure.itemData = 9;
    combo.MeasureItem(measure);
    EXPECT_EQ(measure.itemHeight, 16);
}

} // namespace
