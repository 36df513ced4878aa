// A ruler on its own: its markers are drawn by inversion, so showing and
// hiding leaves the scale as it was; positions off the page are not kept;
// a pointer marker waits while an object's extent shows; the ticks move
// with the scroll position.
#include "forms/app/frames/ruler_bar.h"

#include "platform/gdi/window_surface.h"
#include "platform/ui/surface_window.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

class RulerBarTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        parent.resize(600, 40);
        ASSERT_TRUE(ruler.Create(&parent, true));
        ruler.GetWindow()->setGeometry(0, 0, 600, RULERBAR::kHorizontalHeight);
        parent.show();
        // 100 %: the page starts 30 pixels in, 8.5 inches long, the view
        // ends at 500.
        ruler.SetScale(96, 1440, 30, 0, 12240, 500);
        ruler.SetShown(true);
        ruler.SetSelectionFlag(true);
        ruler.Redraw();
    }
    QImage Image() { return ruler.GetWindow()->Surface().Image().copy(); }
    bool Ink(int x, int y) { return ruler.GetWindow()->Surface().Pixel(x, y) == 0x000000; }

    QWidget parent;
    RULERBAR ruler;
};

TEST_F(RulerBarTest, AMarkerShownThenHiddenLeavesTheScaleAsItWas)
{
    const QImage scale = Image();
    ruler.ShowMarker(100);
    EXPECT_EQ(ruler.GetFirstMarker(), 100);
    const QImage marked = Image();
    EXPECT_NE(marked, scale);
    // Its rectangle, 3 pixels wide around the position, inverted.
    EXPECT_NE(marked.pixel(130, 10), scale.pixel(130, 10));
    EXPECT_NE(marked.pixel(129, 4), scale.pixel(129, 4));
    EXPECT_EQ(marked.pixel(133, 10), scale.pixel(133, 10));
    EXPECT_EQ(marked.pixel(130, 16), scale.pixel(130, 16));
    ruler.ShowMarker(100);
    EXPECT_EQ(Image(), marked) << "the same position again changes nothing";
    ruler.ShowMarker(140);
    ruler.HideMarkers();
    EXPECT_EQ(ruler.GetFirstMarker(), -1);
    EXPECT_EQ(Image(), scale);

    ruler.ShowObjectExtent(50, 200);
    ruler.ShowObjectExtent(50, 200);
    ruler.ShowObjectExtent(60, 200);
    ruler.Redraw();
    EXPECT_EQ(ruler.GetFirstMarker(), 60) << "a paint keeps the markers";
    ruler.HideMarkers();
    EXPECT_EQ(Image(), scale);
}

TEST_F(RulerBarTest, PositionsOffThePageReadMinusOne)
{
    // The page ends at 816 pixels from its start, past the visible end at
    // 470; a one-inch page ends at 96.
    struct Case {
        int32_t pageLength;
        int32_t position;
        int32_t kept;
    } cases[] = {
        {12240, -5, -1},
        {12240, 0, 0},
        {12240, 470, 470},
        {12240, 471, -1},
        {1440, 96, 96},
        {1440, 97, -1},
    };
    for (const Case& c : cases) {
        ruler.HideMarkers();
        ruler.SetScale(96, 1440, 30, 0, c.pageLength, 500);
        const QImage before = Image();
        ruler.ShowMarker(c.position);
        EXPECT_EQ(ruler.GetFirstMarker(), c.kept) << c.pageLength << " " << c.position;
        if (c.kept == -1) {
            EXPECT_EQ(Image(), before) << "nothing drawn for " << c.position;
        }
        ruler.HideMarkers();
        ruler.ShowObjectExtent(10, c.position);
        EXPECT_EQ(ruler.GetSecondMarker(), c.kept) << c.pageLength << " " << c.position;
    }
    // A hidden ruler keeps no marker.
    ruler.HideMarkers();
    ruler.SetShown(false);
    ruler.ShowMarker(40);
    EXPECT_EQ(ruler.GetFirstMarker(), -1);
}

TEST_F(RulerBarTest, ThePointerWaitsWhileAnExtentShows)
{
    ruler.ShowObjectExtent(40, 90);
    const QImage extent = Image();
    ruler.ShowMarker(60);
    EXPECT_EQ(ruler.GetFirstMarker(), 40);
    EXPECT_EQ(ruler.GetSecondMarker(), 90);
    EXPECT_EQ(Image(), extent);
    ruler.HideMarkers();
    ruler.ShowMarker(60);
    EXPECT_EQ(ruler.GetFirstMarker(), 60);

    // Without the selection flag no extent shows.
    ruler.HideMarkers();
    ruler.SetSelectionFlag(false);
    ruler.ShowObjectExtent(40, 90);
    EXPECT_EQ(ruler.GetFirstMarker(), -1);
    EXPECT_EQ(ruler.GetSecondMarker(), -1);
}

TEST_F(RulerBarTest, TicksAndNumbersFollowTheScroll)
{
    // One inch in: a numbered tick 12 pixels up from the scale's edge,
    // its "1" just after it.
    const int edge = RULERBAR::kHorizontalHeight - 8;
    EXPECT_TRUE(Ink(126, edge - 11));
    EXPECT_TRUE(Ink(126, edge));
    EXPECT_TRUE(Ink(126 + 48, edge - 4)) << "the half inch, 5 pixels";
    EXPECT_FALSE(Ink(126 + 48, edge - 5));
    EXPECT_TRUE(Ink(135, edge - 1)) << "a tenth, 2 pixels";
    EXPECT_FALSE(Ink(135, edge - 2));
    bool digit = false;
    for (int x = 128; x < 134; ++x)
        for (int y = edge - 11; y < edge - 4; ++y)
            digit = digit || Ink(x, y);
    EXPECT_TRUE(digit);

    // Scrolled by half an inch, the inch tick moves 48 pixels left.
    ruler.SetScale(96, 1440, 30, 720, 12240, 500);
    ruler.Refresh();
    EXPECT_TRUE(Ink(126 - 48, edge - 11));
    EXPECT_FALSE(Ink(126, edge - 11));
    EXPECT_TRUE(Ink(126, edge - 4)) << "an inch and a half now";

    // At 50 % the inch tick is 48 pixels from the page's start.
    ruler.SetScale(48, 1440, 30, 0, 12240, 500);
    ruler.Refresh();
    EXPECT_TRUE(Ink(30 + 48, edge - 11));
    EXPECT_FALSE(Ink(30 + 48 + 4, edge - 1)) << "no tenth ticks at 50 %";
}

} // namespace
