// Dragging handles and objects with the mouse, and dragging out new
// rectangles, in a real window with posted mouse and key events.
#include "tests/model/tracking_view.h"

#include "platform/ui/cursor.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// The object (1500, 1500, 3000, 3000) twips lies at (100, 100)-(200, 200) on
// the window; its bottom-right handle at (200, 200)-(206, 206), its right
// handle at (200, 147)-(206, 153), its top-left one at (94, 94)-(100, 100).
struct DragCase {
    const char* name;
    POINT press;
    std::function<void(TrackView&)> events;
    int32_t grid;
    std::optional<SIZE> maxSize;
    int expectedResult;
    RECT expected;
};

class Dragging : public testing::TestWithParam<DragCase> {};

TEST_P(Dragging, EndsWithTheRectangleAndResult)
{
    const DragCase& c = GetParam();
    TrackView view;
    view.grid = c.grid;
    view.rightLimit = 5000;
    TrackedShape shape;
    shape.MarkSelected();
    shape.maxSize = c.maxSize;
    c.events(view);

    EXPECT_EQ(shape.Track(&view, c.press.x, c.press.y), c.expectedResult);
    RECT r;
    shape.GetRect(r);
    EXPECT_EQ(r, c.expected);
    EXPECT_EQ(shape.GetTrackerRect(), c.expected);
    EXPECT_EQ(ui::GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Tracker, Dragging,
    testing::Values(DragCase {"BottomRightSnapsToTheGrid", {203, 203},
                        [](TrackView& v) {
                            v.PostMove(230, 215);
                            v.PostMove(250, 230);
                            v.PostRelease(250, 230);
                        },
                        100, {}, 1, {1500, 1500, 3700, 3400}},
        DragCase {"RightEdgePastTheLeftStopsAtTheMinimumWidth", {203, 150},
            [](TrackView& v) {
                v.PostMove(50, 150);
                v.PostRelease(50, 150);
            },
            0, {}, 1, {1500, 1500, 1590, 3000}},
        DragCase {"TopLeftStopsAtTheLargestSize", {97, 97},
            [](TrackView& v) {
                v.PostMove(10, 10);
                v.PostRelease(10, 10);
            },
            0, SIZE {2000, 2200}, 1, {1000, 800, 3000, 3000}},
        DragCase {"MovingByTheMiddleKeepsTheSizeAndDoesNotSnap", {150, 150},
            [](TrackView& v) {
                v.PostMove(170, 160);
                v.PostRelease(170, 160);
            },
            100, {}, 1, {1800, 1650, 3300, 3150}},
        DragCase {"RefusedPlacementPutsTheOldRectangleBack", {203, 150},
            [](TrackView& v) {
                v.PostMove(380, 150);
                v.PostRelease(380, 150);
            },
            0, {}, 0, {1500, 1500, 3000, 3000}},
        DragCase {"EscapeCancels", {203, 203},
            [](TrackView& v) {
                v.PostMove(250, 230);
                v.PostEscape();
                v.PostRelease(250, 230);
            },
            0, {}, 0, {1500, 1500, 3000, 3000}},
        DragCase {"RightButtonCancels", {203, 203},
            [](TrackView& v) {
                v.PostMove(250, 230);
                v.PostRightButton(250, 230);
            },
            0, {}, 0, {1500, 1500, 3000, 3000}},
        DragCase {"EndingWhereItBeganChangesNothing", {203, 203},
            [](TrackView& v) {
                v.PostMove(250, 230);
                v.PostMove(203, 203);
                v.PostRelease(203, 203);
            },
            0, {}, 0, {1500, 1500, 3000, 3000}},
        DragCase {"PressOffTheObjectTracksNothing", {300, 250}, [](TrackView& v) { v.PostRelease(300, 250); }, 0, {}, 0,
            {1500, 1500, 3000, 3000}}),
    [](const testing::TestParamInfo<DragCase>& info) { return info.param.name; });

TEST(Tracker, CancelledDragLeavesTheWindowAsItWasAndInvalidatesNothing)
{
    const std::function<void(TrackView&)> cancels[]
        = {[](TrackView& v) { v.PostEscape(); }, [](TrackView& v) { v.PostRightButton(260, 240); }};
    for (const auto& cancel : cancels) {
        TrackView view;
        TrackedShape shape;
        shape.MarkSelected();
        const QImage before = view.Picture();
        view.PostMove(250, 230);
        view.PostMove(260, 240);
        cancel(view);
        EXPECT_EQ(shape.Track(&view, 203, 203), 0);
        EXPECT_FALSE(view.shown.empty()) << "an outline was shown meanwhile";
        EXPECT_EQ(view.Picture(), before);
        EXPECT_TRUE(view.invalidOutlines.empty());
        EXPECT_TRUE(view.invalidRects.empty());
    }
}

TEST(Tracker, DragEndingAtItsStartInvalidatesNothing)
{
    TrackView view;
    TrackedShape shape;
    shape.MarkSelected();
    const QImage before = view.Picture();
    view.PostMove(250, 230);
    view.PostRelease(203, 203);
    EXPECT_EQ(shape.Track(&view, 203, 203), 0);
    EXPECT_TRUE(view.invalidOutlines.empty());
    EXPECT_EQ(view.Picture(), before);
}

TEST(Tracker, PlacedDragInvalidatesTheOldAndNewOutlinesAndShowsTheSize)
{
    TrackView view;
    view.otherViews = true;
    TrackedShape shape;
    shape.MarkSelected();
    view.PostMove(250, 230);
    view.PostRelease(250, 230);
    ASSERT_EQ(shape.Track(&view, 203, 203), 1);

    ASSERT_EQ(view.invalidOutlines.size(), 2u);
    // Old: the object with its handles, (94, 94)-(206, 206), grown by 3.
    EXPECT_EQ(view.invalidOutlines[0].pt[0], (POINT {91, 91}));
    EXPECT_EQ(view.invalidOutlines[0].pt[2], (POINT {209, 209}));
    // New: the new rectangle with its handles, grown by 4.
    EXPECT_EQ(view.invalidOutlines[1].pt[2], (POINT {(3705 + 91) / 15 + 4, (3405 + 91) / 15 + 4}));
    ASSERT_FALSE(view.shown.empty());
    EXPECT_EQ(view.shown.back(), (RECT {1500, 1500, 3705, 3405}));
    // The other views are told both outlines in twips.
    ASSERT_EQ(view.hints.size(), 1u);
    EXPECT_EQ(view.hints[0].kind, kHintOutlineChanged);
    EXPECT_EQ(view.hints[0].page, 1);
    EXPECT_EQ(view.hints[0].before.pt[0], (POINT {91 * 15, 91 * 15}));
    EXPECT_EQ(view.hints[0].after.pt[2], (POINT {257 * 15, 237 * 15}));
}

TEST(Tracker, TurnedObjectMovedByItsMiddleKeepsItsAngleAndSize)
{
    TrackView view;
    TrackedShape shape;
    shape.Turn(900);
    shape.MarkSelected();
    shape.SetRect(1500, 1500, 3000, 2400);
    view.PostMove(180, 150);
    view.PostRelease(180, 150);
    ASSERT_EQ(shape.Track(&view, 150, 130), 1);
    RECT r;
    shape.GetRect(r);
    EXPECT_EQ(shape.GetRotation(), 900);
    EXPECT_NEAR(r.Width(), 1500, 2);
    EXPECT_NEAR(r.Height(), 900, 2);
    // Turned about its new centre, the outline moved as the mouse did.
    RECT bounds;
    shape.GetBoundingRect(bounds);
    EXPECT_NEAR(bounds.left, 1800 + 450, 5);
    EXPECT_NEAR(bounds.top, 1200 + 300, 5);
    EXPECT_NEAR(bounds.Width(), 900, 3);
}

struct ScrollCase {
    const char* name;
    bool pointerMovable;
    POINT release;
    int32_t expectedRight;
};

class AutoScrolling : public testing::TestWithParam<ScrollCase> {};

// Dragging the right handle to the window's right edge scrolls the view by
// one line (150 twips).
TEST_P(AutoScrolling, KeepsThePagePointUnderThePointer)
{
    const ScrollCase& c = GetParam();
    TrackView view;
    view.scrollLines = 1;
    view.pointerMovable = c.pointerMovable;
    view.pointer = {398, 150};
    TrackedShape shape;
    shape.MarkSelected();
    view.PostMove(398, 150);
    view.PostRelease(c.release.x, c.release.y);
    ASSERT_EQ(shape.Track(&view, 203, 150), 1);
    EXPECT_EQ(view.originX, 150);
    RECT r;
    shape.GetRect(r);
    EXPECT_EQ(r, (RECT {1500, 1500, c.expectedRight, 3000}));
    if (c.pointerMovable) {
        EXPECT_EQ(view.pointer, (POINT {388, 150}));
    }
}

INSTANTIATE_TEST_SUITE_P(Tracker, AutoScrolling,
    testing::Values(
        // The page moved under a pointer that stays: the edge follows the page.
        ScrollCase {"PointerStays", false, {398, 150}, 398 * 15 - 45 + 150},
        // The pointer moved with the page: the edge stays.
        ScrollCase {"PointerMoved", true, {388, 150}, 398 * 15 - 45}),
    [](const testing::TestParamInfo<ScrollCase>& info) { return info.param.name; });

TEST(Tracker, NoDragWhileAnotherWindowHoldsTheMouse)
{
    TrackView view;
    TrackedShape shape;
    QWidget other;
    ui::SetCapture(other);
    EXPECT_EQ(shape.Track(&view, 203, 203), 0);
    EXPECT_EQ(ui::GetCapture(), &other);
    ui::ReleaseCapture();
}

struct NewCase {
    const char* name;
    std::function<void(TrackView&)> events;
    int allowInvert;
    int expectedResult;
    RECT expected;
};

class NewRectangle : public testing::TestWithParam<NewCase> {};

// Dragged out from (100, 100) on the window, 1500 twips, with a grid of 100.
TEST_P(NewRectangle, IsPlacedRefusedOrCancelled)
{
    const NewCase& c = GetParam();
    TrackView view;
    view.grid = 100;
    view.rightLimit = 3000;
    TrackedShape shape({0, 0, 0, 0});
    c.events(view);
    EXPECT_EQ(shape.TrackNew(&view, 100, 100, c.allowInvert), c.expectedResult);
    RECT r;
    shape.GetRect(r);
    EXPECT_EQ(r, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Tracker, NewRectangle,
    testing::Values(NewCase {"Placed",
                        [](TrackView& v) {
                            v.PostMove(152, 131);
                            v.PostRelease(152, 131);
                        },
                        1, 2, {1500, 1500, 2300, 2000}},
        NewCase {"InvertedAndNormalised",
            [](TrackView& v) {
                v.PostMove(80, 90);
                v.PostRelease(80, 90);
            },
            1, 2, {1200, 1400, 1500, 1500}},
        NewCase {"InversionRefusedStopsAtTheMinimum",
            [](TrackView& v) {
                v.PostMove(80, 90);
                v.PostRelease(80, 90);
            },
            0, 2, {1500, 1500, 1590, 1590}},
        NewCase {"Refused",
            [](TrackView& v) {
                v.PostMove(250, 131);
                v.PostRelease(250, 131);
            },
            1, 1, {0, 0, 0, 0}},
        NewCase {"Cancelled",
            [](TrackView& v) {
                v.PostMove(152, 131);
                v.PostEscape();
            },
            1, 0, {0, 0, 0, 0}},
        NewCase {"ClickWithoutDrag", [](TrackView& v) { v.PostRelease(100, 100); }, 1, 0, {0, 0, 0, 0}}),
    [](const testing::TestParamInfo<NewCase>& info) { return info.param.name; });

} // namespace
