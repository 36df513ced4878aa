// Drawing new shapes with the mouse, dragging the orthogonal line's ends,
// and the ellipse's own tracker and cursor.
#include "tests/model/tracking_view.h"

#include "forms/model/fbox.h"
#include "forms/model/fellipse.h"
#include "forms/model/fline.h"
#include "forms/model/forthline.h"
#include "forms/model/tracker_geometry.h"
#include "platform/ui/cursor.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// A new shape of a kind, made as the insert tool makes it, on page 1.
template<class T>
std::unique_ptr<T> NewShape()
{
    auto shape = std::make_unique<T>();
    EXPECT_EQ(shape->Init(), 1);
    shape->SetPage(1);
    return shape;
}

using MakeShape = std::function<std::unique_ptr<FORMOBJ>()>;
const MakeShape kBox = [] { return NewShape<FBOX>(); };
const MakeShape kEllipse = [] { return NewShape<FELLIPSE>(); };
const MakeShape kOrthLine = [] { return NewShape<FORTHLINE>(); };
const MakeShape kLine = [] { return NewShape<FLINE>(); };

struct Ends {
    POINT first;
    POINT second;
};

struct NewCase {
    const char* name;
    MakeShape make;
    int32_t grid;
    int allowInvert;
    std::function<void(TrackView&)> events;
    int expectedResult;
    RECT expected;
    std::optional<Ends> ends = {};
    int32_t rightLimit = 6000;
};

void DragTo(TrackView& v, int x, int y)
{
    v.PostMove((100 + x) / 2, (100 + y) / 2);
    v.PostMove(x, y);
    v.PostRelease(x, y);
}

class DrawingANewShape : public testing::TestWithParam<NewCase> {};

// Pressed at (100, 100) on the window, 1500 twips on the page; placements
// may reach 6000 twips to the right unless the case says otherwise.
TEST_P(DrawingANewShape, PlacesRefusesOrCancels)
{
    const NewCase& c = GetParam();
    TrackView view;
    view.grid = c.grid;
    view.rightLimit = c.rightLimit;
    std::unique_ptr<FORMOBJ> shape = c.make();
    const QImage before = view.Picture();
    c.events(view);

    EXPECT_EQ(shape->TrackNew(&view, 100, 100, c.allowInvert), c.expectedResult);
    RECT r;
    shape->GetRect(r);
    EXPECT_EQ(r, c.expected);
    if (c.ends) {
        auto* line = dynamic_cast<FLINE*>(shape.get());
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->GetFirstEnd(), c.ends->first);
        EXPECT_EQ(line->GetSecondEnd(), c.ends->second);
    }
    EXPECT_EQ(view.Picture(), before) << "the drag outline is erased";
    EXPECT_EQ(ui::GetCapture(), nullptr);
}

const RECT kNone {0, 0, 0, 0};

