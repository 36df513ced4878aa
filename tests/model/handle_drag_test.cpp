// The handle drag fed tracking events directly, without a window or a loop;
// and the loop giving up a drag whose step throws.
#include "tests/common/drag_feed.h"
#include "tests/model/tracking_view.h"

#include "forms/model/handle_drag.h"
#include "forms/model/tracker_geometry.h"
#include "platform/ui/cursor.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <vector>

namespace {

// A design view without a window: 15 twips to the pixel, an optional snap
// grid, and a record of the sizes shown and of the rulers cleared.
class DragView : public FakeView {
public:
    DragView() { g_twipsPerDevice = 15; }
    ~DragView() override { g_twipsPerDevice = 1; }

    void SnapX(int32_t& x) override { x = Snap(x); }
    void SnapY(int32_t& y) override { y = Snap(y); }
    void ShowPosSize(const RECT& r) override { shown.push_back(r); }
    void ShowPositionInRulers(const RECT* r) override
    {
        if (!r)
            ++rulersCleared;
    }

    int32_t Snap(int32_t v) const { return grid > 0 ? (v + grid / 2) / grid * grid : v; }

    // Outlines drawn by inversion and not drawn again: still on the window.
    int OutlinesLeft() const
    {
        std::map<std::vector<int32_t>, int> drawn;
        for (const gdi::RecordedCall& call : surface.Calls())
            if (call.name == "FocusRect") {
                std::vector<int32_t> key;
                for (const POINT& p : call.points)
                    key.insert(key.end(), {p.x, p.y});
                ++drawn[key];
            }
        int left = 0;
        for (const auto& [outline, times] : drawn)
            left += times % 2;
        return left;
    }

