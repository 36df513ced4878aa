// Drawing of the tracker: the handles of a selected object, its outline,
// and the drag outlines that are drawn and erased by inverting.
#include "tests/model/tracking_view.h"

#include "forms/model/tracker_geometry.h"
#include "platform/gdi/image_surface.h"

#include <gtest/gtest.h>

namespace {

struct HandleDrawCase {
    const char* name;
    uint16_t outputMode;
    int32_t drawHandles;
    uint8_t deviceKind;
    bool selected;
    std::vector<std::string> expected;
};

class HandleDrawing : public testing::TestWithParam<HandleDrawCase> {};

// A 400 x 100 object at (1000, 1000) with the origin at (100, 0), one twip
// to the device unit: six handles (95).
TEST_P(HandleDrawing, DrawsFilledOrHollowSquaresOrNothing)
{
    const HandleDrawCase& c = GetParam();
    FakeView view;
    view.originX = 100;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    dc.outputMode = c.outputMode;
    dc.drawHandles = c.drawHandles;
    dc.deviceKind = c.deviceKind;
    TrackedShape shape({1000, 1000, 1400, 1100});
    if (c.selected)
        shape.MarkSelected();
    view.surface.Clear();
    shape.DrawSelection(dc);
    std::vector<std::string> lines;
    for (const gdi::RecordedCall& call : view.surface.Calls()) {
        std::string line = call.name;
        for (const POINT& p : call.points)
            line += " (" + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
        lines.push_back(line);
    }
    EXPECT_EQ(lines, c.expected);
}

const std::vector<std::string> kFilled = {
    "PatBlt (810,910) (900,1000)",
    "PatBlt (1300,910) (1390,1000)",
    "PatBlt (1300,1100) (1390,1190)",
    "PatBlt (810,1100) (900,1190)",
    "PatBlt (1055,910) (1145,1000)",
    "PatBlt (1055,1100) (1145,1190)",
};
const std::vector<std::string> kHollow = {
    "Rectangle (810,910) (900,1000)",
    "Rectangle (1300,910) (1390,1000)",
    "Rectangle (1300,1100) (1390,1190)",
    "Rectangle (810,1100) (900,1190)",
    "Rectangle (1055,910) (1145,1000)",
    "Rectangle (1055,1100) (1145,1190)",
};

INSTANTIATE_TEST_SUITE_P(Tracker, HandleDrawing,
    testing::Values(HandleDrawCase {"DesignViewFilled", kOutputDesign, 1, kDeviceWindow, true, kFilled},
        HandleDrawCase {"DesignViewHollow", kOutputDesign, 2, kDeviceWindow, true, kHollow},
        HandleDrawCase {"FillingOrderHollow", kOutputFillingOrder, 1, kDeviceWindow, true, kHollow},
        HandleDrawCase {"NotSelected", kOutputDesign, 1, kDeviceWindow, false, {}},
        HandleDrawCase {"NoHandlesWanted", kOutputDesign, 0, kDeviceWindow, true, {}},
        HandleDrawCase {"Printer", kOutputDesign, 1, kDevicePrinter, true, {}},
        HandleDrawCase {"FillView", kOutputFill, 1, kDeviceWindow, true, {}}),
    [](const testing::TestParamInfo<HandleDrawCase>& info) { return info.param.name; });

TEST(TrackerDrawing, DottedOutlineThenHandlesOfASelectedOrMemberObject)
{
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    dc.drawHandles = 1;
    TrackedShape shape({1000, 1000, 1200, 1100});
    view.surface.Clear();
    shape.DrawTracker(dc);
    EXPECT_TRUE(view.surface.Calls().empty());

    shape.SetMemberSelected(1);
    shape.DrawTracker(dc);
    ASSERT_EQ(view.surface.Calls().size(), 1u) << "a member shows its outline, not its handles";
    const gdi::RecordedCall& outline = view.surface.Calls()[0];
    EXPECT_EQ(outline.name, "Rectangle");
    EXPECT_EQ(outline.points, (std::vector<POINT> {{1000, 1000}, {1200, 1100}}));
    EXPECT_EQ(outline.state.pen.style, gdi::PS_DOT);
    EXPECT_TRUE(outline.state.brush.IsNull());

    view.surface.Clear();
    shape.SetMemberSelected(0);
    shape.MarkSelected();
    shape.DrawTracker(dc);
    EXPECT_EQ(view.surface.Calls().size(), 5u) << "outline and four handles";

    view.surface.Clear();
    dc.noTracker = 1;
    shape.DrawTracker(dc);
    EXPECT_TRUE(view.surface.Calls().empty());
}

TEST(TrackerDrawing, HatchedTrackersInvertStripsAndMaskTheInside)
{
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    dc.drawHandles = 1;
    TrackedShape shape({1000, 1000, 1200, 1100});
    shape.Tracker({1000, 1000, 1200, 1100}, kTrackHatchedBorder | kTrackHatchedInside);
    shape.MarkSelected();
    view.surface.Clear();
    shape.DrawTracker(dc);
    std::vector<std::string> names;
    for (const gdi::RecordedCall& call : view.surface.Calls())
        names.push_back(call.name);
    ASSERT_GE(names.size(), 5u);
    EXPECT_EQ(names[0], "Rectangle");
    EXPECT_EQ(view.surface.Calls()[0].state.rop2, gdi::R2_MASKNOTPEN);
    EXPECT_EQ(view.surface.Calls()[0].points, (std::vector<POINT> {{1001, 1001}, {1200, 1100}}));
    // The border strips: handle size 50 (half the smaller side), grown by 49.
    const std::vector<std::vector<POINT>> strips = {{{951, 951}, {1249, 1000}}, {{951, 1100}, {1249, 1149}},
        {{951, 1000}, {1000, 1100}}, {{1200, 1000}, {1249, 1100}}};
    for (size_t i = 0; i < strips.size(); ++i) {
        EXPECT_EQ(names[i + 1], "PatBlt");
        EXPECT_EQ(view.surface.Calls()[i + 1].points, strips[i]);
        EXPECT_EQ(view.surface.Calls()[i + 1].values.at(0), static_cast<int>(gdi::PATNOT));
    }
}

// A drag outline drawn twice leaves the window as it was, turned or not.
TEST(TrackerDrawing, DragOutlinesDrawnTwiceLeaveNoTrace)
{
    for (uint16_t angle : {0, 300}) {
        TrackView view;
        TrackedShape shape;
        shape.Turn(angle);
        shape.SetRect(1500, 1500, 3000, 3000);
        VIEWDC dc(&view);
        view.SetupOwnDC(dc);
        // Something under the outline to invert.
        dc.dc->FillRect({1400, 1400, 2000, 2000}, gdi::Brush::Solid(gdi::RGB(200, 30, 60)));
        const QImage before = view.Picture();
        const RECT dragged {1600, 1450, 3300, 2800};
        shape.DrawTrackerRect(dragged, 0, dc.dc, &view);
        EXPECT_NE(view.Picture(), before) << angle;
        shape.DrawTrackerRect(dragged, 0, dc.dc, &view);
        EXPECT_EQ(view.Picture(), before) << angle;
    }
}

} // namespace
