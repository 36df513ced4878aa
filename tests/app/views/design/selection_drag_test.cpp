// The selection drag fed tracking events directly, without a window or a
// loop: the wait for the pointer to leave the press, the outline on the
// grid under the placement rule, and how each input ends the drag.
#include "tests/app/support/view_test_support.h"

#include "tests/common/drag_feed.h"
#include "tests/common/rect_printer.h"

#include "forms/app/views/design/selection_drag.h"
#include "forms/model/formobj.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// One input, at so many pixels from the press.
struct Input {
    ui::TrackKind kind;
    int dx = 0;
    int dy = 0;
};
Input Move(int dx, int dy)
{
    return {ui::TrackKind::Move, dx, dy};
}
Input Release(int dx, int dy)
{
    return {ui::TrackKind::Release, dx, dy};
}
Input RightButton(int dx, int dy)
{
    return {ui::TrackKind::RightButton, dx, dy};
}
Input Escape()
{
    return {ui::TrackKind::Escape};
}
Input CaptureLost()
{
    return {ui::TrackKind::CaptureLost};
}

// A4 with half-inch margins (720 to 11186 across); a pixel is 15 twips and
// the grid every 72 twips. The box (1440, 1440, 2880, 2880) and the ellipse
// (4320, 1440, 7200, 2880) are selected and grabbed by the box's middle.
class SelectionDragTest : public ::testing::Test {
protected:
    SelectionDragTest()
    {
        view.SetDocument(doc.get());
        view.OnInitialUpdate();
        dc.emplace(&view);
        view.SetupOwnDC(*dc);
        for (FORMOBJ* o = doc->GetObjects().GetHead(); o; o = o->GetNext())
            if (o->GetPage() == 1) {
                o->Select(&view);
                chosen.push_back(o);
            }
        press = LogicalToDevice(*dc, {2160, 2160});
        view.surface.Clear();
    }
    ~SelectionDragTest() override { view.SetDocument(nullptr); }

    ui::TrackEvent Event(const Input& input) const
    {
        const bool button = input.kind != ui::TrackKind::Release && input.kind != ui::TrackKind::CaptureLost;
        return {input.kind, {press.x + input.dx, press.y + input.dy}, button ? Qt::LeftButton : Qt::NoButton, {}};
    }

    // Steps the drag as the loop would: until a step ends or cancels it,
    // or the input runs out.
    ui::DragStep Feed(SelectionDrag& drag, const std::vector<Input>& inputs)
    {
        std::vector<ui::TrackEvent> events;
        for (const Input& input : inputs)
            events.push_back(Event(input));
        return FeedDrag(drag, events);
    }

    // Outlines drawn by inversion (the box's focus rectangle, the
    // ellipse's inverted ellipse) and not drawn again: still on the window.
    int OutlinesLeft() const
    {
        std::map<std::pair<std::string, std::vector<int32_t>>, int> drawn;
        for (const gdi::RecordedCall& call : view.surface.Calls())
            if (call.name == "FocusRect" || call.name == "Ellipse") {
                std::pair<std::string, std::vector<int32_t>> key {call.name, {}};
                for (const POINT& p : call.points)
                    key.second.insert(key.second.end(), {p.x, p.y});
                ++drawn[key];
            }
        int left = 0;
        for (const auto& [outline, times] : drawn)
            left += times % 2;
        return left;
    }

    std::vector<RECT> Rects() const
    {
        std::vector<RECT> rects;
        for (const FORMOBJ* o : chosen) {
            RECT r;
            o->GetRect(r);
            rects.push_back(r);
        }
        return rects;
    }

    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = MakeTwoPageForm();
    RecordingView view {1000, 800};
    std::optional<VIEWDC> dc;
    std::vector<FORMOBJ*> chosen;
    POINT press {0, 0};
    bool source = false;
};

using Phase = SelectionDrag::Phase;

struct StepCase {
    const char* name;
    bool snap;
    std::vector<Input> inputs;
    ui::DragStep last;
    Phase phase;
    RECT target; // where a drop puts the selection
};

