// Drawing borders on the recording surface: the bars of rectangular
// borders, double lines, dashes, rounded and elliptic borders, and the
// strokes of orthogonal and free lines.
#include "forms/model/border.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"

#include "tests/model/shape_fixtures.h"

#include "platform/gdi/image_surface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kBlue = 0xFF0000;

BORDER Line(uint16_t width, uint16_t lineType = kLineSingle, uint8_t style = 1)
{
    BORDER b;
    b.width = width;
    b.lineType = lineType;
    b.style = style;
    b.colour = kRed;
    return b;
}

// The bounding box of everything a FillRegion call filled.
RECT RegionBounds(const gdi::RecordedCall& call)
{
    RECT box {call.points[0].x, call.points[0].y, call.points[0].x, call.points[0].y};
    for (const POINT& p : call.points) {
        box.left = std::min(box.left, p.x);
        box.top = std::min(box.top, p.y);
        box.right = std::max(box.right, p.x);
        box.bottom = std::max(box.bottom, p.y);
    }
    return box;
}

TEST(BorderDrawing, BarsOfABoxStraddleTheEdgeAndACellsLieInside)
{
    struct Case {
        const char* what;
        uint8_t type;
        std::vector<RECT> bars; // left, top, right, bottom of each ring
    } cases[] = {
        {"box", kTypeBox, {{95, 95, 105, 205}, {95, 95, 305, 105}, {295, 95, 305, 205}, {95, 195, 305, 205}}},
        {"cell", kTypeCell, {{100, 100, 110, 200}, {100, 100, 300, 110}, {290, 100, 300, 200}, {100, 190, 300, 200}}},
    };
    for (const Case& c : cases) {
        Mapped m(kDeviceWindow, 1, 1, {1000, 2000});
        Line(10).Draw(m.dc, {1100, 2100, 1300, 2200}, c.type);
        EXPECT_EQ(m.Fills(), c.bars) << c.what;
        for (const auto& call : m.Calls())
            EXPECT_EQ(call.state.brush, gdi::Brush::Solid(kRed)) << c.what;
        EXPECT_EQ(m.device.GetMapMode(), gdi::MM_ANISOTROPIC) << "the mapping is put back";
        EXPECT_EQ(m.device.GetWindowExt(), (gdi::SIZE {1, 1}));
    }
}

TEST(BorderDrawing, DoubleLinesNeedMoreThanTwoDeviceUnits)
{
    struct Case {
        const char* what;
        uint16_t width;
        int twipsPerPixel;
        size_t bars;
    } cases[] = {
        {"30 twips at 15 a pixel: 2 units, one line", 30, 15, 4},
        {"45 twips at 15 a pixel: 3 units, two lines", 45, 15, 8},
        {"61 twips at 1:1", 61, 1, 8},
        {"single line type", 61, 1, 4},
    };
    for (const Case& c : cases) {
        Mapped m(kDeviceWindow, c.twipsPerPixel, 1);
        const uint16_t type = c.bars == 4 && c.width == 61 ? kLineSingle : kLineDouble;
        Line(c.width, type).Draw(m.dc, {1500, 1500, 3000, 3000}, kTypeBox);
        EXPECT_EQ(m.Fills().size(), c.bars) << c.what;
    }

    // Two rings of 23-unit bars 15 apart around the edge.
    Mapped m;
    Line(61, kLineDouble).Draw(m.dc, {100, 100, 300, 200}, kTypeBox);
    const std::vector<RECT> expected = {
        {70, 70, 93, 230},
        {70, 70, 330, 93},
        {307, 70, 330, 230},
        {70, 207, 330, 230},
        {108, 108, 131, 192},
        {108, 108, 292, 131},
        {269, 108, 292, 192},
        {108, 169, 292, 192},
    };
    EXPECT_EQ(m.Fills(), expected);
}

TEST(BorderDrawing, DashedBarsAreCountedInUnitsOfTheirThickness)
{
    // A box of 100 × 100 with 10-unit dotted bars: the top bar is 110
    // long, 11 units adjusted to 10 (10 mod 3 = 1); the first unit takes
    // the shortfall, the last ends at the bar's end.
    Mapped m;
    Line(10, kLineSingle, 3).Draw(m.dc, {100, 100, 200, 200}, kTypeBox);
    std::vector<RECT> top;
    for (const RECT& r : m.Fills())
        if (r.top == 95 && r.bottom == 105)
            top.push_back(r);
    const std::vector<RECT> expected
        = {{95, 95, 110, 105}, {130, 95, 140, 105}, {160, 95, 170, 105}, {190, 95, 205, 105}};
    EXPECT_EQ(top, expected);
}

