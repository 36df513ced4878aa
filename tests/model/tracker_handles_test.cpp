// The tracker's handles: which are shown, where they lie, which one a point
// hits, the cursors over them and the handle size that win.ini gives.
#include "tests/model/tracking_view.h"

#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "platform/settings/win_ini.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

namespace {

struct MaskCase {
    RECT rect;
    unsigned mask;
};

TEST(TrackerHandles, MiddleHandlesShowWhenTheSideHasRoomForThem)
{
    // Handle size 90: a side shows its middle handle from 3 x 90 + 5 twips.
    const MaskCase cases[] = {
        {{0, 0, 200, 100}, 15},
        {{0, 0, 400, 100}, 95},
        {{0, 0, 100, 400}, 175},
        {{0, 0, 400, 400}, 255},
        {{0, 0, 275, 275}, 255},
        {{0, 0, 274, 274}, 15},
        {{400, 0, 0, 100}, 95},
        {{0, 400, 100, 0}, 175},
    };
    for (const MaskCase& c : cases) {
        TrackedShape shape;
        shape.Tracker(c.rect, kTrackStandard);
        EXPECT_EQ(shape.GetHandleMask() & 0xFF, c.mask) << c.rect.right << " x " << c.rect.bottom;
    }
}

TEST(TrackerHandles, HandlesLieOutsideTheOutlineAtTheCornersAndMiddles)
{
    // (1000, 1000, 2000, 1600) with a dotted outline: the handles lie
    // outside the rectangle grown by one.
    const RECT expected[8] = {
        {910, 910, 1000, 1000},
        {2000, 910, 2090, 1000},
        {2000, 1600, 2090, 1690},
        {910, 1600, 1000, 1690},
        {1455, 910, 1545, 1000},
        {2000, 1255, 2090, 1345},
        {1455, 1600, 1545, 1690},
        {910, 1255, 1000, 1345},
    };
    TrackedShape shape({1000, 1000, 2000, 1600});
    for (int handle = 0; handle < 8; ++handle) {
        RECT box;
        shape.GetHandleRect(handle, box, {1000, 1000, 2000, 1600});
        EXPECT_EQ(box, expected[handle]) << "handle " << handle;
    }
    // On a rectangle inverted in x the top-left handle shows at the right.
    RECT box;
    shape.GetHandleRect(0, box, {2000, 1000, 1000, 1600});
    EXPECT_EQ(box, expected[1]);
}

TEST(TrackerHandles, HandlesInsideShrinkToHalfTheSmallerSide)
{
    struct {
        uint32_t style;
        RECT rect;
        int32_t size;
    } cases[] = {
        {kTrackStandard, {0, 0, 100, 60}, 90},
        {0x0A, {0, 0, 100, 60}, 30},
        {0x0A, {0, 0, 1000, 600}, 90},
        {0x0A, {100, 60, 0, 0}, 30},
    };
    for (const auto& c : cases) {
        TrackedShape shape;
        shape.Tracker(c.rect, c.style);
        EXPECT_EQ(shape.GetHandleSize(c.rect), c.size);
    }
}

TEST(TrackerHandles, HitsAreNormalisedForAnInvertedRectangle)
{
    struct {
        RECT rect;
        int handle;
        int normalised;
    } cases[] = {
        {{0, 0, 100, 100}, 0, 0},
        {{100, 0, 0, 100}, 0, 1},
        {{100, 0, 0, 100}, 5, 7},
        {{100, 0, 0, 100}, 4, 4},
        {{0, 100, 100, 0}, 4, 6},
        {{100, 100, 0, 0}, 0, 2},
        {{100, 100, 0, 0}, 8, 8},
        {{100, 100, 0, 0}, -1, -1},
    };
    for (const auto& c : cases) {
        TrackedShape shape;
        shape.Tracker(c.rect, kTrackStandard);
        EXPECT_EQ(shape.NormalizeHit(c.handle), c.normalised);
    }
}

TEST(TrackerHandles, PointsHitHandlesThenTheObject)
{
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    struct {
        uint16_t angle;
        POINT at;
        int hit;
    } cases[] = {
        {0, {950, 950}, 0},
        {0, {2089, 1689}, 2},
        {0, {2090, 1690}, -1},
        {0, {1500, 950}, 4},
        {0, {1500, 1300}, 8},
        {0, {1999, 1599}, 8},
        {0, {3000, 3000}, -1},
        // Turned a quarter, the right middle handle lies above the centre.
        {900, {1500, 1300 - 545}, 5},
        {900, {1500, 1300}, 8},
    };
    for (const auto& c : cases) {
        TrackedShape shape;
        shape.Turn(c.angle);
        shape.SetRect(1000, 1000, 2000, 1600);
        EXPECT_EQ(shape.HitTestHandlesAt(dc, c.at.x, c.at.y), c.hit) << c.at.x << ", " << c.at.y;
        EXPECT_EQ(shape.HitTestHandles(dc, c.at.x, c.at.y), c.hit) << c.at.x << ", " << c.at.y;
    }
}

TEST(TrackerHandles, WithoutHandlesOnlyTheObjectIsHit)
{
    FakeView view;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    TrackedShape shape({1000, 1000, 2000, 1600});
    shape.Tracker({1000, 1000, 2000, 1600}, kTrackDotted);
    EXPECT_EQ(shape.HitTestHandles(dc, 950, 950), -1);
    EXPECT_EQ(shape.HitTestHandles(dc, 1000, 1000), 8);
}

TEST(TrackerHandles, CursorFollowsTheHandleUnderThePointer)
{
    struct {
        uint16_t angle;
        POINT pointer;
        int result;
        Qt::CursorShape shape;
    } cases[] = {
        {0, {97, 97}, 1, Qt::SizeFDiagCursor},
        {0, {203, 97}, 1, Qt::SizeBDiagCursor},
        {0, {150, 97}, 1, Qt::SizeVerCursor},
        {0, {203, 150}, 1, Qt::SizeHorCursor},
        {0, {150, 150}, 1, Qt::SizeAllCursor},
        {0, {300, 250}, 0, Qt::ArrowCursor},
        {900, {150, 150}, 1, Qt::SizeAllCursor},
    };
    for (const auto& c : cases) {
        TrackView view;
        view.window.setCursor(Qt::ArrowCursor);
        TrackedShape shape;
        shape.Turn(c.angle);
        shape.SetRect(1500, 1500, 3000, 3000);
        view.pointer = c.pointer;
        EXPECT_EQ(shape.SetCursor(&view, 1), c.result);
        EXPECT_EQ(view.window.cursor().shape(), c.shape) << c.pointer.x << ", " << c.pointer.y;
        EXPECT_EQ(shape.SetCursor(&view, 2), 0) << "outside the client area";
    }
}

TEST(TrackerHandles, TurnedObjectShowsTheCrossOverAResizeHandle)
{
    TrackView view;
    TrackedShape shape;
    shape.Turn(450);
    shape.SetRect(1500, 1500, 3000, 3000);
    RECT box;
    shape.GetHandleRect(5, box, {1500, 1500, 3000, 3000});
    ROTATION turn;
    shape.GetTrackRotation(turn);
    const POINT at = turn.Rotate({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
    view.pointer = {at.x / 15, at.y / 15};
    EXPECT_EQ(shape.SetCursor(&view, 1), 1);
    EXPECT_EQ(view.window.cursor().shape(), Qt::CrossCursor);
}

TEST(TrackerHandles, BorderWidthComesFromWinIniWithItsDefault)
{
    QTemporaryDir dir;
    const std::filesystem::path file = dir.path().toStdString() + "/win.ini";
    EXPECT_EQ(TrackerBorderWidth(settings::WinIni(file, QLocale::c())), 4);
    std::ofstream(file) << "[windows]\r\noleinplaceborderwidth=7\r\n";
    EXPECT_EQ(TrackerBorderWidth(settings::WinIni(file, QLocale::c())), 7);
}

} // namespace
