// The border's values and rounding rule, its record group, the layout of
// its bars and its dash units.
#include "forms/model/border.h"
#include "forms/model/border_layout.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

using Units = std::vector<std::pair<int32_t, int32_t>>;

TEST(Border, RoundingFollowsTheWidth)
{
    struct Case {
        const char* what;
        uint16_t rounding, width;
        uint16_t expected;
    } cases[] = {
        {"76 twips and more: the large radius", 144, 76, 250},
        {"below 76: the small radius", 250, 60, 144},
        {"75 is still small", 250, 75, 144},
        {"square corners stay square when thick", 0, 200, 0},
        {"square corners stay square when thin", 0, 10, 0},
    };
    for (const Case& c : cases) {
        BORDER b;
        b.rounding = c.rounding;
        b.SetWidth(c.width);
        EXPECT_EQ(b.rounding, c.expected) << c.what;

        BORDER copied;
        BORDER source(1, c.width, kLineSingle, 0, 1, c.rounding);
        copied.Copy(source);
        EXPECT_EQ(copied.rounding, c.expected) << "copy: " << c.what;
        EXPECT_EQ(source.rounding, c.rounding) << "the constructor stores the rounding as given";
    }
    BORDER b;
    b.SetWidth(76);
    b.SetDerived(1);
    EXPECT_EQ(b.rounding, 250);
    b.SetDerived(0);
    EXPECT_EQ(b.rounding, 0);
}

TEST(Border, SettersAnswerTheOldValue)
{
    BORDER b;
    EXPECT_EQ(b.SetStyle(3), 1);
    EXPECT_EQ(b.SetStyle(6), 3) << "6 is refused";
    EXPECT_EQ(b.SetStyle(-1), 3);
    EXPECT_EQ(b.style, 3);
    EXPECT_EQ(b.SetWidth(40), 20);
    EXPECT_EQ(b.SetLineType(kLineDouble), kLineSingle);
    EXPECT_EQ(b.SetColour(0xFF), 0u);
    b.SetSpecialStyle();
    EXPECT_TRUE(b.IsSpecialStyle());
    BORDER other;
    EXPECT_FALSE(b.IsEqual(other));
    other = b;
    EXPECT_TRUE(b.IsEqual(other));
}

TEST(Border, RecordGroupBytes)
{
    BORDER b(4, 0x0123, kLineDouble, 0x00A1B2C3, 7, 144);
    const std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { b.Save(ar, 3); });
    const std::vector<uint8_t> expected = {
        0x03, // tag
        0x81,
        0x09,
        0x00,
        0x04,
        0x23,
        0x01,
        0x02,
        0x00, // style, width, line type
        0xC3,
        0xB2,
        0xA1,
        0x00, // colour
        0x82,
        0x04,
        0x00,
        0x01,
        0x00,
        0x90,
        0x00, // rounded flag as 1, rounding
        0xFF,
    };
    EXPECT_EQ(bytes, expected);

    BORDER back;
    ReadBack(std::vector<uint8_t>(bytes.begin() + 1, bytes.end()), [&](RECORDARCHIVE& ar) { back.Load(ar); });
    EXPECT_EQ(back.style, 4);
    EXPECT_EQ(back.width, 0x0123);
    EXPECT_EQ(back.lineType, kLineDouble);
    EXPECT_EQ(back.colour, 0x00A1B2C3u);
    EXPECT_EQ(back.roundedFlag, 1u);
    EXPECT_EQ(back.rounding, 144);
}

TEST(Border, LoadingAppliesTheWidthAndKeepsTheStoredRounding)
{
    // Record 0x82 first: the width that follows re-derives its rounding;
    // record 0x82 last: the rounding stands as stored. Unknown records are
    // stepped over.
    const std::vector<uint8_t> cornersFirst = {0x82, 0x04, 0x00, 0x02, 0x00, 0x90, 0x00, 0x99, 0x01, 0x00, 0x55, 0x81,
        0x09, 0x00, 0x01, 0x64, 0x00, 0x01, 0x00, 0, 0, 0, 0, 0xFF};
    BORDER b;
    ReadBack(cornersFirst, [&](RECORDARCHIVE& ar) { b.Load(ar); });
    EXPECT_EQ(b.rounding, 250) << "width 100 makes the radius large";
    EXPECT_EQ(b.roundedFlag, 0u) << "only 1 sets the flag";

    const std::vector<uint8_t> cornersLast
        = {0x81, 0x09, 0x00, 0x01, 0x64, 0x00, 0x01, 0x00, 0, 0, 0, 0, 0x82, 0x04, 0x00, 0x01, 0x00, 0x90, 0x00, 0xFF};
    BORDER c;
    ReadBack(cornersLast, [&](RECORDARCHIVE& ar) { c.Load(ar); });
    EXPECT_EQ(c.rounding, 144);
    EXPECT_EQ(c.roundedFlag, 1u);
}

