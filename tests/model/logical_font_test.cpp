#include "forms/model/logical_font.h"
#include "forms/model/textattr.h"
#include "tests/model/font_test_support.h"

#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

class LogicalFont : public ProgramFontsTest {
protected:
    TEXTATTR Attr(uint16_t face, uint8_t bold = 0, uint8_t italic = 0, uint16_t size = 240)
    {
        TEXTATTR a;
        a.Reset();
        a.face = face;
        a.bold = bold;
        a.italic = italic;
        a.size = size;
        a.underline = kUnderlineDouble;
        a.strike = 1;
        return a;
    }
};

TEST_F(LogicalFont, BuildsWeightItalicAndFaceWithoutUnderlineOrStrikeOut)
{
    const uint16_t arial = IndexOf("Arial");
    struct Case {
        const char* what;
        TEXTATTR attr;
        int16_t escapement;
        int32_t weight;
        uint8_t italic;
        std::string face;
    };
    const Case cases[] = {
        {"plain", Attr(arial), 0, 400, 0, "Arial"},
        {"bold italic", Attr(arial, 1, 1), 0, 700, 1, "Arial"},
        {"turned TrueType face stays", Attr(IndexOf("Courier New")), 450, 400, 0, "Courier New"},
        {"index outside the table", Attr(0x7000), 0, 400, 0, std::string(kPlaceholderFace)},
    };
    for (const Case& c : cases) {
        gdi::LOGFONT lf;
        lf.lfWidth = 99;
        lf.lfUnderline = 1;
        lf.lfStrikeOut = 1;
        MakeLogicalFont(c.attr, lf, c.escapement);
        EXPECT_EQ(lf.lfHeight, -240) << c.what;
        EXPECT_EQ(lf.lfWidth, 0) << c.what;
        EXPECT_EQ(lf.lfEscapement, c.escapement) << c.what;
        EXPECT_EQ(lf.lfWeight, c.weight) << c.what;
        EXPECT_EQ(lf.lfItalic, c.italic) << c.what;
        EXPECT_EQ(lf.lfUnderline, 0) << c.what;
        EXPECT_EQ(lf.lfStrikeOut, 0) << c.what;
        EXPECT_EQ(lf.FaceName(), c.face) << c.what;
    }
}

TEST_F(LogicalFont, DeviceFontHeightIsTheSizeInTheDevicesPixels)
{
    struct Case {
        int dpi;
        uint16_t size;
        int32_t height;
    };
    const Case cases[] = {{96, 240, -16}, {600, 240, -100}, {300, 190, -40}, {96, 150, -10}};
    for (const Case& c : cases) {
        gdi::RecordingSurface surface(gdi::DeviceKind::Printer, c.dpi, c.dpi);
        gdi::DC dc(surface);
        gdi::LOGFONT lf;
        MakeDeviceFont(dc, Attr(IndexOf("Arial"), 0, 0, c.size), lf, 0);
        EXPECT_EQ(lf.lfHeight, c.height) << c.dpi << " dpi, size " << c.size;
    }
}

TEST_F(LogicalFont, FaceFlagsComeFromTheInstalledFont)
{
    EXPECT_EQ(GetFaceFlags(nullptr), 0x14);
    const FONTFACE missing("No Such Face Anywhere", 0x22, 0);
    EXPECT_EQ(GetFaceFlags(&missing), 0x14);
    const FONTFACE courier("Courier New", 0, 0);
    const uint8_t flags = GetFaceFlags(&courier);
    EXPECT_TRUE(flags & gdi::TMPF_TRUETYPE);
    EXPECT_FALSE(flags & gdi::TMPF_FIXED_PITCH) << "a fixed-pitch face has the pitch bit clear";
}

// Faces that cannot be turned are replaced by the first listed face that the
// table holds.
TEST_F(LogicalFont, RotatedRasterFacesAreReplacedByFacesOfTheTable)
{
    auto table = [](std::initializer_list<const char*> names) {
        auto t = std::make_unique<FONT_TABLE>();
        t->RemoveAll();
        t->AddPlaceholder();
        for (const char* n : names)
            t->FindOrAdd(FONTFACE(n, 0x22, 0));
        return t;
    };
    const auto full = table({"Times New Roman", "arial", "Courier New", "Modern", "Roman", "Script"});
    const auto romanOnly = table({"Roman", "Modern"});
    const auto none = table({"Tahoma"});
    struct Case {
        const char* what;
        uint8_t flags;
        const FONT_TABLE* table;
        const char* expected; // null: the face stays
    };
    const Case cases[] = {
        {"TrueType", 0x25, full.get(), nullptr},
        {"vector, not a device face", 0x23, full.get(), nullptr},
        {"vector device face", 0x2B, full.get(), "arial"},
        {"raster swiss", 0x21, full.get(), "arial"},
        {"raster swiss, no Arial", 0x21, romanOnly.get(), "Roman"},
        {"raster swiss, neither", 0x21, none.get(), nullptr},
        {"raster fixed pitch", 0x30, full.get(), "Courier New"},
        {"raster fixed pitch, no Courier New", 0x30, romanOnly.get(), "Modern"},
        {"raster roman", 0x11, full.get(), "Times New Roman"},
        {"raster roman, no Times New Roman", 0x11, romanOnly.get(), "Roman"},
        {"raster script", 0x41, full.get(), "Script"},
        {"raster script, no Script", 0x41, romanOnly.get(), nullptr},
    };
    for (const Case& c : cases) {
        const FONTFACE* substitute = RotatableSubstitute(c.flags, *c.table);
        EXPECT_EQ(substitute ? substitute->GetName() : "(stays)", c.expected ? c.expected : "(stays)") << c.what;
    }
}

} // namespace
