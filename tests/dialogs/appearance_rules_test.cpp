// The appearance pages' rules as plain code, by tables of cases: widths in
// points, double lines and rounding, pattern positions and shade marks,
// line spacing in inches and centimetres, underline latches, the nearest
// size, and the font-name and font-size lists.
#include "forms/dialogs/appearance/font_rules.h"
#include "forms/dialogs/appearance/line_rules.h"
#include "forms/dialogs/appearance/shade_rules.h"
#include "forms/dialogs/appearance/spacing_rules.h"
#include "forms/document/font_lists.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(LineRules, WidthTextAndTypedWidths)
{
    const std::pair<uint16_t, const char*> shown[]
        = {{10, "0.5 pt"}, {25, "1.2 pt"}, {30, "1.5 pt"}, {20, "1 pt"}, {200, "10 pt"}, {5, "0.2 pt"}, {45, "2.2 pt"}};
    for (const auto& [twips, text] : shown)
        EXPECT_EQ(WidthText(twips), text) << twips;
    const std::pair<const char*, std::optional<uint16_t>> typed[]
        = {{"12", std::nullopt}, {"0.4", std::nullopt}, {"2.26", 45}, {"0.5 pt", 10}, {"10 pt", 200}, {"3", 60},
            {"1.5 pt", 30}, {"abc", std::nullopt}, {"", std::nullopt}, {"10.01", std::nullopt}};
    for (const auto& [text, width] : typed)
        EXPECT_EQ(ParseWidth(text), width) << text;
}

TEST(LineRules, DoubleLinesNeedAWideSolidLine)
{
    struct Case {
        uint8_t style;
        uint16_t width;
        uint16_t lineType;
        int styleIndex; // -1: the width rule
        uint16_t lineTypeAfter;
        bool doubleAllowed;
    };
    const Case cases[] = {
        {1, 45, kLineDouble, -1, kLineDouble, true},
        {1, 40, kLineDouble, -1, kLineSingle, false},
        {1, 42, kLineNone, -1, kLineNone, false},
        {1, 60, kLineDouble, 2, kLineSingle, false}, // Dotted
        {1, 60, kLineDouble, 0, kLineDouble, true}, // Solid
        {3, 60, kLineSingle, 0, kLineSingle, true},
    };
    for (const Case& c : cases) {
        BORDER b(c.style, c.width, c.lineType, 0, 1, 0);
        const bool allowed = c.styleIndex < 0 ? ApplyWidthRule(b) : ApplyStyleRule(b, c.styleIndex);
        EXPECT_EQ(b.lineType, c.lineTypeAfter) << c.width << " " << c.styleIndex;
        EXPECT_EQ(allowed, c.doubleAllowed) << c.width << " " << c.styleIndex;
    }
}

TEST(LineRules, RoundingAndValuesNoControlShows)
{
    for (const auto& [width, rounding] : {std::pair<uint16_t, uint16_t> {20, 144}, {75, 144}, {76, 250}}) {
        BORDER b(1, width, kLineSingle, 0, 1, 0);
        ToggleRounding(b);
        EXPECT_EQ(b.rounding, rounding) << width;
        ToggleRounding(b);
        EXPECT_EQ(b.rounding, 0) << width;
    }
    EXPECT_EQ(LineTypeRadio(2), 1075);
    EXPECT_EQ(LineTypeRadio(3), 0);
    EXPECT_EQ(StyleListIndex(5), 4);
    EXPECT_EQ(StyleListIndex(0), -1);
    EXPECT_EQ(StyleListIndex(7), -1);
}

TEST(ShadeRules, PatternPositionsAndMarks)
{
    EXPECT_EQ(PatternValueAt(19), 10);
    EXPECT_EQ(PatternValueAt(10), 11);
    EXPECT_EQ(PatternPosFromValue(10), 19);
    EXPECT_EQ(PatternPosFromValue(21), 0);
    EXPECT_EQ(PatternPosFromValue(-1), 0);
    struct Case {
        gdi::COLORREF background;
        int other;
        int button;
    };
    const Case cases[] = {{0, 0, 1025}, {0xFFFFFF, 15, 1024}, {gdi::RGB(0xFF, 0, 0), 9, 1026}, {0x123456, 0, 1025}};
    for (const Case& c : cases) {
        BASICSHADE s;
        s.colour2 = c.background;
        const ShadeMarks marks = MarksOf(s);
        EXPECT_EQ(marks.other, c.other) << c.background;
        EXPECT_EQ(marks.background, c.button) << c.background;
    }
}

TEST(ShadeRules, AClickOnWhatIsMarkedChangesNothingUnlessTransparent)
{
    BASICSHADE s;
    s.SetPattern(4);
    ShadeMarks marks = MarksOf(s);
    EXPECT_FALSE(ClickPattern(s, marks, 4));
    EXPECT_FALSE(ClickSwatch(s, marks, 1027));
    // Black on white by default: "White" is the marked background.
    EXPECT_FALSE(ClickBackground(s, marks, 1024));
    EXPECT_TRUE(ClickBackground(s, marks, 1025));
    EXPECT_EQ(s.colour2, 0u);
    EXPECT_TRUE(ClickTransparent(s));
    marks = MarksOf(s);
    EXPECT_TRUE(ClickPattern(s, marks, 4));
    EXPECT_EQ(s.noFill, 0);
    EXPECT_FALSE(ChooseOtherColour(s, 173));
    EXPECT_TRUE(ChooseOtherColour(s, 172));
    EXPECT_EQ(s.colour2, 0xFFFFFFu);
}