void PrintTo(const StepCase& c, std::ostream* os)
{
    *os << c.name;
}

class SelectionDragSteps
    : public SelectionDragTest
    , public testing::WithParamInterface<StepCase> {};

TEST_P(SelectionDragSteps, EndInTheirPhaseAndLeaveNoOutline)
{
    const StepCase& c = GetParam();
    view.SetSnap(c.snap);
    const std::vector<RECT> before = Rects();
    SelectionDrag drag(view, *dc, press, source);

    EXPECT_EQ(Feed(drag, c.inputs), c.last);
    EXPECT_EQ(drag.GetPhase(), c.phase);
    if (c.phase == Phase::Dropped) {
        EXPECT_EQ(drag.GetTarget(), c.target);
    }
    EXPECT_EQ(OutlinesLeft(), 0);
    EXPECT_FALSE(source);
    // The drag itself moves nothing: the view places a drop.
    EXPECT_EQ(Rects(), before);
}

INSTANTIATE_TEST_SUITE_P(Designer, SelectionDragSteps,
    testing::Values(
        // (1890, 1740) snaps to (1872, 1728).
        StepCase {"ADropSnapsToTheGrid", true, {Move(15, 10), Move(30, 20), Release(30, 20)}, ui::DragStep::End,
            Phase::Dropped, {1872, 1728, 7632, 3168}},
        StepCase {"WithoutSnapADropFollowsThePointer", false, {Move(15, 10), Move(30, 20), Release(30, 20)},
            ui::DragStep::End, Phase::Dropped, {1890, 1740, 7650, 3180}},
        StepCase {"AReleaseWithinThreePixelsIsAClick", true, {Move(3, -3), Release(3, -3)}, ui::DragStep::End,
            Phase::Clicked, {}},
        StepCase {"EscapeWhileWaitingIsPassedOver", true, {Move(2, 0), Escape(), Move(30, 20), Release(30, 20)},
            ui::DragStep::End, Phase::Dropped, {1872, 1728, 7632, 3168}},
        StepCase {"EscapeDuringTheDragGivesItUp", true, {Move(20, 20), Escape(), Release(30, 20)}, ui::DragStep::Cancel,
            Phase::NotDropped, {}},
        StepCase {"RightButtonWhileWaitingEndsTheWait", true, {Move(2, 2), RightButton(2, 2), Release(2, 2)},
            ui::DragStep::Cancel, Phase::NotStarted, {}},
        StepCase {"RightButtonDuringTheDragGivesItUp", true, {Move(20, 20), RightButton(20, 20), Release(20, 20)},
            ui::DragStep::Cancel, Phase::NotDropped, {}},
        // Another key takes the capture away while the press waits.
        StepCase {"LosingTheCaptureWhileWaitingEndsTheWait", true, {Move(1, 1), CaptureLost(), Release(1, 1)},
            ui::DragStep::Cancel, Phase::NotStarted, {}},
        StepCase {"LosingTheCaptureDuringTheDragGivesItUp", true, {Move(20, 20), CaptureLost(), Release(20, 20)},
            ui::DragStep::Cancel, Phase::NotDropped, {}},
        // Beyond the left margin, and beyond the bottom of the page.
        StepCase {"AReleaseLeftOfTheMarginDropsNothing", true, {Move(-30, 0), Release(-60, 0)}, ui::DragStep::End,
            Phase::NotDropped, {}},
        StepCase {"AReleaseBelowThePageDropsNothing", true, {Move(0, 600), Release(0, 1200)}, ui::DragStep::End,
            Phase::NotDropped, {}},
        // The loop stopped without a word from the drag.
        StepCase {"InputEndingWhileWaiting", true, {Move(2, 2)}, ui::DragStep::Continue, Phase::NotStarted, {}},
        StepCase {"InputEndingDuringTheDrag", true, {Move(20, 20)}, ui::DragStep::Continue, Phase::NotDropped, {}}),
    [](const testing::TestParamInfo<StepCase>& info) { return info.param.name; });

