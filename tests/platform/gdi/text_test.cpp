#include "platform/gdi/dc.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/font_families.h"
#include "platform/gdi/recording_surface.h"

#include <QFont>
#include <QFontInfo>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace gdi;

Font MakeFont(const char* face, int height, int weight = FW_NORMAL)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.SetFaceName(face);
    return Font(lf);
}

// One logical unit is one device pixel is one twip: fonts 2048 units high
// are measured in the faces' own design units.
class DesignUnits : public testing::Test {
protected:
    DesignUnits()
        : surface(DeviceKind::Window, 1440, 1440, {100000, 100000})
        , dc(surface)
    {}
    RecordingSurface surface;
    DC dc;
};

struct MetricsCase {
    const char* face;
    int height, ascent, descent, internalLeading, externalLeading, averageWidth;
    uint8_t pitchAndFamily;
};

TEST_F(DesignUnits, TextMetricsAreTheWindowsFacesOwn)
{
    // The installed metric-compatible faces stand in for the Windows ones.
    const MetricsCase cases[] = {
        {"Arial", 2288, 1854, 434, 240, 67, 904, TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE | FF_SWISS},
        {"Times New Roman", 2268, 1825, 443, 220, 87, 822, TMPF_FIXED_PITCH | TMPF_VECTOR | TMPF_TRUETYPE | FF_ROMAN},
        {"Courier New", 2320, 1705, 615, 272, 0, 1229, TMPF_VECTOR | TMPF_TRUETYPE | FF_MODERN},
    };
    for (const MetricsCase& c : cases) {
        dc.SelectObject(MakeFont(c.face, -2048));
        TEXTMETRIC tm;
        ASSERT_TRUE(dc.GetTextMetrics(tm));
        EXPECT_EQ(tm.tmHeight, c.height) << c.face;
        EXPECT_EQ(tm.tmAscent, c.ascent) << c.face;
        EXPECT_EQ(tm.tmDescent, c.descent) << c.face;
        EXPECT_EQ(tm.tmInternalLeading, c.internalLeading) << c.face;
        EXPECT_EQ(tm.tmExternalLeading, c.externalLeading) << c.face;
        EXPECT_EQ(tm.tmAveCharWidth, c.averageWidth) << c.face;
        EXPECT_EQ(tm.tmOverhang, 0) << c.face;
        EXPECT_EQ(tm.tmPitchAndFamily, c.pitchAndFamily) << c.face;
        EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth) << c.face;
    }
}

TEST_F(DesignUnits, CellHeightAndWeightAreHonoured)
{
    dc.SelectObject(MakeFont("Arial", 2288)); // a positive height is the cell height
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmHeight, 2288);
    EXPECT_EQ(tm.tmInternalLeading, 240);

    dc.SelectObject(MakeFont("Arial", -2048, FW_BOLD));
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmWeight, FW_BOLD);
    EXPECT_EQ(dc.GetCharWidths()['a'], 1139); // Arial Bold's "a" is as wide as the regular one
    EXPECT_EQ(dc.GetCharWidths()['b'], 1251); // but not its "b"
}

TEST_F(DesignUnits, CharacterWidthsCoverTheWholeCodePage)
{
    struct WidthCase {
        const char* face;
        unsigned char code;
        int width;
    };
    const WidthCase cases[] = {
        {"Arial", ' ', 569},
        {"Arial", 'a', 1139},
        {"Arial", 'W', 1933},
        {"Arial", 'i', 455},
        {"Arial", 0x80, 1139}, // the euro sign
        {"Arial", 0xE9, 1139}, // e acute
        {"Times New Roman", 'a', 909},
        {"Times New Roman", ' ', 512},
        {"Courier New", 'i', 1229},
        {"Courier New", 0xFF, 1229},
    };
    for (const WidthCase& c : cases) {
        dc.SelectObject(MakeFont(c.face, -2048));
        EXPECT_EQ(dc.GetCharWidths()[c.code], c.width) << c.face << " code " << int(c.code);
    }
    dc.SelectObject(MakeFont("Arial", -2048));
    EXPECT_EQ(dc.GetTextExtent("Wai ").cx, 1933 + 1139 + 455 + 569);
    EXPECT_EQ(dc.GetTextExtent("").cx, 0);
    EXPECT_EQ(dc.GetTextExtent("").cy, 2288);
}

TEST_F(DesignUnits, AnAverageWidthStretchesTheFace)
{
    LOGFONT lf = MakeFont("Arial", -2048).GetLogFont();
    lf.lfWidth = 904 * 2;
    dc.SelectObject(Font(lf));
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    EXPECT_EQ(tm.tmAveCharWidth, 1808);
    EXPECT_EQ(tm.tmHeight, 2288);
    EXPECT_NEAR(dc.GetCharWidths()['a'], 2 * 1139, 1);
}

// Courier New is 1229 units wide per character: a 10-character line is 12290.
class DrawTextTest : public DesignUnits {
protected:
    DrawTextTest() { dc.SelectObject(MakeFont("Courier New", -2048)); }

    std::vector<std::pair<POINT, std::string>> Drawn() const
    {
        std::vector<std::pair<POINT, std::string>> lines;
        for (const RecordedCall& call : surface.Calls())
            lines.emplace_back(call.points[0], call.text);
        return lines;
    }
};

