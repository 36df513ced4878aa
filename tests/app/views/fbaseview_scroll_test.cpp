// Scrolling of a form view over an A4 page at 96 pixels per inch: the page
// is 794 x 1123 pixels, its placement offset and free space 8 pixels.
#include "tests/app/support/view_test_support.h"

#include <QScrollBar>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct Step {
    uint8_t axis; // 0 horizontal, 1 vertical
    uint8_t code;
    int16_t position;
};

struct ScrollCase {
    const char* name;
    int width;
    int height;
    std::vector<Step> before;
    std::optional<int> growToHeight; // the window grows before the step
    Step step;
    SIZE moved;
    int barBefore; // on the step's axis
    int barAfter;
};

class ViewScrollTest : public ::testing::Test {
protected:
    void Open(int width, int height)
    {
        view = std::make_unique<RecordingView>(width, height);
        view->SetDocument(doc.get());
        view->OnInitialUpdate();
    }
    // The bars show the view's range and position, as after any scroll.
    void SetBars()
    {
        VIEWDC v(view.get());
        ASSERT_TRUE(view->SetupOwnDC(v));
        view->SetScrollRangeHorz(v, &hbar);
        view->SetScrollRangeVert(v, &vbar);
    }
    SIZE Run(const Step& s)
    {
        return s.axis == 0 ? view->ScrollHorz(s.code, s.position, &hbar) : view->ScrollVert(s.code, s.position, &vbar);
    }
    QScrollBar& Bar(uint8_t axis) { return axis == 0 ? hbar : vbar; }

    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = MakeTwoPageForm();
    std::unique_ptr<RecordingView> view;
    QScrollBar hbar {Qt::Horizontal};
    QScrollBar vbar {Qt::Vertical};
};

TEST_F(ViewScrollTest, ScrollCodes)
{
    const ScrollCase cases[] = {
        {"line right from home drops the offset", 200, 400, {}, {}, {0, SB_LINEDOWN, 0}, {-48, 0}, -8, 40},
        {"line left past the start stops at home", 200, 400, {{0, SB_THUMBPOSITION, 12}}, {}, {0, SB_LINEUP, 0},
            {28, 0}, 20, -8},
        {"thumb dropped from home adds the offset", 200, 400, {}, {}, {0, SB_THUMBPOSITION, 20}, {-36, 0}, -8, 28},
        {"thumb at 0 goes home", 200, 400, {{0, SB_THUMBPOSITION, 100}}, {}, {0, SB_THUMBPOSITION, 0}, {116, 0}, 108,
            -8},
        {"thumb track moves nothing", 200, 400, {}, {}, {0, SB_THUMBTRACK, 50}, {0, 0}, -8, -8},
        {"page right is nine tenths of the window", 200, 400, {{0, SB_LINEDOWN, 0}}, {}, {0, SB_PAGEDOWN, 0}, {-180, 0},
            40, 220},
        {"top returns home", 200, 400, {{1, SB_LINEDOWN, 0}}, {}, {1, SB_TOP, 0}, {0, 88}, 80, -8},
        {"bottom goes to the last position", 200, 400, {}, {}, {1, SB_BOTTOM, 0}, {0, -739}, -8, 731},
        {"line down past the end stops at the last position", 200, 400, {{1, SB_BOTTOM, 0}}, {}, {1, SB_LINEDOWN, 0},
            {0, 0}, 731, 731},
        {"a wide window stays home on line right", 1000, 400, {}, {}, {0, SB_LINEDOWN, 0}, {0, 0}, -103, -103},
        {"a wide window stays home on page right", 1000, 400, {}, {}, {0, SB_PAGEDOWN, 0}, {0, 0}, -103, -103},
        {"a wide window stays home on the thumb", 1000, 400, {}, {}, {0, SB_THUMBPOSITION, 50}, {0, 0}, -103, -103},
        {"a wide window stays home at the far end", 1000, 400, {}, {}, {0, SB_BOTTOM, 0}, {0, 0}, -103, -103},
        {"a grown window brings the other axis home", 200, 400, {{1, SB_THUMBPOSITION, 100}}, 1200, {0, SB_LINEDOWN, 0},
            {-48, 116}, -8, 40},
    };
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.width, c.height);
        SetBars();
        for (const Step& s : c.before)
            Run(s);
        if (c.growToHeight)
            view->SetClientSize(c.width, *c.growToHeight);
        SetBars();
        EXPECT_EQ(Bar(c.step.axis).value(), c.barBefore);
        const SIZE moved = Run(c.step);
        EXPECT_EQ(moved.cx, c.moved.cx);
        EXPECT_EQ(moved.cy, c.moved.cy);
        EXPECT_EQ(Bar(c.step.axis).value(), c.barAfter);
    }
}

