// The orthogonal line: orientation, hit testing with its minimum
// thickness, handles, rectangles, drawing, records and copies.
#include "forms/model/border.h"
#include "forms/model/forthline.h"
#include "forms/model/shade.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<FORTHLINE> Line(RECT r)
{
    auto line = std::make_unique<FORTHLINE>();
    EXPECT_EQ(line->Init(), 1);
    line->SetRect(r.left, r.top, r.right, r.bottom);
    return line;
}

TEST(OrthLine, HitTestingWidensThinLines)
{
    struct Case {
        const char* what;
        RECT rect;
        int32_t x, y;
        int hit;
    } cases[] = {
        {"horizontal: 29 twips beyond the border above", {1000, 2000, 3000, 2000}, 2000, 1961, 1},
        {"horizontal: one more", {1000, 2000, 3000, 2000}, 2000, 1960, 0},
        {"horizontal: 29 beyond below", {1000, 2000, 3000, 2000}, 2000, 2039, 1},
        {"horizontal: one more below", {1000, 2000, 3000, 2000}, 2000, 2040, 0},
        {"horizontal: not beyond its ends", {1000, 2000, 3000, 2000}, 999, 2000, 0},
        {"vertical: only 14 beyond the border", {2000, 1000, 2000, 3000}, 1976, 2000, 1},
        {"vertical: one more", {2000, 1000, 2000, 3000}, 1975, 2000, 0},
        {"vertical: right side", {2000, 1000, 2000, 3000}, 2024, 2000, 1},
        {"vertical: one more right", {2000, 1000, 2000, 3000}, 2025, 2000, 0},
        {"100 thick: its own outer edge", {1000, 2000, 3000, 2100}, 2000, 1990, 1},
        {"100 thick: not beyond", {1000, 2000, 3000, 2100}, 2000, 1989, 0},
        {"100 thick: not beyond below", {1000, 2000, 3000, 2100}, 2000, 2111, 0},
        {"empty square counts as horizontal", {1000, 1000, 1000, 1000}, 1000, 961, 1},
        {"empty square is not widened sideways", {1000, 1000, 1000, 1000}, 985, 1000, 0},
    };
    for (const Case& c : cases) {
        Mapped m;
        EXPECT_EQ(Line(c.rect)->HitTest(m.dc, c.x, c.y), c.hit) << c.what;
    }
}

TEST(OrthLine, HandlesAndRectangles)
{
    struct Case {
        const char* what;
        RECT rect;
        unsigned handles;
        RECT outer, update;
    } cases[] = {
        {"horizontal", {1000, 2000, 3000, 2000}, 0xA0, {1000, 1990, 3000, 2010}, {1000, 1990, 3000, 2010}},
        {"vertical", {2000, 1000, 2000, 3000}, 0x50, {1990, 1000, 2010, 3000}, {1990, 1000, 2010, 3000}},
        {"square", {1000, 1000, 2000, 2000}, 0xA0, {1000, 990, 2000, 2010}, {990, 1000, 2010, 2000}},
    };
    for (const Case& c : cases) {
        auto line = Line(c.rect);
        Mapped m;
        RECT r;
        EXPECT_EQ(line->GetHandleMask(), c.handles) << c.what;
        line->GetOuterRect(r, m.dc);
        EXPECT_EQ(r, c.outer) << c.what;
        line->GetUpdateRect(r, m.dc, 1);
        EXPECT_EQ(r, c.update) << c.what;
    }

    auto line = Line({0, 0, 10, 10});
    line->ResetToDefaults();
    RECT r;
    line->GetRect(r);
    EXPECT_EQ(r, (RECT {720, 190, 720, 2310}));
    SIZE min;
    line->GetMinSize(min);
    EXPECT_EQ(min, (SIZE {0, 0}));
}

TEST(OrthLine, DrawsOneStrokeAlongItsLongerSide)
{
    auto line = Line({1000, 2000, 3000, 2000});
    line->SetBorder(BORDER(1, 45, kLineDouble, 0xFF, 1, 0));
    Mapped m;
    line->Draw(m.dc);
    EXPECT_EQ(m.Fills(), (std::vector<RECT> {{1000, 1978, 3000, 1993}, {1000, 2008, 3000, 2023}}));
    for (const auto& call : m.Calls())
        EXPECT_EQ(call.state.brush, gdi::Brush::Solid(0xFF));
}

TEST(OrthLine, RecordsAndCopies)
{
    auto line = Line({2000, 1000, 2000, 3000});
    BORDER rounded(2, 40, kLineSingle, 0xFF, 1, 144);
    line->SetBorder(rounded);
    BORDER b;
    line->GetBorder(&b);
    EXPECT_EQ(b.roundedFlag, 0u);

    const std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { line->Save(ar, line->GetType()); });
    ASSERT_EQ(bytes.front(), kTypeOrthLine);
    const auto items = GroupItems(bytes);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0][0], 1);
    EXPECT_EQ(items[1], Written([&](RECORDARCHIVE& ar) { b.Save(ar, 3); }));

    FORTHLINE back;
    back.Init();
    ReadBack(std::vector<uint8_t>(bytes.begin() + 1, bytes.end()), [&](RECORDARCHIVE& ar) { back.Load(ar, 0); });
    EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { back.Save(ar, back.GetType()); }), bytes);

    auto copy = line->Clone();
    ASSERT_TRUE(copy);
    EXPECT_STREQ(copy->GetRuntimeClass(), "FORTHLINE");
    copy->GetBorder(&b);
    EXPECT_EQ(b.style, 2);

    FORTHLINE other;
    other.Init();
    other.CopyFrom(*line);
    other.GetBorder(&b);
    EXPECT_EQ(b.width, 40);
    RECT r;
    other.GetRect(r);
    EXPECT_EQ(r, (RECT {2000, 1000, 2000, 3000}));
}

TEST(OrthLine, DragOutlineInvertsAOnePixelStrip)
{
    struct Case {
        const char* what;
        RECT rect;
        RECT strip;
    } cases[] = {
        {"vertical: at the left edge", {40, 10, 44, 90}, {40, 10, 41, 90}},
        {"horizontal: at the top", {10, 50, 90, 40}, {10, 40, 90, 41}},
    };
    for (const Case& c : cases) {
        auto line = Line({0, 0, 10, 0});
        gdi::RecordingSurface surface;
        gdi::DC device(surface);
        line->DrawFocusOutline(c.rect, &device);
        ASSERT_EQ(surface.Calls().size(), 1u) << c.what;
        const auto& call = surface.Calls()[0];
        EXPECT_EQ(call.name, "PatBlt");
        EXPECT_EQ(call.points, (std::vector<POINT> {{c.strip.left, c.strip.top}, {c.strip.right, c.strip.bottom}}))
            << c.what;
        EXPECT_EQ(call.values, std::vector<int> {int(gdi::PATINVERT)});
        EXPECT_EQ(call.state.brush, BASICSHADE::GetPatternBrush(5));
        EXPECT_EQ(device.GetBrush(), gdi::GetStockBrush(gdi::WHITE_BRUSH)) << "put back";
    }
}

} // namespace