TEST_F(DrawTextTest, BreaksLinesAtSpacesToFitTheRectangle)
{
    struct BreakCase {
        const char* text;
        std::vector<std::string> lines;
    };
    const BreakCase cases[] = {
        {"aaaa bbbb cccc dd", {"aaaa bbbb", "cccc dd"}},
        {"aaaa bbbbb cccc", {"aaaa bbbbb", "cccc"}}, // exactly ten fits
        {"abcdefghijklmno xy", {"abcdefghijklmno", "xy"}}, // a long word stays whole
        {"ab   cdefghij  kl", {"ab", "cdefghij", "kl"}}, // spaces at a break are dropped
        {"one\r\ntwo three four\nfive", {"one", "two three", "four", "five"}},
        {"", {}},
    };
    for (const BreakCase& c : cases) {
        surface.Clear();
        RECT r {0, 0, 12290, 100000};
        const int height = dc.DrawText(c.text, r, DT_WORDBREAK | DT_NOPREFIX);
        std::vector<std::string> texts;
        for (const auto& [origin, text] : Drawn())
            texts.push_back(text);
        EXPECT_EQ(texts, c.lines) << c.text;
        EXPECT_EQ(height, 2320 * static_cast<int>(c.lines.size())) << c.text;
    }
}

TEST_F(DrawTextTest, CentresEachLineAndStacksThemByTheFontHeight)
{
    RECT r {1000, 500, 1000 + 12290, 20000};
    dc.DrawText("aaaa bbbb cccc dd", r, DT_WORDBREAK | DT_CENTER | DT_NOPREFIX);
    const auto drawn = Drawn();
    ASSERT_EQ(drawn.size(), 2u);
    EXPECT_EQ(drawn[0].first, (POINT {1000 + (12290 - 9 * 1229) / 2, 500}));
    EXPECT_EQ(drawn[1].first, (POINT {1000 + (12290 - 7 * 1229) / 2, 500 + 2320}));
    // Drawing is clipped to the rectangle.
    RECT box;
    surface.Calls()[0].state.clip->GetBox(box);
    EXPECT_EQ(box, r);
}

TEST_F(DrawTextTest, WithoutWordBreakOnlyLineEndsBreak)
{
    RECT r {0, 0, 1229, 100000};
    EXPECT_EQ(dc.DrawText("aaaa bbbb\rcc", r, DT_NOPREFIX), 2 * 2320);
    ASSERT_EQ(Drawn().size(), 2u);
    EXPECT_EQ(Drawn()[0].second, "aaaa bbbb");
}

TEST_F(DrawTextTest, CalcRectMeasuresWithoutDrawing)
{
    RECT r {100, 200, 100 + 12290, 300};
    EXPECT_EQ(dc.DrawText("aaaa bbbb cccc dd", r, DT_WORDBREAK | DT_CALCRECT), 2 * 2320);
    EXPECT_TRUE(surface.Calls().empty());
    EXPECT_EQ(r, (RECT {100, 200, 100 + 9 * 1229, 200 + 2 * 2320}));
}

TEST_F(DrawTextTest, NoTextMeasuresNothing)
{
    RECT r {100, 200, 5000, 6000};
    EXPECT_EQ(dc.DrawText("", r, DT_WORDBREAK | DT_CALCRECT), 0);
    EXPECT_EQ(r, (RECT {100, 200, 100, 200}));
}

TEST(FontFamilies, WindowsFacesAreOfferedWithTheirPitchAndFamily)
{
    RecordingSurface screen;
    RecordingSurface printer(DeviceKind::Printer, 600, 600);
    for (RecordingSurface* surface : {&screen, &printer}) {
        DC dc(*surface);
        struct FamilyCase {
            const char* face;
            uint8_t pitchAndFamily;
        };
        for (const FamilyCase& c : {FamilyCase {"Arial", 0x27}, {"times new roman", 0x17}, {"Courier New", 0x36}}) {
            const std::vector<FontFamily> found = dc.EnumFontFamilies(c.face);
            ASSERT_EQ(found.size(), 1u) << c.face;
            EXPECT_EQ(found[0].pitchAndFamily, c.pitchAndFamily) << c.face;
            EXPECT_EQ(found[0].fontType, TRUETYPE_FONTTYPE) << c.face;
        }
        EXPECT_TRUE(dc.EnumFontFamilies("No Such Face").empty());
        const std::vector<FontFamily> all = dc.EnumFontFamilies("");
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [](const FontFamily& f) { return f.faceName == "Arial"; }));
    }
}

// The list takes each family's pitch from fontconfig without opening the
// fonts; it must agree with what a face made from the family reports.
TEST(FontFamilies, EveryListedFamilyHasThePitchOfItsFace)
{
    const std::vector<FontFamily> all = EnumInstalledFontFamilies("");
    ASSERT_FALSE(all.empty());
    bool sawFixed = false;
    for (const FontFamily& family : all) {
        const QString name = QString::fromStdString(family.faceName);
        QFont font(name);
        font.setPixelSize(240);
        if (!QFontInfo(font).family().startsWith(name, Qt::CaseInsensitive))
            continue; // a Windows name, listed for the face that stands in
        const bool fixed = QFontInfo(font).fixedPitch();
        sawFixed = sawFixed || fixed;
        EXPECT_EQ((family.pitchAndFamily & TMPF_FIXED_PITCH) == 0, fixed) << family.faceName;
        EXPECT_EQ(family.pitchAndFamily, FacePitchAndFamily(font)) << family.faceName;
    }
    EXPECT_TRUE(sawFixed) << "a monospaced family (Liberation Mono, DejaVu Sans Mono) is installed";
}

} // namespace