TEST(SpacingRules, ShownAndTypedSpacings)
{
    EXPECT_EQ(SpacingText(180, kUnitInches), "0.125");
    EXPECT_EQ(SpacingText(240, kUnitInches), "0.167");
    EXPECT_EQ(SpacingText(567, kUnitCentimetres), "1.000");
    EXPECT_EQ(SpacingText(7200, kUnitInches), "5.000");
    struct Case {
        const char* text;
        uint8_t units;
        std::optional<uint16_t> twips;
    };
    const Case cases[] = {
        {"0.01", kUnitInches, std::nullopt}, // 14 twips
        {"5", kUnitInches, 7200}, {"5.1", kUnitInches, std::nullopt}, // 7344
        {"2cm", kUnitInches, std::nullopt}, {" 0.5 ", kUnitInches, 720}, {"\t1\t", kUnitInches, 1440},
        {"", kUnitInches, std::nullopt}, {"   ", kUnitInches, std::nullopt}, {"0", kUnitInches, std::nullopt},
        {"-1", kUnitInches, std::nullopt}, {"1", kUnitCentimetres, 567}, {"0.05", kUnitCentimetres, 28},
        {"1,5", kUnitInches, std::nullopt}, {"0.5000000000000000001", kUnitInches, 720}, // read up to 18 characters
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseSpacing(c.text, c.units), c.twips) << '"' << c.text << '"';
}

TEST(FontRules, UnderlineLatchesClearEachOther)
{
    UnderlineLatches latches = LatchesOf(kUnderlineSingle);
    EXPECT_EQ(ToggleUnderline(latches, 1418), kUnderlineWord);
    EXPECT_EQ(latches, (UnderlineLatches {false, true, false}));
    EXPECT_EQ(ToggleUnderline(latches, 1418), kUnderlineNone);
    EXPECT_EQ(latches, (UnderlineLatches {}));
    EXPECT_EQ(ToggleUnderline(latches, 1419), kUnderlineDouble);
    EXPECT_EQ(ToggleUnderline(latches, 1417), kUnderlineSingle);
    EXPECT_EQ(latches, (UnderlineLatches {true, false, false}));
}

TEST(FontRules, TheNearestSizeTakesTheLargerOnATie)
{
    FontSizeList list;
    for (uint16_t size : {8, 10, 12, 18})
        AddSize(size, list);
    const std::pair<uint16_t, uint16_t> cases[] = {{10, 10}, {11, 12}, {9, 10}, {7, 8}, {15, 18}, {14, 12}, {100, 18}};
    for (const auto& [wanted, nearest] : cases)
        EXPECT_EQ(NearestSize(list, wanted), nearest) << wanted;
    EXPECT_EQ(NearestSize(FontSizeList {}, 10), 0);
}

TEST(FontRules, MixedPartsAreShownAsTheDefaults)
{
    TEXTATTR mixed;
    mixed.SetMixed();
    mixed.bold = 1;
    const TEXTATTR shown = ShownTextAttr(mixed);
    EXPECT_EQ(shown.size, 240);
    EXPECT_EQ(shown.face, 0);
    EXPECT_EQ(shown.colour, 0u);
    EXPECT_EQ(shown.bold, 1);
    EXPECT_EQ(shown.underline, 0);
}

TEST(FontLists, NamesAreListedOnceAndAPrefixIsNoDuplicate)
{
    const std::vector<gdi::FontFamily> printer {
        {"Arial Black", 0x26, 0, 4}, {"Arial", 0x26, 0, 4}, {"arial", 0x26, 0, 4}, {"Courier New", 0x36, 0, 4}};
    const std::vector<gdi::FontFamily> screen {{"Fixedsys", 0x30, 0, 0}, {"Tahoma", 0x26, 0, 4}};
    const std::vector<std::string> expected {"Arial Black", "Arial", "Courier New", "Tahoma"};
    EXPECT_EQ(FontNameList(printer, screen), expected);
}

TEST(FontLists, ScalableFacesListSixToSeventyTwoAndAddSizeKeepsOrder)
{
    FontSizeList list = FontSizesFor("Arial");
    ASSERT_EQ(list.count, 67);
    EXPECT_EQ(list.sizes[0], 6);
    EXPECT_EQ(list.sizes[66], 72);
    EXPECT_EQ(list.scalable, 1u);
    EXPECT_EQ(AddSize(40, list), 0);
    FontSizeList some;
    for (uint16_t size : {12, 8, 12, 10})
        AddSize(size, some);
    ASSERT_EQ(some.count, 3);
    EXPECT_EQ(some.sizes[0], 8);
    EXPECT_EQ(some.sizes[1], 10);
    EXPECT_EQ(some.sizes[2], 12);
}

} // namespace
