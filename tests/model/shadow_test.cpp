// The shadow's record group and its drawing behind rectangles, rounded
// rectangles and ellipses.
#include "forms/model/shadow.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kGrey = 0x808080;

SHADOW Shadow(int16_t x, int16_t y)
{
    SHADOW s;
    s.colour = kGrey;
    s.x = x;
    s.y = y;
    return s;
}

TEST(Shadow, RecordHoldsYBeforeX)
{
    const SHADOW s = Shadow(-90, 90);
    const std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { s.Save(ar, 5); });
    const std::vector<uint8_t> expected
        = {0x05, 0x81, 0x08, 0x00, 0x80, 0x80, 0x80, 0x00, 0x5A, 0x00, 0xA6, 0xFF, 0xFF};
    EXPECT_EQ(bytes, expected);

    SHADOW back;
    ReadBack(std::vector<uint8_t>(bytes.begin() + 1, bytes.end()), [&](RECORDARCHIVE& ar) { back.Load(ar); });
    EXPECT_TRUE(back.IsEqual(s));
    EXPECT_EQ(back.x, -90);
    EXPECT_EQ(back.y, 90);
}

TEST(Shadow, SquareCornersFillTwoStrips)
{
    struct Case {
        int16_t x, y;
        std::vector<RECT> strips;
    } cases[] = {
        {90, 90, {{300, 190, 390, 290}, {190, 200, 390, 290}}},
        {-90, 90, {{10, 190, 100, 290}, {10, 200, 210, 290}}},
        {90, -90, {{300, 10, 390, 110}, {190, 10, 390, 100}}},
        {-90, -90, {{10, 10, 100, 110}, {10, 10, 210, 100}}},
        {0, 90, {{100, 200, 300, 290}}},
        {0, 0, {}},
    };
    for (const Case& c : cases) {
        Mapped m(kDeviceWindow, 1, 1, {1000, 1000});
        Shadow(c.x, c.y).Draw(m.dc, {1100, 1100, 1300, 1200}, 0);
        EXPECT_EQ(m.Fills(), c.strips) << c.x << ", " << c.y;
        for (const auto& call : m.Calls())
            EXPECT_EQ(call.state.brush, gdi::Brush::Solid(kGrey));
    }
}

TEST(Shadow, RoundedCornersFillTheMovedShapeLessTheObject)
{
    Mapped m;
    Shadow(90, 90).Draw(m.dc, {100, 100, 300, 200}, 50);
    ASSERT_EQ(m.Names(), std::vector<std::string> {"FillRegion"});
    const gdi::RecordedCall& call = m.Calls()[0];
    EXPECT_EQ(call.state.brush, gdi::Brush::Solid(kGrey));
    gdi::Region filled;
    for (size_t i = 0; i + 1 < call.points.size(); i += 2)
        filled.Combine(filled,
            gdi::Region::Rect(call.points[i].x, call.points[i].y, call.points[i + 1].x, call.points[i + 1].y),
            gdi::RGN_OR);
    EXPECT_TRUE(filled.Contains(350, 250));
    EXPECT_FALSE(filled.Contains(250, 150)) << "the object itself";
    EXPECT_FALSE(filled.Contains(193, 193)) << "the shadow's rounded corner";
    EXPECT_TRUE(filled.Contains(295, 195)) << "behind the object's rounded corner";
}

TEST(Shadow, EllipsesAreClippedToLeaveTheObjectOut)
{
    Mapped m(kDeviceWindow, 15, 1, {1500, 1500});
    Shadow(90, 150).DrawEllipse(m.dc, {1500, 1500, 4500, 3000});
    ASSERT_EQ(m.Names(), std::vector<std::string> {"Ellipse"});
    const gdi::RecordedCall& call = m.Calls()[0];
    EXPECT_EQ(call.points, (std::vector<POINT> {{6, 10}, {206, 110}}));
    EXPECT_TRUE(call.state.pen.IsNull());
    EXPECT_EQ(call.state.brush, gdi::Brush::Solid(kGrey));
    ASSERT_TRUE(call.state.clip.has_value());
    EXPECT_FALSE(call.state.clip->Contains(100, 50)) << "the object's own ellipse";
    EXPECT_TRUE(call.state.clip->Contains(150, 105));
    EXPECT_FALSE(m.dc.clipRegion) << "the clipping is put back";
    EXPECT_EQ(m.device.GetMapMode(), gdi::MM_ANISOTROPIC);

    Mapped none;
    Shadow(0, 0).DrawEllipse(none.dc, {1500, 1500, 4500, 3000});
    Shadow(0, 0).Draw(none.dc, {1500, 1500, 4500, 3000}, 144);
    EXPECT_TRUE(none.Calls().empty());

    Mapped hidden;
    const RECT clip {0, 0, 50, 50};
    hidden.dc.SetClipRect(&clip);
    Shadow(90, 90).DrawEllipse(hidden.dc, {1500, 1500, 4500, 3000});
    Shadow(90, 90).Draw(hidden.dc, {1500, 1500, 4500, 3000}, 144);
    EXPECT_TRUE(hidden.Calls().empty()) << "out of sight";
}

} // namespace