TEST_F(ViewScrollTest, EachAxisIsHomeOrScrolled)
{
    Open(200, 400);
    SetBars();
    for (const Step& s : {Step {0, SB_LINEDOWN, 0}, Step {1, SB_PAGEDOWN, 0}, Step {0, SB_LINEUP, 0},
             Step {0, SB_LINEUP, 0}, Step {1, SB_BOTTOM, 0}, Step {1, SB_TOP, 0}}) {
        Run(s);
        const POINT scroll = view->GetScrollPos();
        const POINT vp = view->GetViewportOrg();
        EXPECT_TRUE((scroll.x == 0 && vp.x == 8) || (vp.x == 0 && scroll.x >= 0));
        EXPECT_TRUE((scroll.y == 0 && vp.y == 8) || (vp.y == 0 && scroll.y >= 0));
    }
}

TEST_F(ViewScrollTest, AutoScrollMovesByTheDistanceInPixels)
{
    Open(200, 400);
    SetBars();
    Run({0, SB_THUMBPOSITION, 100});
    Run({1, SB_THUMBPOSITION, 100});
    const POINT before = view->GetScrollPos();
    EXPECT_EQ(view->AutoScroll(1440, 1440, 1), 1);
    // 96 pixels of page, back in twips.
    EXPECT_EQ(view->GetScrollPos().x - before.x, 1440);
    EXPECT_EQ(view->GetScrollPos().y - before.y, 1440);
}

TEST_F(ViewScrollTest, EdgeTestOnlyAsks)
{
    Open(600, 400);
    Run({0, SB_LINEDOWN, 0});
    const POINT scroll = view->GetScrollPos();
    const POINT vp = view->GetViewportOrg();
    // The border is 288 twips: 19 pixels.
    const struct {
        POINT point;
        uint16_t side;
    } cases[] = {{{0, 0}, 3}, {{599, 0}, 2}, {{0, 399}, 4}, {{300, 200}, 0}, {{18, 200}, 1}, {{19, 200}, 0},
        {{581, 200}, 0}, {{582, 200}, 2}, {{300, 18}, 3}, {{300, 381}, 0}};
    for (const auto& c : cases) {
        uint16_t side = 99;
        EXPECT_EQ(view->GetAutoScrollSide(c.point, side), c.side != 0 ? 1 : 0);
        EXPECT_EQ(side, c.side) << c.point.x << "," << c.point.y;
    }
    EXPECT_EQ(view->GetScrollPos(), scroll);
    EXPECT_EQ(view->GetViewportOrg(), vp);
}

TEST_F(ViewScrollTest, WithoutAPageNothingScrolls)
{
    RecordingView lone;
    uint16_t side = 99;
    EXPECT_EQ(lone.GetAutoScrollSide({0, 0}, side), 0);
    EXPECT_EQ(side, 0);
    EXPECT_EQ(lone.ScrollHorz(SB_LINEDOWN, 0, &hbar), (SIZE {0, 0}));
    EXPECT_EQ(lone.AutoScroll(1440, 0, 1), 0);
}

TEST(TwipsToHiMetric, RoundsToTheNearest)
{
    EXPECT_EQ(TwipsToHiMetric(1440), 2540);
    EXPECT_EQ(TwipsToHiMetric(567), 1000);
    EXPECT_EQ(TwipsToHiMetric(-1), -2);
}

} // namespace
