// Character formats reach the program's fonts and printers only through
// PROGRAM_FONTS: before anything is handed in they answer as a program
// without fonts, and a printer they borrow is always given back.
#include "forms/model/font_metrics_cache.h"
#include "forms/model/logical_font.h"
#include "forms/model/program_fonts.h"
#include "forms/model/textattr.h"
#include "tests/model/font_test_support.h"

#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kPrinterKind = 2;

TEXTATTR Format(uint16_t face)
{
    TEXTATTR a;
    a.Reset();
    a.face = face;
    return a;
}

TEST(ProgramFonts, BeforeStartUpFormatsShowThePlaceholderLoadAsFaceZeroAndMeasureOnTheScreen)
{
    PROGRAM_FONTS& fonts = GetProgramFonts();
    EXPECT_EQ(fonts.GetTable(), nullptr);
    EXPECT_EQ(fonts.GetAt(0), nullptr);
    EXPECT_EQ(fonts.GetFaceName(0), kPlaceholderFace);
    EXPECT_EQ(fonts.FindOrAdd(FONTFACE("Arial", 0x22, 0)), 0);

    for (int16_t escapement : {0, 900}) {
        gdi::LOGFONT lf;
        MakeLogicalFont(Format(3), lf, escapement);
        EXPECT_EQ(lf.FaceName(), kPlaceholderFace) << escapement;
    }

    FONT_TABLE fileTable;
    const Bytes bytes = Written([](RECORDARCHIVE& r) { Format(1).Save(r, 4); });
    TEXTATTR loaded = Format(7);
    ReadBack(bytes, [&](RECORDARCHIVE& r) { loaded.Load(r, &fileTable); });
    EXPECT_EQ(loaded.face, 0);

    FONTMETRICSCACHE cache;
    gdi::TEXTMETRIC layout;
    cache.GetFont(kPrinterKind, 991, 0, Format(0), 0, &layout, nullptr);
    EXPECT_GT(layout.tmHeight, 0);
    EXPECT_GT(cache.GetCharWidths(991, 0, Format(0), 0)[int('a')], 0);
}

TEST(ProgramFonts, WithoutFontsTheTableGroupIsWrittenEmptyAndSteppedOverWhenRead)
{
    EXPECT_EQ(Written([](RECORDARCHIVE& r) { GetProgramFonts().WriteTable(r.GetArchive()); }), (Bytes {0x28, 0xFF}));

    const Bytes group = Concat(
        {Bytes {0x28}, FaceRecord("Arial", 0x22), Bytes {0x2D}, FaceRecord("Symbol", 0x12), Bytes {0xFF, 0xFF, 0x7E}});
    ReadBack(group, [](RECORDARCHIVE& r) {
        EXPECT_EQ(GetProgramFonts().ReadTable(r.GetArchive()), nullptr);
        EXPECT_EQ(r.ReadU8(), 0x7E) << "the stream goes on after the group";
    });
}

// A program whose one printer is a 600 dpi recording device, counting what
// it lends.
class FakePrinters : public PROGRAM_FONTS {
public:
    FakePrinters()
    {
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(600, 600);
    }
    gdi::DC* GetPrinterDC(uint16_t printerId, uint32_t mode) override
    {
        ids.push_back(printerId);
        modes.push_back(mode);
        ++lent;
        return &dc;
    }
    void ReleasePrinterDC() override { ++released; }

    gdi::RecordingSurface surface {gdi::DeviceKind::Printer, 600, 600};
    gdi::DC dc {surface};
    std::vector<uint16_t> ids;
    std::vector<uint32_t> modes;
    int lent = 0;
    int released = 0;
};

TEST(ProgramFonts, TheMetricsCacheMeasuresOnThePrinterItIsLentAndGivesItBack)
{
    FakePrinters printers;
    SetProgramFonts(&printers);
    FONTMETRICSCACHE cache;
    gdi::TEXTMETRIC layout;
    cache.GetFont(kPrinterKind, 993, 1, Format(0), 0, &layout, nullptr);
    cache.GetCharWidths(994, 0, Format(0), 0);
    cache.GetFont(kPrinterKind, 993, 1, Format(0), 0, &layout, nullptr);
    cache.GetCharWidths(994, 0, Format(0), 0);
    SetProgramFonts(nullptr);

    EXPECT_EQ(printers.ids, (std::vector<uint16_t> {993, 994})) << "what is held is not measured again";
    EXPECT_EQ(printers.modes, (std::vector<uint32_t> {1, 0}));
    EXPECT_EQ(printers.released, printers.lent);
    EXPECT_EQ(printers.dc.GetMapMode(), gdi::MM_ANISOTROPIC) << "the lent context's mapping is left as it was";
    EXPECT_EQ(GetProgramFonts().GetPrinterDC(993, 0), nullptr) << "back to the program without fonts";
}

} // namespace