TEST(BorderDrawing, NoLineTypeDrawsNothing)
{
    for (uint8_t style = 0; style <= 6; ++style) {
        Mapped m;
        BORDER b = Line(40, kLineNone, style);
        b.roundedFlag = 1;
        b.rounding = 144;
        for (uint8_t type : {kTypeBox, kTypeEllipse, kTypeCell})
            b.Draw(m.dc, {100, 100, 900, 900}, type);
        b.DrawStraight(m.dc, {100, 100, 900, 100});
        b.DrawSlanted(m.dc, {100, 100}, {900, 500}, {100, 100, 900, 500});
        EXPECT_TRUE(m.Calls().empty()) << "style " << int(style);
    }
    Mapped other;
    Line(40).Draw(other.dc, {100, 100, 900, 900}, kTypeText);
    EXPECT_TRUE(other.Calls().empty()) << "kinds without a border of their own";
}

TEST(BorderDrawing, EllipsesUseAnInsideFramePen)
{
    struct Case {
        const char* what;
        BORDER border;
        std::vector<RECT> ellipses;
        int pen;
    } cases[] = {
        {"single", Line(20), {{90, 90, 310, 210}}, 20},
        {"double", Line(61, kLineDouble), {{70, 70, 330, 230}, {108, 108, 292, 192}}, 23},
        {"dashes are not used", Line(20, kLineSingle, 2), {{90, 90, 310, 210}}, 20},
    };
    for (const Case& c : cases) {
        Mapped m;
        c.border.Draw(m.dc, {100, 100, 300, 200}, kTypeEllipse);
        ASSERT_EQ(m.Calls().size(), c.ellipses.size()) << c.what;
        for (size_t i = 0; i < c.ellipses.size(); ++i) {
            const auto& call = m.Calls()[i];
            EXPECT_EQ(call.name, "Ellipse") << c.what;
            const RECT r {call.points[0].x, call.points[0].y, call.points[1].x, call.points[1].y};
            EXPECT_EQ(r, c.ellipses[i]) << c.what;
            EXPECT_EQ(call.state.pen, gdi::Pen::InsideFrame(c.pen, kRed)) << c.what;
            EXPECT_TRUE(call.state.brush.IsNull()) << c.what;
        }
    }
}

TEST(BorderDrawing, DrawForFillsThenDrawsTheBorder)
{
    BASICSHADE shade;
    shade.SetColour1(kBlue);
    shade.SetPattern(10);

    Mapped square;
    Line(20).DrawFor(square.dc, shade, {100, 100, 300, 200}, nullptr);
    ASSERT_EQ(square.Fills().size(), 5u);
    EXPECT_EQ(square.Fills()[0], (RECT {90, 90, 310, 210})) << "the outer rectangle is filled first";
    EXPECT_EQ(square.Calls()[0].state.brush, BASICSHADE::GetPatternBrush(10));

    Mapped given;
    const RECT fill {50, 50, 400, 400};
    Line(20).DrawFor(given.dc, shade, {100, 100, 300, 200}, &fill);
    EXPECT_EQ(given.Fills()[0], fill);

    Mapped hidden;
    const RECT clip {0, 0, 40, 40};
    hidden.dc.SetClipRect(&clip);
    Line(20).DrawFor(hidden.dc, shade, {100, 100, 300, 200}, nullptr);
    EXPECT_TRUE(hidden.Calls().empty()) << "nothing out of sight";
}

