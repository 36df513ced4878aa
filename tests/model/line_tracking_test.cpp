// Dragging a free line's ends or the whole line with posted mouse events,
// its cursors, its handles and the dotted segments shown meanwhile.
#include "tests/model/tracking_view.h"

#include "forms/model/fline.h"
#include "platform/ui/cursor.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

struct Ends {
    POINT first;
    POINT second;
};

std::unique_ptr<FLINE> PlacedLine(Ends ends)
{
    auto line = std::make_unique<FLINE>();
    EXPECT_EQ(line->Init(), 1);
    line->SetPage(1);
    line->SetEnds(ends.first, ends.second);
    line->SetSelectFlag(1);
    return line;
}

// Falling from (1500, 1500) to (3000, 3000) twips: (100, 100)-(200, 200) on
// the window, its first end's handle at (94, 94)-(100, 100) and its second
// end's at (200, 200)-(206, 206).
const Ends kFalling {{1500, 1500}, {3000, 3000}};
// Horizontal at y 2250 (150 on the window) from x 1500 to 3000.
const Ends kHorizontal {{1500, 2250}, {3000, 2250}};

struct LineDragCase {
    const char* name;
    Ends line;
    POINT press;
    std::function<void(TrackView&)> events;
    int32_t grid;
    int expectedResult;
    RECT expected;
    Ends expectedEnds;
};

void ReleaseAt(TrackView& v, int x, int y)
{
    v.PostMove(x, y);
    v.PostRelease(x, y);
}

class DraggingALine : public testing::TestWithParam<LineDragCase> {};