    int32_t grid = 0;
    std::vector<RECT> shown;
    int rulersCleared = 0;
};

ui::TrackEvent Move(int x, int y)
{
    return {ui::TrackKind::Move, {x, y}, Qt::LeftButton, {}};
}
ui::TrackEvent Release(int x, int y)
{
    return {ui::TrackKind::Release, {x, y}, Qt::NoButton, {}};
}
ui::TrackEvent RightButton(int x, int y)
{
    return {ui::TrackKind::RightButton, {x, y}, Qt::LeftButton | Qt::RightButton, {}};
}
ui::TrackEvent Escape()
{
    return {ui::TrackKind::Escape, {}, Qt::LeftButton, {}};
}
ui::TrackEvent CaptureLost()
{
    return {ui::TrackKind::CaptureLost, {}, {}, {}};
}

// The object (1500, 1500, 3000, 3000) twips lies at (100, 100)-(200, 200) on
// the window; the press is 3 pixels inside the handle's corner or edge.
struct StepCase {
    const char* name;
    int handle;
    POINT press;
    std::vector<ui::TrackEvent> events;
    int32_t grid;
    ui::DragStep last;
    int result;
    RECT expected;
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class HandleDragSteps : public testing::TestWithParam<StepCase> {};

TEST_P(HandleDragSteps, EndWithTheRectangleAndLeaveNoOutline)
{
    const StepCase& c = GetParam();
    DragView view;
    view.grid = c.grid;
    TrackedShape shape;
    TrackerDrag drag(shape, view, c.handle, c.press, {1500, 1500, 3000, 3000});

    EXPECT_EQ(FeedDrag(drag, c.events), c.last);
    EXPECT_EQ(drag.Result(), c.result);
    EXPECT_EQ(drag.GetPhase(), c.result ? TrackerDrag::Phase::Changed : TrackerDrag::Phase::Unchanged);
    EXPECT_EQ(shape.GetTrackerRect(), c.expected);
    EXPECT_EQ(view.OutlinesLeft(), 0);
    EXPECT_EQ(view.rulersCleared, 1);
}

INSTANTIATE_TEST_SUITE_P(Tracker, HandleDragSteps,
    testing::Values(
        // (3705, 3405) snaps to (3700, 3400).
        StepCase {"MovesSnapToTheGrid", kHandleBottomRight, {203, 203},
            {Move(230, 215), Move(250, 230), Release(250, 230)}, 100, ui::DragStep::End, 1, {1500, 1500, 3700, 3400}},
        StepCase {"MovingTheObjectKeepsItsSizeAndDoesNotSnap", kHitInside, {150, 150},
            {Move(170, 160), Release(170, 160)}, 100, ui::DragStep::End, 1, {1800, 1650, 3300, 3150}},
        StepCase {"RightEdgePastTheLeftStopsAtTheMinimumWidth", kHandleRight, {203, 150},
            {Move(50, 150), Release(50, 150)}, 0, ui::DragStep::End, 1, {1500, 1500, 1590, 3000}},
        StepCase {"TopEdgePastTheBottomStopsAtTheMinimumHeight", kHandleTop, {150, 97},
            {Move(150, 280), Release(150, 280)}, 0, ui::DragStep::End, 1, {1500, 2910, 3000, 3000}},
        StepCase {"EscapeCancels", kHandleBottomRight, {203, 203}, {Move(250, 230), Escape(), Release(250, 230)}, 0,
            ui::DragStep::Cancel, 0, {1500, 1500, 3000, 3000}},
        StepCase {"RightButtonCancels", kHandleBottomRight, {203, 203},
            {Move(250, 230), RightButton(250, 230), Release(250, 230)}, 0, ui::DragStep::Cancel, 0,
            {1500, 1500, 3000, 3000}},
        StepCase {"LosingTheCaptureEndsWhereTheDragWas", kHandleBottomRight, {203, 203},
            {Move(250, 230), CaptureLost(), Move(300, 300)}, 0, ui::DragStep::End, 1, {1500, 1500, 3705, 3405}},
        StepCase {"ReleaseWithoutAMoveChangesNothing", kHandleBottomRight, {203, 203}, {Release(250, 230)}, 0,
            ui::DragStep::End, 0, {1500, 1500, 3000, 3000}},
        StepCase {"ReleaseWhereItBeganChangesNothing", kHandleBottomRight, {203, 203},
            {Move(250, 230), Release(203, 203)}, 0, ui::DragStep::End, 0, {1500, 1500, 3000, 3000}}),
    [](const testing::TestParamInfo<StepCase>& info) { return info.param.name; });

TEST(Tracker, HandleDragShowsOneOutlineThatFollowsThePointer)
{
    DragView view;
    TrackedShape shape;
    TrackerDrag drag(shape, view, kHandleBottomRight, {203, 203}, {1500, 1500, 3000, 3000});
    drag.Begin();
    EXPECT_EQ(drag.GetPhase(), TrackerDrag::Phase::Pressed);
    // A move that changes nothing shows nothing.
    EXPECT_EQ(drag.Step(Move(203, 203)), ui::DragStep::Continue);
    EXPECT_EQ(view.OutlinesLeft(), 0);
    EXPECT_EQ(drag.GetPhase(), TrackerDrag::Phase::Pressed);

    for (const POINT p : {POINT {230, 215}, POINT {250, 230}}) {
        EXPECT_EQ(drag.Step(Move(p.x, p.y)), ui::DragStep::Continue);
        EXPECT_EQ(drag.GetPhase(), TrackerDrag::Phase::Moving);
        EXPECT_EQ(view.OutlinesLeft(), 1);
    }
    EXPECT_EQ(shape.GetTrackerRect(), (RECT {1500, 1500, 3705, 3405}));
    ASSERT_EQ(view.shown.size(), 2u);
    EXPECT_EQ(view.shown.back(), (RECT {1500, 1500, 3705, 3405}));

    drag.Cancel();
    EXPECT_EQ(view.OutlinesLeft(), 0);
    EXPECT_EQ(shape.GetTrackerRect(), (RECT {1500, 1500, 3000, 3000}));
}

// An object whose size limits fail part way through a drag.
class FailingShape : public TrackedShape {
public:
    void AdjustRect(int handle, RECT& r, OBJECT_VIEW* view) override
    {
        if (++adjusted == 2)
            throw std::runtime_error("no limits");
        TrackedShape::AdjustRect(handle, r, view);
    }
    int adjusted = 0;
};

TEST(Tracker, StepThatThrowsCancelsTheDragAndLeavesTheWindowAsItWas)
{
    TrackView view;
    FailingShape shape;
    shape.MarkSelected();
    const QImage before = view.Picture();
    view.PostMove(250, 230);
    view.PostMove(260, 240);
    view.PostRelease(260, 240);
    EXPECT_THROW(shape.Track(&view, 203, 203), std::runtime_error);
    EXPECT_EQ(shape.adjusted, 2);
    EXPECT_EQ(view.Picture(), before);
    EXPECT_EQ(shape.GetTrackerRect(), (RECT {1500, 1500, 3000, 3000}));
    EXPECT_EQ(ui::GetCapture(), nullptr);
}

} // namespace