TEST_F(SelectionDragTest, OneOutlinePerObjectFollowsThePointerWhileTheViewIsTheSource)
{
    SelectionDrag drag(view, *dc, press, source);
    EXPECT_EQ(drag.GetPhase(), Phase::Ready);
    drag.Begin();
    EXPECT_EQ(drag.GetPhase(), Phase::Waiting);

    EXPECT_EQ(drag.Step(Event(Move(3, 3))), ui::DragStep::Continue);
    EXPECT_EQ(drag.GetPhase(), Phase::Waiting);
    EXPECT_FALSE(source);
    EXPECT_EQ(OutlinesLeft(), 0);

    const struct {
        POINT by;
        Phase phase;
    } path[] = {{{4, 0}, Phase::Moving}, {{-60, 0}, Phase::Refused}, {{30, 20}, Phase::Moving}};
    for (const auto& step : path) {
        EXPECT_EQ(drag.Step(Event(Move(step.by.x, step.by.y))), ui::DragStep::Continue);
        EXPECT_EQ(drag.GetPhase(), step.phase) << step.by.x;
        EXPECT_TRUE(source);
        EXPECT_EQ(OutlinesLeft(), 2) << step.by.x;
    }
    // A pointer that stays on the same grid point redraws nothing.
    const size_t drawn = view.surface.Calls().size();
    EXPECT_EQ(drag.Step(Event(Move(31, 20))), ui::DragStep::Continue);
    EXPECT_EQ(view.surface.Calls().size(), drawn);

    drag.Cancel();
    EXPECT_EQ(drag.GetPhase(), Phase::NotDropped);
    EXPECT_EQ(OutlinesLeft(), 0);
    EXPECT_FALSE(source);
}

TEST_F(SelectionDragTest, OutlinesAreDrawnWhereTheObjectsWouldGoOnTheWindow)
{
    // The view's context maps twips; the outlines are placed in pixels.
    view.SetSnap(false);
    SelectionDrag drag(view, *dc, press, source);
    drag.Begin();
    drag.Step(Event(Move(30, 20)));
    const POINT topLeft = LogicalToDevice(*dc, {1440, 1440});
    const POINT bottomRight = LogicalToDevice(*dc, {2880, 2880});
    std::vector<std::vector<POINT>> focusRects;
    for (const gdi::RecordedCall& call : view.surface.Calls())
        if (call.name == "FocusRect")
            focusRects.push_back(call.points);
    ASSERT_EQ(focusRects.size(), 1u);
    EXPECT_EQ(focusRects[0],
        (std::vector<POINT> {{topLeft.x + 30, topLeft.y + 20}, {bottomRight.x + 31, bottomRight.y + 21}}));
    drag.Cancel();
}

TEST_F(SelectionDragTest, ObjectsAlreadyOutsideTheMarginsMayBeDroppedAnywhereOnThePage)
{
    chosen[0]->SetRect(360, 1440, 1800, 2880);
    chosen[1]->SetRect(4320, 1440, 7200, 2880);
    view.GetSelection()->Deselect(&view);
    for (FORMOBJ* o : chosen)
        o->Select(&view);
    press = LogicalToDevice(*dc, {1000, 2160});
    // Outside the margins, and so refused, once no drag holds the view.
    const auto refusedNow = [&] {
        RECT r;
        chosen[0]->GetRect(r);
        r = r.Offset(-dc->originX, -dc->originY);
        return view.IsValidPlacement(r.left, r.top, r.right, r.bottom, chosen[0]) == 0;
    };
    ASSERT_TRUE(refusedNow());

    SelectionDrag drag(view, *dc, press, source);
    EXPECT_EQ(Feed(drag, {Move(10, 20), Release(10, 20)}), ui::DragStep::End);
    EXPECT_EQ(drag.GetPhase(), Phase::Dropped);
    EXPECT_EQ(drag.GetTarget(), (RECT {504, 1728, 7344, 3168}));
    EXPECT_TRUE(refusedNow());
}

} // namespace