// Placements may reach 4500 twips to the right.
TEST_P(DraggingALine, MovesTheGrabbedEndOrTheWholeLine)
{
    const LineDragCase& c = GetParam();
    TrackView view;
    view.grid = c.grid;
    view.rightLimit = 4500;
    auto line = PlacedLine(c.line);
    c.events(view);

    EXPECT_EQ(line->Track(&view, c.press.x, c.press.y), c.expectedResult);
    RECT r;
    line->GetRect(r);
    EXPECT_EQ(r, c.expected);
    EXPECT_EQ(line->GetFirstEnd(), c.expectedEnds.first);
    EXPECT_EQ(line->GetSecondEnd(), c.expectedEnds.second);
    EXPECT_EQ(ui::GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Line, DraggingALine,
    testing::Values(
        // The dragged end becomes the first end, the fixed one the second.
        LineDragCase {"SecondEnd", kFalling, {203, 203}, [](TrackView& v) { ReleaseAt(v, 253, 153); }, 0, 1,
            {1500, 1500, 3750, 2250}, {{3750, 2250}, {1500, 1500}}},
        LineDragCase {"FirstEndPastTheOther", kFalling, {97, 97}, [](TrackView& v) { ReleaseAt(v, 253, 150); }, 0, 1,
            {3000, 2295, 3840, 3000}, {{3840, 2295}, {3000, 3000}}},
        LineDragCase {"EndSnapsToTheGrid", kFalling, {203, 203}, [](TrackView& v) { ReleaseAt(v, 252, 151); }, 100, 1,
            {1500, 1500, 3700, 2200}, {{3700, 2200}, {1500, 1500}}},
        LineDragCase {"HorizontalTiltedUp", kHorizontal, {203, 150}, [](TrackView& v) { ReleaseAt(v, 203, 100); }, 0, 1,
            {1500, 1500, 3000, 2250}, {{3000, 1500}, {1500, 2250}}},
        // Grabbed between its handles the line moves whole, without
        // snapping, both ends with it.
        LineDragCase {"MovedWhole", kFalling, {150, 150}, [](TrackView& v) { ReleaseAt(v, 170, 160); }, 100, 1,
            {1800, 1650, 3300, 3150}, {{1800, 1650}, {3300, 3150}}},
        LineDragCase {"EscapeCancels", kFalling, {203, 203},
            [](TrackView& v) {
                v.PostMove(253, 153);
                v.PostEscape();
            },
            0, 0, {1500, 1500, 3000, 3000}, kFalling},
        LineDragCase {"RefusedPlacementKeepsTheLine", kFalling, {203, 203},
            [](TrackView& v) { ReleaseAt(v, 320, 203); }, 0, 0, {1500, 1500, 3000, 3000}, kFalling},
        LineDragCase {"PressOffTheLine", kFalling, {200, 100}, [](TrackView& v) { v.PostRelease(200, 100); }, 0, 0,
            {1500, 1500, 3000, 3000}, kFalling}),
    [](const testing::TestParamInfo<LineDragCase>& info) { return info.param.name; });

TEST(Line, DragRepaintsTheOldAndNewLineInEveryView)
{
    TrackView view;
    view.otherViews = true;
    auto line = PlacedLine(kFalling);
    ReleaseAt(view, 253, 153);
    ASSERT_EQ(line->Track(&view, 203, 203), 1);
    ASSERT_EQ(view.invalidOutlines.size(), 2u);
    // The old rectangle grown by the handles, (94, 94)-(206, 206), and 1.
    EXPECT_EQ(view.invalidOutlines[0].pt[0], (POINT {93, 93}));
    EXPECT_EQ(view.invalidOutlines[0].pt[2], (POINT {207, 207}));
    ASSERT_EQ(view.hints.size(), 1u);
    EXPECT_EQ(view.hints[0].before.pt[0], (POINT {93 * 15, 93 * 15}));
    const POINT after = view.invalidOutlines[1].pt[0];
    EXPECT_EQ(view.hints[0].after.pt[0], (POINT {after.x * 15, after.y * 15}));
}

TEST(Line, CursorIsTheCrossOverAnEndAndTheMoveCursorOverTheLine)
{
    struct {
        POINT pointer;
        int hitCode;
        int result;
        Qt::CursorShape shape;
    } const cases[] = {
        {{97, 97}, 1, 1, Qt::CrossCursor},
        {{203, 203}, 1, 1, Qt::CrossCursor},
        {{150, 150}, 1, 1, Qt::SizeAllCursor},
        {{150, 120}, 1, 0, Qt::ArrowCursor},
        {{150, 150}, 2, 0, Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        TrackView view;
        auto line = PlacedLine(kFalling);
        view.window.setCursor(Qt::ArrowCursor);
        view.pointer = c.pointer;
        EXPECT_EQ(line->SetCursor(&view, c.hitCode), c.result) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(view.window.cursor().shape(), c.shape) << c.pointer.x << "," << c.pointer.y;
    }
}

TEST(Line, TrackerIsTheEndHandlesAlone)
{
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    dc.drawHandles = 1;
    auto line = PlacedLine({{1000, 1000}, {1400, 1100}});
    view.surface.Clear();
    line->DrawTracker(dc);
    ASSERT_EQ(view.surface.Calls().size(), 2u);
    EXPECT_EQ(view.surface.Calls()[0].points, (std::vector<POINT> {{910, 910}, {1000, 1000}}));
    EXPECT_EQ(view.surface.Calls()[1].points, (std::vector<POINT> {{1400, 1100}, {1490, 1190}}));

    view.surface.Clear();
    line->SetSelectFlag(0);
    line->DrawTracker(dc);
    EXPECT_TRUE(view.surface.Calls().empty());
}

TEST(Line, FocusOutlineFollowsTheDirection)
{
    const RECT r {100, 200, 300, 400};
    struct {
        Ends line;
        std::vector<POINT> expected;
    } const cases[] = {
        {{{0, 0}, {10, 10}}, {{100, 200}, {300, 400}}},
        {{{0, 10}, {10, 0}}, {{100, 400}, {300, 200}}},
        {{{0, 0}, {10, 0}}, {{100, 300}, {300, 300}}},
        {{{0, 0}, {0, 10}}, {{200, 400}, {200, 200}}},
    };
    for (const auto& c : cases) {
        FakeView view;
        VIEWDC dc(&view);
        view.SetupOwnDC(dc);
        auto line = PlacedLine(c.line);
        view.surface.Clear();
        line->DrawFocusOutline(r, dc.dc);
        ASSERT_EQ(view.surface.Calls().size(), 1u);
        const gdi::RecordedCall& call = view.surface.Calls()[0];
        EXPECT_EQ(call.points, c.expected);
        EXPECT_EQ(call.state.pen.style, gdi::PS_DOT);
        EXPECT_EQ(call.state.rop2, gdi::R2_NOT);
    }
}

// A view that keeps the window's picture each time the drag shows a size,
// just after the outline was drawn.
class PictureView : public TrackView {
public:
    void ShowPosSize(const RECT& r) override
    {
        TrackView::ShowPosSize(r);
        pictures.push_back(Picture());
    }
    std::vector<QImage> pictures;
};

// Whether the pixels that differ lie along the segment a-b and reach
// (nearly) from end to end.
testing::AssertionResult ChangedAlong(const QImage& before, const QImage& after, POINT a, POINT b)
{
    RECT box {10000, 10000, -1, -1};
    const double length = std::hypot(b.x - a.x, b.y - a.y);
    for (int y = 0; y < after.height(); ++y)
        for (int x = 0; x < after.width(); ++x) {
            if (after.pixel(x, y) == before.pixel(x, y))
                continue;
            const double off = std::abs((b.x - a.x) * (a.y - y) - (a.x - x) * (b.y - a.y)) / length;
            if (off > 1.5)
                return testing::AssertionFailure() << "changed off the segment at " << x << "," << y;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x), std::max(box.bottom, y)};
        }
    const RECT want = RECT {a.x, a.y, b.x, b.y}.Normalized();
    // The dots may stop short of the last pixels.
    if (std::abs(box.left - want.left) > 5 || std::abs(box.top - want.top) > 5 || std::abs(box.right - want.right) > 5
        || std::abs(box.bottom - want.bottom) > 5)
        return testing::AssertionFailure()
            << "changed from " << box.left << "," << box.top << " to " << box.right << "," << box.bottom;
    return testing::AssertionSuccess();
}

TEST(Line, DragShowsTheSegmentFromTheFixedEndOrAlongTheMovedLine)
{
    struct {
        POINT press;
        POINT to;
        POINT from;
        POINT end;
    } const cases[] = {
        {{203, 203}, {253, 153}, {100, 100}, {250, 150}},
        {{97, 97}, {60, 230}, {200, 200}, {63, 233}},
        {{150, 150}, {170, 160}, {120, 110}, {220, 210}},
    };
    for (const auto& c : cases) {
        PictureView view;
        auto line = PlacedLine(kFalling);
        const QImage before = view.Picture();
        ReleaseAt(view, c.to.x, c.to.y);
        ASSERT_EQ(line->Track(&view, c.press.x, c.press.y), 1);
        ASSERT_EQ(view.pictures.size(), 1u);
        EXPECT_TRUE(ChangedAlong(before, view.pictures[0], c.from, c.end)) << c.press.x << "," << c.press.y;
    }
}

} // namespace
