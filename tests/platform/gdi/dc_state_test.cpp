#include "platform/gdi/dc.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

using namespace gdi;

TEST(DcState, SettersAnswerThePreviousValue)
{
    RecordingSurface surface;
    DC dc(surface);
    EXPECT_EQ(dc.SetTextColor(RGB(1, 2, 3)), 0u);
    EXPECT_EQ(dc.SetTextColor(0), RGB(1, 2, 3));
    EXPECT_EQ(dc.SetBkColor(RGB(9, 9, 9)), 0xFFFFFFu);
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetBkMode(7), 0); // refused
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.SetROP2(R2_XORPEN), R2_COPYPEN);
    EXPECT_EQ(dc.SetROP2(R2_NOT), R2_XORPEN);
    EXPECT_EQ(dc.SetROP2(R2_MASKNOTPEN), R2_NOT);
    EXPECT_EQ(dc.SetROP2(11), 0); // a mode this layer does not draw
    EXPECT_EQ(dc.GetROP2(), R2_MASKNOTPEN);
    EXPECT_EQ(dc.SetPolyFillMode(WINDING), ALTERNATE);
    EXPECT_EQ(dc.SetPolyFillMode(0), 0);
    EXPECT_EQ(dc.SetBrushOrg(3, 4), (POINT {0, 0}));
    EXPECT_EQ(dc.SetBrushOrg(0, 0), (POINT {3, 4}));
    EXPECT_EQ(dc.SelectObject(Pen::Dotted(0)), GetStockPen(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(GetStockPen(NULL_PEN)), Pen::Dotted(0));
    EXPECT_EQ(dc.SelectObject(Brush::Solid(RGB(0, 0, 255))), GetStockBrush(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectObject(GetStockBrush(NULL_BRUSH)), Brush::Solid(RGB(0, 0, 255)));
    LOGFONT lf;
    lf.lfHeight = -240;
    lf.SetFaceName("Times New Roman");
    EXPECT_EQ(dc.SelectObject(Font(lf)), GetDefaultFont());
    EXPECT_EQ(dc.GetFont().GetLogFont().FaceName(), "Times New Roman");
}

TEST(DcState, StockObjects)
{
    EXPECT_EQ(GetStockPen(BLACK_PEN), Pen::Solid(0, 0));
    EXPECT_EQ(GetStockPen(WHITE_PEN), Pen::Solid(0, 0xFFFFFF));
    EXPECT_TRUE(GetStockPen(NULL_PEN).IsNull());
    EXPECT_EQ(GetStockBrush(BLACK_BRUSH), Brush::Solid(0));
    EXPECT_EQ(GetStockBrush(WHITE_BRUSH), Brush::Solid(0xFFFFFF));
    EXPECT_TRUE(GetStockBrush(NULL_BRUSH).IsNull());
}

TEST(DcState, FaceNamesKeepAtMostThirtyOneBytes)
{
    LOGFONT lf;
    lf.SetFaceName(std::string(40, 'x'));
    EXPECT_EQ(lf.FaceName(), std::string(31, 'x'));
    lf.SetFaceName("Arial");
    EXPECT_EQ(lf.FaceName(), "Arial");
}

TEST(DcState, RestoreDcBringsBackTheWholeState)
{
    RecordingSurface surface;
    DC dc(surface);
    EXPECT_EQ(dc.SaveDC(), 1);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(96, 96);
    dc.SetWindowOrg(100, 100);
    dc.SelectObject(GetStockPen(NULL_PEN));
    dc.SetROP2(R2_NOT);
    dc.SetTextColor(RGB(255, 0, 0));
    const Region clip = Region::Rect(0, 0, 10, 10);
    dc.SelectClipRgn(&clip);
    EXPECT_EQ(dc.SaveDC(), 2);
    dc.SetROP2(R2_XORPEN);
    dc.SetViewportOrg(5, 5);

    EXPECT_TRUE(dc.RestoreDC(-1));
    EXPECT_EQ(dc.GetROP2(), R2_NOT);
    EXPECT_EQ(dc.GetViewportOrg(), (POINT {0, 0}));
    EXPECT_EQ(dc.GetWindowOrg(), (POINT {100, 100}));

    EXPECT_TRUE(dc.RestoreDC(1));
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(dc.GetWindowOrg(), (POINT {0, 0}));
    EXPECT_EQ(dc.GetPen(), GetStockPen(BLACK_PEN));
    EXPECT_EQ(dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(dc.GetTextColor(), 0u);
    Region none;
    EXPECT_EQ(dc.GetClipRgn(none), 0);

    EXPECT_FALSE(dc.RestoreDC(-1)); // nothing left to restore
    EXPECT_FALSE(dc.RestoreDC(0));
    EXPECT_EQ(dc.SaveDC(), 1);
    EXPECT_FALSE(dc.RestoreDC(2));
    EXPECT_TRUE(dc.RestoreDC(1));
}

TEST(DcState, ClipSelectionCopiesTheRegion)
{
    RecordingSurface surface(DeviceKind::Window, 96, 96, {200, 100});
    DC dc(surface);
    Region region = Region::Rect(10, 10, 50, 50);
    EXPECT_EQ(dc.SelectClipRgn(&region), SIMPLEREGION);
    region.Combine(region, Region::Rect(0, 0, 5, 5), RGN_OR); // the caller's region changes later
    Region clip;
    EXPECT_EQ(dc.GetClipRgn(clip), 1);
    EXPECT_EQ(clip, Region::Rect(10, 10, 50, 50));
    EXPECT_EQ(dc.SelectClipRgn(nullptr), SIMPLEREGION);
    EXPECT_EQ(dc.GetClipRgn(clip), 0);
    RECT box;
    EXPECT_EQ(dc.GetClipBox(box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT {0, 0, 200, 100}));
}

TEST(DcState, ExcludeClipRectWorksInLogicalUnitsAndRestores)
{
    RecordingSurface surface(DeviceKind::Window, 96, 96, {200, 200});
    DC dc(surface);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(96, 96);
    const RECT middle {1440, 0, 1500, 1440}; // device (96, 0, 100, 96)
    EXPECT_TRUE(dc.RectVisible(middle));
    const int saved = dc.SaveDC();
    EXPECT_EQ(dc.ExcludeClipRect(1440, 0, 1500, 1440), COMPLEXREGION);
    EXPECT_FALSE(dc.RectVisible(middle));
    EXPECT_TRUE(dc.RectVisible({0, 0, 1500, 1440}));
    Region clip;
    ASSERT_EQ(dc.GetClipRgn(clip), 1);
    EXPECT_FALSE(clip.Contains(96, 50));
    EXPECT_FALSE(clip.Contains(99, 50));
    EXPECT_TRUE(clip.Contains(100, 50));
    EXPECT_TRUE(clip.Contains(95, 50));
    RECT box;
    EXPECT_EQ(dc.GetClipBox(box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT {0, 0, 3000, 3000})); // 200 pixels in twips

    EXPECT_TRUE(dc.RestoreDC(saved));
    EXPECT_TRUE(dc.RectVisible(middle));
    EXPECT_EQ(dc.GetClipRgn(clip), 0);

    // Excluding everything leaves nothing visible.
    EXPECT_EQ(dc.ExcludeClipRect(0, 0, 3000, 3000), NULLREGION);
    EXPECT_FALSE(dc.RectVisible({0, 0, 15, 15}));
}

TEST(DcState, APictureDoesNotClip)
{
    RecordingSurface surface(DeviceKind::Picture);
    DC dc(surface);
    const Region region = Region::Rect(0, 0, 5, 5);
    EXPECT_EQ(dc.SelectClipRgn(&region), ERROR);
    EXPECT_EQ(dc.ExcludeClipRect(0, 0, 5, 5), ERROR);
    Region clip;
    EXPECT_EQ(dc.GetClipRgn(clip), 0);
    dc.Rectangle(0, 0, 10, 10);
    EXPECT_FALSE(surface.Calls().back().state.clip.has_value());
}

TEST(DcState, NestedContextsOnOneSurfaceKeepTheirOwnState)
{
    RecordingSurface surface;
    DC outer(surface);
    outer.SetMapMode(MM_ANISOTROPIC);
    outer.SetWindowExt(1440, 1440);
    outer.SetViewportExt(96, 96);
    outer.Rectangle(0, 0, 1440, 1440);
    {
        DC inner(surface); // taken while the outer one draws
        inner.SetROP2(R2_NOT);
        inner.Rectangle(0, 0, 10, 10);
    }
    outer.Rectangle(1440, 1440, 2880, 2880);
    const std::vector<std::string> lines = surface.Lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "Rectangle (0,0) (96,96) pen=solid/0/000000 brush=solid/FFFFFF rop2=13 bk=FFFFFF/opaque");
    EXPECT_EQ(lines[1], "Rectangle (0,0) (10,10) pen=solid/0/000000 brush=solid/FFFFFF rop2=6 bk=FFFFFF/opaque");
    EXPECT_EQ(lines[2], "Rectangle (96,96) (192,192) pen=solid/0/000000 brush=solid/FFFFFF rop2=13 bk=FFFFFF/opaque");
}

} // namespace