TEST(BorderDrawing, RoundedCorners)
{
    BASICSHADE shade;
    shade.noFill = 1;
    BORDER solid = Line(20);
    solid.roundedFlag = 1;
    solid.rounding = 144;

    Mapped m;
    solid.DrawFor(m.dc, shade, {100, 100, 900, 700}, nullptr);
    ASSERT_EQ(m.Names(), std::vector<std::string> {"RoundRect"});
    EXPECT_EQ(m.Calls()[0].points, (std::vector<POINT> {{90, 90}, {910, 710}}));
    EXPECT_EQ(m.Calls()[0].values, (std::vector<int> {288, 288}));
    EXPECT_EQ(m.Calls()[0].state.pen, gdi::Pen::InsideFrame(20, kRed));

    BORDER twice = Line(61, kLineDouble);
    twice.roundedFlag = 1;
    twice.rounding = 144;
    Mapped d;
    twice.DrawFor(d.dc, shade, {100, 100, 900, 700}, nullptr);
    ASSERT_EQ(d.Names(), (std::vector<std::string> {"RoundRect", "RoundRect"}));
    EXPECT_EQ(d.Calls()[1].points, (std::vector<POINT> {{108, 108}, {892, 692}}));
    EXPECT_EQ(d.Calls()[1].values, (std::vector<int> {212, 212})) << "the corner less twice the distance";

    // Dashed: the corners clipped to the corner areas, then four dashed
    // straight bars between them.
    BORDER dashed = Line(20, kLineSingle, 2);
    dashed.roundedFlag = 1;
    dashed.rounding = 144;
    Mapped ds;
    dashed.DrawFor(ds.dc, shade, {100, 100, 900, 700}, nullptr);
    ASSERT_FALSE(ds.Calls().empty());
    const auto& corner = ds.Calls()[0];
    EXPECT_EQ(corner.name, "RoundRect");
    ASSERT_TRUE(corner.state.clip.has_value());
    EXPECT_TRUE(corner.state.clip->Contains(95, 95));
    EXPECT_FALSE(corner.state.clip->Contains(500, 95)) << "the straight parts are not drawn rounded";
    EXPECT_FALSE(corner.state.clip->Contains(95, 400));
    EXPECT_FALSE(ds.dc.clipRegion) << "the clipping is put back";
    for (const RECT& r : ds.Fills()) {
        const bool horizontal = r.top == 90 || r.top == 690;
        if (horizontal)
            EXPECT_TRUE(r.left >= 90 + 144 && r.right <= 910 - 144) << "between the corners";
        else
            EXPECT_TRUE(r.top >= 90 + 144 && r.bottom <= 710 - 144) << "between the corners";
    }
    EXPECT_GT(ds.Fills().size(), 8u) << "dashes";
}

TEST(BorderDrawing, DrawRoundedIsOneShapeWithTheFill)
{
    BORDER b = Line(40, kLineDouble, 3);
    b.rounding = 250;
    BASICSHADE shade;
    shade.SetColour1(kBlue);
    shade.SetColour2(kRed);
    shade.SetPattern(4);
    Mapped m(kDevicePicture, 1, 1, {100, 100});
    b.DrawRounded(m.dc, {200, 200, 1200, 800}, &shade);
    ASSERT_EQ(m.Names(), std::vector<std::string> {"RoundRect"});
    const auto& call = m.Calls()[0];
    EXPECT_EQ(call.points, (std::vector<POINT> {{100, 100}, {1100, 700}}));
    EXPECT_EQ(call.values, (std::vector<int> {500, 500}));
    EXPECT_EQ(call.state.pen, gdi::Pen::Solid(40, kRed));
    EXPECT_EQ(call.state.brush, BASICSHADE::GetPatternBrush(4));
    EXPECT_EQ(call.state.textColour, kBlue);
    EXPECT_EQ(call.state.bkColour, kRed);

    shade.noFill = 1;
    b.DrawRounded(m.dc, {200, 200, 1200, 800}, &shade);
    b.DrawRounded(m.dc, {200, 200, 1200, 800}, nullptr);
    EXPECT_TRUE(m.Calls()[1].state.brush.IsNull());
    EXPECT_TRUE(m.Calls()[2].state.brush.IsNull());
}

TEST(BorderDrawing, StraightStrokes)
{
    struct Case {
        const char* what;
        BORDER border;
        RECT rect;
        std::vector<RECT> fills;
    } cases[] = {
        {"horizontal, centred on the line", Line(20), {100, 300, 900, 300}, {{100, 290, 900, 310}}},
        {"vertical", Line(20), {500, 100, 500, 700}, {{490, 100, 510, 700}}},
        {"a square counts as horizontal", Line(10), {100, 100, 200, 200}, {{100, 145, 200, 155}}},
        {"double of 4 units: two lines", Line(45, kLineDouble), {100, 300, 900, 300},
            {{100, 278, 900, 293}, {100, 308, 900, 323}}},
        {"double of 3 units: one line", Line(3, kLineDouble), {100, 300, 900, 300}, {{100, 299, 900, 302}}},
    };
    for (const Case& c : cases) {
        Mapped m;
        c.border.DrawStraight(m.dc, c.rect);
        EXPECT_EQ(m.Fills(), c.fills) << c.what;
    }

    Mapped dots;
    Line(10, kLineSingle, 3).DrawStraight(dots.dc, {0, 100, 100, 100});
    EXPECT_EQ(
        dots.Fills(), (std::vector<RECT> {{0, 95, 10, 105}, {30, 95, 40, 105}, {60, 95, 70, 105}, {90, 95, 100, 105}}));

    Mapped hidden;
    const RECT clip {0, 0, 50, 50};
    hidden.dc.SetClipRect(&clip);
    Line(20).DrawStraight(hidden.dc, {100, 300, 900, 300});
    EXPECT_TRUE(hidden.Calls().empty());
}

