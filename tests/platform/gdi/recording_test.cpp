#include "platform/gdi/dc.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

using namespace gdi;

// A 96-dpi window context at 150 % zoom in twips, scrolled by (1440, 0).
class Recording : public testing::Test {
protected:
    Recording()
        : dc(surface)
    {
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(144, 144);
        dc.SetWindowOrg(1440, 0);
    }
    std::string Last() const { return surface.Lines().back(); }

    RecordingSurface surface;
    DC dc;
};

TEST_F(Recording, ShapesAreLoggedInDeviceUnitsWithResolvedPens)
{
    dc.SelectObject(Pen::Solid(100, RGB(255, 0, 0))); // 100 twips at 150 %: 10 pixels
    dc.SelectObject(Brush::Hatched(HS_CROSS, RGB(0, 0, 255)));
    dc.Rectangle(1440, 0, 2880, 720);
    EXPECT_EQ(Last(), "Rectangle (0,0) (144,72) pen=solid/10/FF0000 brush=hatch4/0000FF rop2=13 bk=FFFFFF/opaque");

    dc.SelectObject(Pen::InsideFrame(30, 0));
    dc.SelectObject(GetStockBrush(NULL_BRUSH));
    dc.SetBkMode(TRANSPARENT);
    dc.Ellipse(2880, 1440, 1440, 0); // given the wrong way round
    EXPECT_EQ(Last(), "Ellipse (0,0) (144,144) pen=insideframe/3/000000 brush=null rop2=13 bk=FFFFFF/transparent");

    dc.SelectObject(Pen::Solid(5, 0)); // under one pixel: a one-pixel pen
    dc.RoundRect(1440, 0, 2880, 1440, 200, 100);
    EXPECT_EQ(Last(), "RoundRect (0,0) (144,144) 20 10 pen=solid/0/000000 brush=null rop2=13 bk=FFFFFF/transparent");

    dc.SelectObject(Pen::Dotted(RGB(0, 128, 0)));
    dc.SetROP2(R2_NOT);
    dc.MoveTo(1440, 0);
    dc.LineTo(2880, 1440);
    EXPECT_EQ(Last(), "Polyline (0,0) (144,144) pen=dot/0/008000 brush=null rop2=6 bk=FFFFFF/transparent");
    EXPECT_EQ(dc.GetCurrentPosition(), (POINT {2880, 1440}));

    dc.SetPolyFillMode(WINDING);
    dc.Polygon({{1440, 0}, {2880, 0}, {1440, 1440}});
    EXPECT_EQ(Last(), "Polygon (0,0) (144,0) (0,144) 2 pen=dot/0/008000 brush=null rop2=6 bk=FFFFFF/transparent");
}

TEST_F(Recording, FillsUseTheirOwnBrushAndRasterOperation)
{
    dc.SetROP2(R2_XORPEN); // not used by fills
    dc.FillRect({1440, 0, 1540, 100}, Brush::Solid(RGB(0x12, 0x34, 0x56)));
    EXPECT_EQ(Last(), "PatBlt (0,0) (10,10) 15728673 pen=solid/0/000000 brush=solid/123456 rop2=7 bk=FFFFFF/opaque");
    EXPECT_EQ(dc.GetBrush(), GetStockBrush(WHITE_BRUSH));

    EXPECT_TRUE(dc.PatBlt(1440, 0, 100, 100, PATINVERT));
    EXPECT_EQ(surface.Calls().back().values, std::vector<int> {0x5A0049});
    EXPECT_TRUE(dc.PatBlt(1440, 0, 100, 100, PATNOT));
    EXPECT_EQ(surface.Calls().back().values, std::vector<int> {0x000F0001});
    EXPECT_TRUE(dc.PatBlt(1440, 0, 100, 100, DSTINVERT));
    const size_t count = surface.Calls().size();
    EXPECT_FALSE(dc.PatBlt(1440, 0, 100, 100, 0x00AA0029)); // not a pattern operation
    EXPECT_EQ(surface.Calls().size(), count);

    const uint8_t bits[] = {0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x55, 0};
    dc.SelectObject(Brush::Pattern(Bitmap::FromMonoBits(8, 8, bits, 2)));
    dc.SetTextColor(RGB(255, 0, 0));
    dc.PatBlt(1440, 0, 100, 100, PATCOPY);
    EXPECT_EQ(Last(),
        "PatBlt (0,0) (10,10) 15728673 pen=solid/0/000000 brush=pattern/AA55AA55AA55AA55 rop2=7 "
        "bk=FFFFFF/opaque");
    EXPECT_EQ(surface.Calls().back().state.textColour, RGB(255, 0, 0));
}

TEST_F(Recording, RegionsFocusRectanglesAndBitmaps)
{
    dc.FillRgn(Region::Rect(0, 0, 4, 4), Brush::Solid(0));
    EXPECT_EQ(Last(), "FillRegion (0,0) (4,4) pen=solid/0/000000 brush=solid/000000 rop2=13 bk=FFFFFF/opaque");

    dc.DrawFocusRect({1440, 0, 2880, 1440});
    EXPECT_EQ(surface.Calls().back().name, "FocusRect");
    EXPECT_EQ(surface.Calls().back().points, (std::vector<POINT> {{0, 0}, {144, 144}}));

    const Bitmap mono(8, 8, true);
    EXPECT_TRUE(dc.StretchBlt(1440, 0, 1440, 720, mono, 0, 0, 8, 8, SRCCOPY));
    EXPECT_EQ(surface.Calls().back().points, (std::vector<POINT> {{0, 0}, {144, 72}}));
    EXPECT_EQ(surface.Calls().back().values, (std::vector<int> {0, 0, 8, 8, 1, 0xCC0020}));
    EXPECT_TRUE(dc.BitBlt(1440, 0, 80, 80, mono, 2, 3, SRCCOPY)); // 8 × 8 device pixels
    EXPECT_EQ(surface.Calls().back().values, (std::vector<int> {2, 3, 10, 11, 1, 0xCC0020}));
    EXPECT_FALSE(dc.StretchBlt(0, 0, 10, 10, Bitmap(), 0, 0, 8, 8, SRCCOPY));
}

TEST_F(Recording, TextIsLoggedWithItsFontInDevicePixels)
{
    LOGFONT lf;
    lf.lfHeight = -240; // 12 pt in twips: 24 pixels at 150 %
    lf.lfWeight = FW_BOLD;
    lf.lfEscapement = 450;
    lf.SetFaceName("Arial");
    dc.SelectObject(Font(lf));
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(2880, 720, "Caf\xE9");
    EXPECT_EQ(Last(), "TextOut (144,72) \"Café\" font=Arial/24/700/0/450 text=0000FF bk=FFFFFF/opaque");
}

TEST_F(Recording, ClipIsPassedInDeviceUnits)
{
    const Region clip = Region::Rect(5, 6, 50, 60);
    dc.SelectClipRgn(&clip);
    dc.Rectangle(1440, 0, 1540, 100);
    EXPECT_EQ(Last(),
        "Rectangle (0,0) (10,10) pen=solid/0/000000 brush=solid/FFFFFF rop2=13 bk=FFFFFF/opaque "
        "clip=5,6,50,60");
}

} // namespace