INSTANTIATE_TEST_SUITE_P(
    Shapes, DrawingANewShape,
    testing::Values(
        NewCase{"BoxSnapsToTheGrid", kBox, 100, 1, [](TrackView& v) { DragTo(v, 152, 131); }, 2,
                {1500, 1500, 2300, 2000}},
        NewCase{"EllipseDrawnUpAndLeft", kEllipse, 0, 1, [](TrackView& v) { DragTo(v, 80, 90); }, 2,
                {1200, 1350, 1500, 1500}},
        NewCase{"BoxFromATinyDragIsTheSmallest", kBox, 100, 1, [](TrackView& v) { DragTo(v, 102, 101); }, 2,
                {1500, 1500, 1590, 1590}},
        NewCase{"BoxNoWiderThanTheLargestExtent", kBox, 0, 1, [](TrackView& v) { DragTo(v, 2300, 200); }, 2,
                {1500, 1500, 1500 + kMaxExtent, 3000}, {}, 40000},
        NewCase{"BoxClickWithoutDragIsCancelled", kBox, 0, 1, [](TrackView& v) { v.PostRelease(100, 100); }, 0,
                kNone},
        NewCase{"EllipseEscapeCancels", kEllipse, 0, 1,
                [](TrackView& v) {
                    v.PostMove(150, 150);
                    v.PostEscape();
                },
                0, kNone},
        NewCase{"BoxRefused", kBox, 0, 1, [](TrackView& v) { DragTo(v, 450, 150); }, 1, kNone},
        NewCase{"OrthLineWiderThanHighIsHorizontal", kOrthLine, 0, 0, [](TrackView& v) { DragTo(v, 152, 110); },
                2, {1500, 1500, 2280, 1500}},
        NewCase{"OrthLineHigherThanWideIsVertical", kOrthLine, 0, 0, [](TrackView& v) { DragTo(v, 110, 160); }, 2,
                {1500, 1500, 1500, 2400}},
        NewCase{"OrthLineLeftwardsWithoutInversionIsHorizontal", kOrthLine, 0, 0,
                [](TrackView& v) { DragTo(v, 60, 95); }, 2, {900, 1500, 1500, 1500}},
        NewCase{"OrthLineUpwardsIsVertical", kOrthLine, 100, 1, [](TrackView& v) { DragTo(v, 98, 40); }, 2,
                {1500, 600, 1500, 1500}},
        NewCase{"OrthLineClickWithoutDragIsCancelled", kOrthLine, 0, 0,
                [](TrackView& v) { v.PostRelease(100, 100); }, 0, kNone},
        NewCase{"LineFalling", kLine, 0, 0, [](TrackView& v) { DragTo(v, 152, 131); }, 2,
                {1500, 1500, 2280, 1965}, Ends{{1500, 1500}, {2280, 1965}}},
        NewCase{"LineUpAndLeftWithoutInversion", kLine, 0, 0, [](TrackView& v) { DragTo(v, 80, 90); }, 2,
                {1200, 1350, 1500, 1500}, Ends{{1500, 1500}, {1200, 1350}}},
        NewCase{"LineRising", kLine, 0, 1, [](TrackView& v) { DragTo(v, 140, 60); }, 2, {1500, 900, 2100, 1500},
                Ends{{1500, 1500}, {2100, 900}}},
        NewCase{"LineHorizontalLeftwards", kLine, 0, 1, [](TrackView& v) { DragTo(v, 40, 100); }, 2,
                {600, 1500, 1500, 1500}, Ends{{1500, 1500}, {600, 1500}}},
        NewCase{"LineEndsSnapToTheGrid", kLine, 100, 1, [](TrackView& v) { DragTo(v, 152, 131); }, 2,
                {1500, 1500, 2300, 2000}, Ends{{1500, 1500}, {2300, 2000}}},
        NewCase{"LineRefused", kLine, 0, 1, [](TrackView& v) { DragTo(v, 450, 131); }, 1, kNone,
                Ends{{0, 0}, {0, 0}}},
        NewCase{"LineEscapeCancels", kLine, 0, 1,
                [](TrackView& v) {
                    v.PostMove(150, 150);
                    v.PostEscape();
                },
                0, kNone, Ends{{0, 0}, {0, 0}}},
        NewCase{"LineClickWithoutDragIsCancelled", kLine, 0, 1, [](TrackView& v) { v.PostRelease(100, 100); }, 0,
                kNone, Ends{{0, 0}, {0, 0}}}),
    [](const testing::TestParamInfo<NewCase>& info) { return info.param.name; });

// The line (1500, 1500)-(1500, 3000) twips is (100, 100)-(100, 200) on the
// window; its top handle (97, 94)-(103, 100), its bottom one
// (97, 200)-(103, 206).
struct OrthDragCase {
    const char* name;
    POINT press;
    POINT release;
    int32_t grid;
    RECT expected;
};

class DraggingAnOrthogonalLine : public testing::TestWithParam<OrthDragCase> {};

TEST_P(DraggingAnOrthogonalLine, StaysVerticalWithoutThickness)
{
    const OrthDragCase& c = GetParam();
    TrackView view;
    view.grid = c.grid;
    auto line = NewShape<FORTHLINE>();
    line->SetRect(1500, 1500, 1500, 3000);
    line->SetSelectFlag(1);
    view.PostMove(c.release.x, c.release.y);
    view.PostRelease(c.release.x, c.release.y);

    EXPECT_EQ(line->Track(&view, c.press.x, c.press.y), 1);
    RECT r;
    line->GetRect(r);
    EXPECT_EQ(r, c.expected);
}

INSTANTIATE_TEST_SUITE_P(Shapes, DraggingAnOrthogonalLine,
    testing::Values(OrthDragCase {"BottomEndDown", {100, 203}, {140, 253}, 0, {1500, 1500, 1500, 3750}},
        OrthDragCase {"TopEndSnaps", {100, 97}, {130, 61}, 100, {1500, 1000, 1500, 3000}},
        OrthDragCase {"BottomEndPastTheTopTurnsOver", {100, 203}, {100, 50}, 0, {1500, 705, 1500, 1500}},
        OrthDragCase {"MovedWhole", {100, 150}, {130, 170}, 100, {1950, 1800, 1950, 3300}}),
    [](const testing::TestParamInfo<OrthDragCase>& info) { return info.param.name; });

} // namespace