TEST(BorderDrawing, SlantedStrokes)
{
    struct Case {
        const char* what;
        uint8_t device;
        BORDER border;
        POINT from, to;
        size_t regions;
        RECT bounds; // of the first region, within a unit
    } cases[] = {
        {"horizontal", kDeviceWindow, Line(20), {100, 500}, {900, 500}, 1, {100, 490, 900, 510}},
        {"45 degrees on paper: the full width", kDevicePrinter, Line(100), {0, 0}, {1000, 1000}, 1,
            {-35, -35, 1035, 1035}},
        {"45 degrees on the screen: 3/4 of 100", kDeviceWindow, Line(100), {0, 0}, {1000, 1000}, 1,
            {-27, -27, 1027, 1027}},
        {"other widths keep theirs", kDeviceWindow, Line(99), {0, 0}, {1000, 1000}, 1, {-35, -35, 1035, 1035}},
        {"double", kDeviceWindow, Line(45, kLineDouble), {100, 500}, {900, 500}, 2, {100, 478, 900, 493}},
        {"dotted: 80 units of 10 become 79, the first 15 long", kDeviceWindow, Line(10, kLineSingle, 3), {100, 500},
            {900, 500}, 27, {100, 495, 115, 505}},
    };
    for (const Case& c : cases) {
        Mapped m(c.device);
        c.border.DrawSlanted(m.dc, c.from, c.to, RECT {c.from.x, c.from.y, c.to.x, c.to.y}.Normalized());
        ASSERT_EQ(m.Calls().size(), c.regions) << c.what;
        const RECT b = RegionBounds(m.Calls()[0]);
        EXPECT_NEAR(b.left, c.bounds.left, 1) << c.what;
        EXPECT_NEAR(b.top, c.bounds.top, 1) << c.what;
        EXPECT_NEAR(b.right, c.bounds.right, 1) << c.what;
        EXPECT_NEAR(b.bottom, c.bounds.bottom, 1) << c.what;
        EXPECT_EQ(m.Calls()[0].state.brush, gdi::Brush::Solid(kRed)) << c.what;
    }
}

TEST(BorderDrawing, ASlantedHairlineHasNoGaps)
{
    // One device unit wide: every column between the ends holds a pixel of
    // the line's colour, whatever the slope.
    for (const POINT to : {POINT {190, 60}, POINT {190, 185}, POINT {60, 190}}) {
        gdi::ImageSurface image(200, 200);
        gdi::DC device(image);
        VIEWDC dc;
        dc.dc = &device;
        dc.deviceKind = kDeviceWindow;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(1, 1);
        Line(1).DrawSlanted(dc, {10, 10}, to, RECT {10, 10, to.x, to.y});
        const bool steep = to.y - 10 > to.x - 10;
        const int end = steep ? to.y : to.x;
        for (int major = 11; major < end - 1; ++major) {
            bool found = false;
            for (int minor = 0; minor < 200 && !found; ++minor)
                found = (steep ? image.Pixel(minor, major) : image.Pixel(major, minor)) == kRed;
            EXPECT_TRUE(found) << "gap at " << major << " towards " << to.x << "," << to.y;
        }
    }
}

TEST(BorderDrawing, AHugeDashedLineCostsOnlyItsVisiblePart)
{
    // Coordinates from a damaged file: two thousand million units of dots.
    Mapped m;
    const BORDER dots = Line(1, kLineSingle, 3);
    dots.FillLine(m.dc, {-2000000000, 10, 2000000000, 11});
    dots.FillLineVertical(m.dc, {10, -2000000000, 11, 2000000000});
    EXPECT_GT(m.Fills().size(), 13000u);
    EXPECT_LT(m.Fills().size(), 13500u) << "a third of the surface's 20000 units each way";

    Mapped slanted;
    dots.DrawSlanted(
        slanted.dc, {-700000000, -700000000}, {700000000, 700000000}, {-700000000, -700000000, 700000000, 700000000});
    EXPECT_GT(slanted.Calls().size(), 9000u);
    EXPECT_LT(slanted.Calls().size(), 9700u) << "a third of the visible diagonal's 28284 units";
}

} // namespace