TEST(Border, DashUnits)
{
    struct Case {
        const char* what;
        uint8_t style;
        int32_t start, end, unit;
        Units expected;
    } cases[] = {
        {"solid", 1, 0, 100, 10, {{0, 100}}},
        {"style 0 is solid", 0, 5, 17, 4, {{5, 17}}},
        {"the special style is solid", 6, 0, 30, 10, {{0, 30}}},
        {"dots over 10 units: 0, 3, 6, 9", 3, 0, 100, 10, {{0, 10}, {30, 40}, {60, 70}, {90, 100}}},
        {"dashes over 8 units end on a dash", 2, 0, 80, 10, {{0, 30}, {50, 80}}},
        {"11 units of dashes become 13: the excess split over both ends", 2, 0, 110, 10,
            {{0, 20}, {40, 70}, {90, 110}}},
        {"dash dot over 11 units", 4, 0, 110, 10, {{0, 30}, {50, 60}, {80, 110}}},
        {"dash dot dot over 14 units", 5, 0, 140, 10, {{0, 30}, {50, 60}, {80, 90}, {110, 140}}},
        {"shorter than a unit: one dot", 3, 0, 6, 10, {{0, 6}}},
        {"4 units of dots: the excess split over both ends", 3, 100, 130, 10, {{100, 105}, {125, 130}}},
    };
    for (const Case& c : cases) {
        // Units next to each other are one run.
        Units merged;
        for (const auto& u : DashUnits(c.style, c.start, c.end, c.unit)) {
            if (!merged.empty() && merged.back().second == u.first)
                merged.back().second = u.second;
            else
                merged.push_back(u);
        }
        EXPECT_EQ(merged, c.expected) << c.what;
    }

    // Only the units reaching into the visible part, the same as they lie
    // in the whole bar.
    EXPECT_EQ(DashUnits(3, 0, 100, 10, 35, 65), (Units {{30, 40}, {60, 70}}));
    EXPECT_EQ(DashUnits(3, 0, 100, 10, 95, 200), (Units {{90, 100}}));
    EXPECT_TRUE(DashUnits(3, 0, 100, 10, 200, 300).empty());
}

TEST(Border, OuterAndInnerRectangles)
{
    struct Case {
        const char* what;
        uint16_t width, lineType;
        int twips, pixels;
        RECT outer, inner;
    } cases[] = {
        {"single, 1:1", 20, kLineSingle, 1, 1, {990, 990, 2010, 1510}, {1010, 1010, 1990, 1490}},
        {"none: the rectangle", 200, kLineNone, 1, 1, {1000, 1000, 2000, 1500}, {1000, 1000, 2000, 1500}},
        {"double, 1:1: two lines and a gap", 61, kLineDouble, 1, 1, {970, 970, 2030, 1530}, {1031, 1031, 1969, 1469}},
        {"single at 15 twips a pixel", 60, kLineSingle, 15, 1, {975, 975, 2025, 1530}, {1035, 1035, 1965, 1470}},
        {"a thin line inside a small rectangle stays whole", 2000, kLineSingle, 1, 1, {0, 0, 3000, 2500},
            {2000, 2000, 2000, 2000}},
    };
    for (const Case& c : cases) {
        Mapped m(kDeviceWindow, c.twips, c.pixels);
        BORDER b;
        b.width = c.width;
        b.lineType = c.lineType;
        RECT outer {1000, 1000, 2000, 1500};
        RECT inner = outer;
        b.GetOuterRect(m.dc, outer);
        b.GetInnerRect(m.dc, inner);
        EXPECT_EQ(outer, c.outer) << c.what;
        EXPECT_EQ(inner, c.inner) << c.what;
    }
}

} // namespace
