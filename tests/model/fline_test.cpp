// The free line: its direction, end points and record 0x94, hit testing
// of the band around it, handles, repaint rectangle and drawing.
#include "forms/model/border.h"
#include "forms/model/fline.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<FLINE> Line(POINT from, POINT to)
{
    auto line = std::make_unique<FLINE>();
    EXPECT_EQ(line->Init(), 1);
    line->SetEnds(from, to);
    return line;
}

TEST(Line, Directions)
{
    struct Case {
        POINT a, b;
        uint8_t direction;
        unsigned handles;
    } cases[] = {
        {{0, 0}, {10, 10}, kLineFalling, 0x05},
        {{10, 10}, {0, 0}, kLineFalling, 0x05},
        {{0, 10}, {10, 0}, kLineRising, 0x0A},
        {{10, 0}, {0, 10}, kLineRising, 0x0A},
        {{0, 0}, {10, 0}, kLineHorizontal, 0xAF},
        {{0, 0}, {0, 10}, kLineVertical, 0x5F},
        {{5, 5}, {5, 5}, kLineHorizontal, 0xAF},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FLINE::ClassifyDirection(c.a, c.b), c.direction) << c.a.x << "," << c.a.y;
        EXPECT_EQ(Line(c.a, c.b)->GetHandleMask(), c.handles) << c.a.x << "," << c.a.y;
    }
}

TEST(Line, RecordOfTheEndPoints)
{
    // Drawn from bottom-right to top-left: the first end stays there.
    auto line = Line({4500, 3000}, {1500, 1000});
    RECT r;
    line->GetRect(r);
    EXPECT_EQ(r, (RECT {1500, 1000, 4500, 3000}));
    const std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { line->Save(ar, line->GetType()); });
    ASSERT_EQ(bytes.front(), kTypeLine);
    const auto items = GroupItems(bytes);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0][0], 1);
    EXPECT_EQ(items[1], Written([](RECORDARCHIVE& ar) { BORDER().Save(ar, 3); }));
    const std::vector<uint8_t> ends = {0x94, 0x11, 0x00, 0x94, 0x11, 0x00, 0x00, 0xB8, 0x0B, 0x00, 0x00, 0xDC, 0x05,
        0x00, 0x00, 0xE8, 0x03, 0x00, 0x00, 0x03};
    EXPECT_EQ(items[2], ends);

    FLINE back;
    back.Init();
    ReadBack(std::vector<uint8_t>(bytes.begin() + 1, bytes.end()), [&](RECORDARCHIVE& ar) { back.Load(ar, 0); });
    EXPECT_EQ(back.GetFirstEnd(), (POINT {4500, 3000}));
    EXPECT_EQ(back.GetSecondEnd(), (POINT {1500, 1000}));
    EXPECT_EQ(back.GetLineCode(), 3);
}

TEST(Line, HitTestingTheBandAroundTheSegment)
{
    struct Case {
        const char* what;
        POINT from, to;
        int32_t x, y;
        int hit;
    } cases[] = {
        {"horizontal: 2 pixels above", {1500, 3000}, {4500, 3000}, 200, 198, 1},
        {"horizontal: 3 pixels above", {1500, 3000}, {4500, 3000}, 200, 197, 0},
        {"horizontal: 2 pixels below", {1500, 3000}, {4500, 3000}, 200, 202, 1},
        {"horizontal: 3 pixels below", {1500, 3000}, {4500, 3000}, 200, 203, 0},
        {"horizontal: 2 pixels beyond the start", {1500, 3000}, {4500, 3000}, 98, 200, 1},
        {"horizontal: 3 pixels beyond the start", {1500, 3000}, {4500, 3000}, 97, 200, 0},
        {"horizontal: 2 pixels beyond the end", {1500, 3000}, {4500, 3000}, 302, 200, 1},
        {"falling: on the line", {0, 0}, {3000, 3000}, 100, 100, 1},
        {"falling: just beside it", {0, 0}, {3000, 3000}, 100, 102, 1},
        {"falling: too far beside it", {0, 0}, {3000, 3000}, 100, 106, 0},
        {"falling: the empty corner", {0, 0}, {3000, 3000}, 5, 195, 0},
        {"rising: on the line", {0, 3000}, {3000, 0}, 100, 100, 1},
        {"rising: the empty corner", {0, 3000}, {3000, 0}, 30, 30, 0},
        {"vertical: 2 pixels to the side", {1500, 0}, {1500, 3000}, 102, 100, 1},
        {"vertical: 3 pixels to the side", {1500, 0}, {1500, 3000}, 97, 100, 0},
    };
    for (const Case& c : cases) {
        auto line = Line(c.from, c.to);
        Mapped m(kDeviceWindow, 15, 1);
        EXPECT_EQ(line->HitTest(m.dc, c.x, c.y), c.hit) << c.what;
    }
}

