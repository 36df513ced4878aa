// A page's device mode: a standard paper by its code only when the page
// has that paper upright or turned by its orientation; any other size as
// it stands, in tenths of a millimetre.
#include "forms/document/print/flayout.h"
#include "forms/document/print/page_dev_mode.h"

#include <gtest/gtest.h>

namespace {

TEST(PageDevModeTest, PaperAndOrientationOfAPage)
{
    using namespace gdi;
    struct Case {
        const char* name;
        uint8_t landscape;
        uint16_t width;
        uint16_t height;
        int16_t orientation;
        int16_t paper;
        int16_t length;
        int16_t paperWidth;
        uint32_t fields;
    };
    const uint32_t byCode = DM_ORIENTATION | DM_PAPERSIZE;
    const uint32_t bySize = byCode | DM_PAPERLENGTH | DM_PAPERWIDTH;
    const Case cases[] = {
        {"Letter upright", 0, 12240, 15840, DMORIENT_PORTRAIT, 1, 0, 0, byCode},
        {"Letter on its side", 1, 15840, 12240, DMORIENT_LANDSCAPE, 1, 0, 0, byCode},
        {"near enough A4", 0, 11900, 16900, DMORIENT_PORTRAIT, 9, 0, 0, byCode},
        {"A5, no code", 0, 8391, 11906, DMORIENT_PORTRAIT, DMPAPER_USER, 2100, 1480, bySize},
        {"A5 on its side", 1, 11906, 8391, DMORIENT_LANDSCAPE, DMPAPER_USER, 2100, 1480, bySize},
        // Portrait yet wider than long: Letter's code would print it upright.
        {"wide page marked portrait", 0, 15840, 12240, DMORIENT_PORTRAIT, DMPAPER_USER, 2159, 2794, bySize},
    };
    for (const Case& c : cases) {
        FLAYOUT layout;
        layout.option2 = c.landscape;
        layout.pageWidth = c.width;
        layout.pageHeight = c.height;
        const DevMode mode = PageDevMode(layout);
        EXPECT_EQ(mode.orientation, c.orientation) << c.name;
        EXPECT_EQ(mode.paperSize, c.paper) << c.name;
        EXPECT_EQ(mode.paperLength, c.length) << c.name;
        EXPECT_EQ(mode.paperWidth, c.paperWidth) << c.name;
        EXPECT_EQ(mode.fields, c.fields) << c.name;
    }
}

TEST(PageDevModeTest, APaperByCodeForgetsAnEarlierSize)
{
    gdi::DevMode mode;
    SetDevModePaperSize(mode, 8391, 11906);
    SetDevModePaperSize(mode, 12240, 15840);
    EXPECT_EQ(mode.paperSize, 1);
    EXPECT_EQ(mode.fields, gdi::DM_PAPERSIZE);
}

} // namespace
