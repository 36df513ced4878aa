// The ellipse's own tracker: an elliptic outline one pixel outside it, and
// the move cursor only over the ellipse.
#include "tests/model/tracking_view.h"

#include "forms/model/fellipse.h"
#include "forms/model/tracker_geometry.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<FELLIPSE> PlacedEllipse(RECT r)
{
    auto ellipse = std::make_unique<FELLIPSE>();
    EXPECT_EQ(ellipse->Init(), 1);
    ellipse->SetPage(1);
    ellipse->SetRect(r.left, r.top, r.right, r.bottom);
    return ellipse;
}

struct TrackerCase {
    const char* name;
    bool selected;
    uint8_t deviceKind;
    int32_t drawHandles;
    std::vector<std::string> expected;
};

class EllipseTracker : public testing::TestWithParam<TrackerCase> {};

// 15 twips to the pixel: the ellipse (1500, 1500, 4500, 3000) twips with
// its border's outer rectangle is one pixel larger than that on the window.
TEST_P(EllipseTracker, DrawsADottedEllipseOutsideTheOuterRectangleAndTheHandles)
{
    const TrackerCase& c = GetParam();
    g_twipsPerDevice = 15;
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    dc.drawHandles = c.drawHandles;
    dc.deviceKind = c.deviceKind;
    auto ellipse = PlacedEllipse({1500, 1500, 4500, 3000});
    ellipse->SetSelectFlag(c.selected ? 1 : 0);
    RECT outer;
    ellipse->GetOuterRect(outer, dc);
    view.surface.Clear();
    ellipse->DrawTracker(dc);
    g_twipsPerDevice = 1;

    std::vector<std::string> names;
    for (const gdi::RecordedCall& call : view.surface.Calls())
        names.push_back(call.name);
    EXPECT_EQ(names, c.expected);
    if (names.empty())
        return;
    const gdi::RecordedCall& outline = view.surface.Calls()[0];
    const std::vector<POINT> expected {
        {outer.left / 15 - 1, outer.top / 15 - 1}, {outer.right / 15 + 1, outer.bottom / 15 + 1}};
    EXPECT_EQ(outline.points, expected);
    EXPECT_EQ(outline.state.pen.style, gdi::PS_DOT);
    EXPECT_TRUE(outline.state.brush.IsNull());
    EXPECT_EQ(outline.state.rop2, gdi::R2_COPYPEN);
}

const std::vector<std::string> kEllipseAndEightHandles {
    "Ellipse", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt"};

INSTANTIATE_TEST_SUITE_P(Shapes, EllipseTracker,
    testing::Values(TrackerCase {"Selected", true, kDeviceWindow, 1, kEllipseAndEightHandles},
        TrackerCase {"NotSelected", false, kDeviceWindow, 1, {}}, TrackerCase {"Printer", true, kDevicePrinter, 1, {}},
        TrackerCase {"NoHandlesWanted", true, kDeviceWindow, 0, {}}),
    [](const testing::TestParamInfo<TrackerCase>& info) { return info.param.name; });

// An ellipse whose tracker has another style, with the handle size that
// every kind uses.
class RestyledEllipse : public FELLIPSE {
public:
    void Restyle(uint32_t style)
    {
        SetTrackerRect(rect, style);
        handleSize = 90;
    }
};

// Hatched styles keep the rectangle: the inside masked one unit in, the
// border as four inverted strips around it.
TEST(EllipseTrackerHatched, MasksTheInsideAndInvertsTheBorderStrips)
{
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    dc.drawHandles = 1;
    RestyledEllipse ellipse;
    ASSERT_EQ(ellipse.Init(), 1);
    ellipse.SetRect(1000, 1000, 1200, 1100);
    ellipse.Restyle(kTrackHatchedBorder | kTrackHatchedInside);
    ellipse.SetSelectFlag(1);
    RECT outer;
    ellipse.GetOuterRect(outer, dc);
    view.surface.Clear();
    ellipse.DrawTracker(dc);

    const auto& calls = view.surface.Calls();
    ASSERT_GE(calls.size(), 5u);
    EXPECT_EQ(calls[0].name, "Rectangle");
    EXPECT_EQ(calls[0].state.rop2, gdi::R2_MASKNOTPEN);
    EXPECT_EQ(calls[0].points, (std::vector<POINT> {{outer.left + 1, outer.top + 1}, {outer.right, outer.bottom}}));
    // Handles inside: the handle size is half the outer rectangle's
    // smaller side, less than 90; the strips are one less wide.
    const int32_t grow = outer.Height() / 2 - 1;
    const RECT grown = outer.Inflated(grow, grow);
    const std::vector<std::vector<POINT>> strips = {{{grown.left, grown.top}, {grown.right, outer.top}},
        {{grown.left, outer.bottom}, {grown.right, grown.bottom}},
        {{grown.left, outer.top}, {outer.left, outer.bottom}}, {{outer.right, outer.top}, {grown.right, outer.bottom}}};
    for (size_t i = 0; i < strips.size(); ++i) {
        EXPECT_EQ(calls[i + 1].name, "PatBlt");
        EXPECT_EQ(calls[i + 1].points, strips[i]);
        EXPECT_EQ(calls[i + 1].values.at(0), static_cast<int>(gdi::PATNOT));
    }
}

// The ellipse (1500, 1500, 3000, 3000) twips is (100, 100)-(200, 200) on the
// window; its top-left handle lies at (94, 94)-(100, 100).
TEST(EllipseCursor, MoveCursorOnlyOverTheEllipse)
{
    struct {
        uint16_t angle;
        POINT pointer;
        int result;
        Qt::CursorShape shape;
    } const cases[] = {
        {0, {97, 97}, 1, Qt::SizeFDiagCursor},
        {0, {203, 150}, 1, Qt::SizeHorCursor},
        {0, {150, 150}, 1, Qt::SizeAllCursor},
        // Inside the rectangle, off the ellipse.
        {0, {104, 104}, 0, Qt::ArrowCursor},
        {0, {300, 250}, 0, Qt::ArrowCursor},
        // Turned a quarter, the top-left corner shows a turned corner
        // handle's own cursor.
        {900, {97, 97}, 1, Qt::SizeBDiagCursor},
    };
    for (const auto& c : cases) {
        TrackView view;
        auto ellipse = PlacedEllipse({1500, 1500, 3000, 3000});
        ellipse->SetRotation(c.angle, nullptr);
        ellipse->SetSelectFlag(1);
        view.window.setCursor(Qt::ArrowCursor);
        view.pointer = c.pointer;
        EXPECT_EQ(ellipse->SetCursor(&view, kHitClient), c.result) << c.pointer.x << "," << c.pointer.y;
        EXPECT_EQ(view.window.cursor().shape(), c.shape) << c.pointer.x << "," << c.pointer.y;
    }
}

} // namespace