TEST(Line, EndsMovedOffTheCornersAreTakenFromTheRectangle)
{
    struct Case {
        const char* what;
        POINT from, to;
        POINT first, second;
    } cases[] = {
        {"falling: left top to right bottom", {1000, 1000}, {2000, 2000}, {500, 500}, {3000, 1500}},
        {"rising: right top to left bottom", {1000, 2000}, {2000, 1000}, {3000, 500}, {500, 1500}},
        {"horizontal: right top to left bottom", {1000, 1000}, {2000, 1000}, {3000, 500}, {500, 1500}},
    };
    for (const Case& c : cases) {
        auto line = Line(c.from, c.to);
        line->SetRect(500, 500, 3000, 1500);
        Mapped m;
        line->Draw(m.dc);
        EXPECT_EQ(line->GetFirstEnd(), c.first) << c.what;
        EXPECT_EQ(line->GetSecondEnd(), c.second) << c.what;
        EXPECT_EQ(m.Names(), std::vector<std::string> {"FillRegion"}) << c.what;
    }

    // Without record 0x94 the line runs along a diagonal of its rectangle.
    FLINE loaded;
    loaded.Init();
    loaded.SetRect(500, 500, 3000, 1500);
    Mapped m;
    loaded.Draw(m.dc);
    EXPECT_EQ(loaded.GetFirstEnd(), (POINT {3000, 500}));
    EXPECT_EQ(loaded.GetSecondEnd(), (POINT {500, 1500}));
}

TEST(Line, NearerEndAndUpdateRectangle)
{
    auto line = Line({0, 0}, {100, 0});
    EXPECT_EQ(line->IsNearerFirstEnd(50, 0), 1) << "a tie grabs the first end";
    EXPECT_EQ(line->IsNearerFirstEnd(49, 7), 1);
    EXPECT_EQ(line->IsNearerFirstEnd(51, 0), 0);

    auto horizontal = Line({1500, 3000}, {4500, 3000});
    Mapped m(kDeviceWindow, 15, 1);
    RECT r;
    horizontal->GetUpdateRect(r, m.dc, 1);
    EXPECT_EQ(r, (RECT {97, 197, 302, 202}));
    horizontal->GetOuterRect(r, m.dc);
    EXPECT_EQ(r, (RECT {1500, 3000, 4500, 3000}));
}

TEST(Line, BordersAndCopies)
{
    auto line = Line({4500, 3000}, {1500, 1000});
    line->SetBorder(BORDER(3, 40, kLineDouble, 0xFF, 1, 144));
    BORDER b;
    line->GetBorder(&b);
    EXPECT_EQ(b.roundedFlag, 0u);
    EXPECT_EQ(b.style, 3);
    SIZE min;
    line->GetMinSize(min);
    EXPECT_EQ(min, (SIZE {0, 0}));

    auto copy = line->Clone();
    ASSERT_TRUE(copy);
    auto* same = dynamic_cast<FLINE*>(copy.get());
    ASSERT_TRUE(same);
    EXPECT_EQ(same->GetFirstEnd(), (POINT {4500, 3000}));
    EXPECT_EQ(same->GetSecondEnd(), (POINT {1500, 1000}));
    same->GetBorder(&b);
    EXPECT_EQ(b.lineType, kLineDouble);

    line->ResetToDefaults();
    RECT r;
    line->GetRect(r);
    EXPECT_EQ(r, (RECT {190, 190, 1250, 2310}));
}

} // namespace
