#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"

#include <gtest/gtest.h>

namespace {

using namespace gdi;

constexpr COLORREF kGrey = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// A 64 × 64 picture with some colour in it.
class Raster : public testing::Test {
protected:
    Raster()
        : surface(64, 64)
        , dc(surface)
    {
        dc.FillRect({0, 0, 64, 64}, Brush::Solid(kGrey));
        dc.FillRect({0, 0, 32, 64}, Brush::Solid(RGB(0x12, 0x9A, 0xF0)));
        dc.FillRect({20, 40, 50, 60}, Brush::Solid(RGB(0xFF, 0xFF, 0x00)));
    }
    COLORREF Pixel(int x, int y) { return surface.Pixel(x, y); }

    ImageSurface surface;
    DC dc;
};

TEST_F(Raster, XorDrawnTwiceRestoresTheImageExactly)
{
    const QImage before = surface.Image().copy();
    dc.SetROP2(R2_XORPEN);
    auto draw = [this] {
        dc.SelectObject(Pen::Solid(3, RGB(0x55, 0xAA, 0x0F)));
        dc.SelectObject(Brush::Solid(RGB(0x0F, 0xF0, 0x33)));
        dc.Rectangle(5, 5, 40, 30);
        dc.SelectObject(Pen::Dotted(kRed));
        dc.SelectObject(GetStockBrush(NULL_BRUSH));
        dc.Ellipse(10, 20, 60, 50);
        dc.SelectObject(Pen::Solid(0, 0xFFFFFF));
        dc.Polyline({{0, 0}, {63, 40}, {10, 63}});
        dc.MoveTo(2, 60);
        dc.LineTo(60, 2);
    };
    draw();
    EXPECT_NE(surface.Image(), before);
    draw();
    EXPECT_EQ(surface.Image(), before);
}

TEST_F(Raster, NotAndPatternInvertDrawnTwiceRestore)
{
    const QImage before = surface.Image().copy();
    dc.SetROP2(R2_NOT);
    dc.SelectObject(Pen::Dotted(0));
    dc.SelectObject(GetStockBrush(NULL_BRUSH));
    dc.SetBkMode(TRANSPARENT);
    dc.Rectangle(3, 3, 50, 50);
    dc.SelectObject(Brush::Hatched(HS_DIAGCROSS, kRed));
    dc.PatBlt(10, 10, 30, 30, PATINVERT);
    dc.DrawFocusRect({1, 1, 60, 60});
    EXPECT_NE(surface.Image(), before);
    dc.DrawFocusRect({1, 1, 60, 60});
    dc.PatBlt(10, 10, 30, 30, PATINVERT);
    dc.SelectObject(GetStockBrush(NULL_BRUSH));
    dc.Rectangle(3, 3, 50, 50);
    EXPECT_EQ(surface.Image(), before);
}

TEST_F(Raster, RasterModesComputeTheirBitOperations)
{
    struct RopCase {
        int rop2;
        COLORREF pen, expected; // drawn over grey 0x808080
    };
    const RopCase cases[] = {
        {R2_COPYPEN, kRed, kRed},
        {R2_XORPEN, RGB(0xFF, 0x0F, 0x80), RGB(0x7F, 0x8F, 0x00)},
        {R2_NOT, kRed, RGB(0x7F, 0x7F, 0x7F)},
        {R2_MASKNOTPEN, RGB(0x80, 0x00, 0x80), RGB(0x00, 0x80, 0x00)},
    };
    for (const RopCase& c : cases) {
        dc.FillRect({40, 0, 64, 20}, Brush::Solid(kGrey));
        dc.SetROP2(c.rop2);
        dc.SelectObject(Pen::Solid(0, c.pen));
        dc.MoveTo(40, 10);
        dc.LineTo(60, 10);
        EXPECT_EQ(Pixel(45, 10), c.expected) << "mode " << c.rop2;
        EXPECT_EQ(Pixel(60, 10), kGrey) << "the last point is not drawn, mode " << c.rop2;
    }
}

TEST_F(Raster, PatternBrushesTakeTheTextAndBackgroundColours)
{
    // Rows alternate 0xF0 and 0x0F: the left half of even rows is set.
    const uint8_t bits[] = {0xF0, 0, 0x0F, 0, 0xF0, 0, 0x0F, 0, 0xF0, 0, 0x0F, 0, 0xF0, 0, 0x0F, 0};
    dc.SelectObject(Brush::Pattern(Bitmap::FromMonoBits(8, 8, bits, 2)));
    dc.SetTextColor(kRed);
    dc.SetBkColor(kBlue);
    dc.SetBkMode(TRANSPARENT); // pattern brushes draw both colours all the same
    dc.PatBlt(0, 0, 16, 16, PATCOPY);
    EXPECT_EQ(Pixel(0, 0), kBlue); // 1 bit
    EXPECT_EQ(Pixel(4, 0), kRed); // 0 bit
    EXPECT_EQ(Pixel(0, 1), kRed);
    EXPECT_EQ(Pixel(12, 9), kBlue);
    EXPECT_EQ(Pixel(16, 0), RGB(0x12, 0x9A, 0xF0)); // outside

    dc.SetBrushOrg(4, 0); // the pattern moves with the brush origin
    dc.PatBlt(0, 0, 16, 16, PATCOPY);
    EXPECT_EQ(Pixel(0, 0), kRed);
    EXPECT_EQ(Pixel(4, 0), kBlue);

    dc.PatBlt(0, 0, 16, 16, PATNOT); // the inverted pattern
    EXPECT_EQ(Pixel(0, 0), RGB(0, 255, 255));
    EXPECT_EQ(Pixel(4, 0), RGB(255, 255, 0));
}

TEST(TallPatternBars, FillTheSamePixelsAsTheirPartOfAWideFill)
{
    // A dotted pattern placed by a brush origin that is not the bars'
    // corner; bars one and three pixels wide and 300 tall, against the same
    // pattern filled over the whole picture.
    const uint8_t bits[] = {0x55, 0, 0xAA, 0, 0x55, 0, 0xAA, 0, 0x37, 0, 0xC1, 0, 0x55, 0, 0xAA, 0};
    const Brush brush = Brush::Pattern(Bitmap::FromMonoBits(8, 8, bits, 2));
    auto paint = [&brush](ImageSurface& surface, const std::vector<RECT>& bars) {
        DC dc(surface);
        dc.SelectObject(brush);
        dc.SetTextColor(RGB(0, 0, 0x80));
        dc.SetBkColor(RGB(0xFF, 0xF0, 0xE0));
        dc.SetBrushOrg(3, 5);
        for (const RECT& r : bars)
            dc.PatBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, PATCOPY);
    };
    ImageSurface wide(64, 320);
    paint(wide, {{0, 0, 64, 320}});
    const std::vector<RECT> bars {{5, 7, 6, 307}, {20, 1, 23, 301}, {40, 13, 41, 14}};
    ImageSurface thin(64, 320);
    paint(thin, bars);
    int differing = 0;
    for (int y = 0; y < 320; ++y)
        for (int x = 0; x < 64; ++x) {
            bool inside = false;
            for (const RECT& r : bars)
                inside = inside || (x >= r.left && x < r.right && y >= r.top && y < r.bottom);
            differing += thin.Pixel(x, y) != (inside ? wide.Pixel(x, y) : RGB(255, 255, 255));
        }
    EXPECT_EQ(differing, 0);
}

TEST_F(Raster, HatchesFillTheirGapsOnlyOnAnOpaqueBackground)
{
    dc.SelectObject(Brush::Hatched(HS_HORIZONTAL, kRed));
    dc.SetBkColor(kBlue);
    dc.PatBlt(40, 0, 8, 8, PATCOPY);
    EXPECT_EQ(Pixel(40, 4), kRed);
    EXPECT_EQ(Pixel(40, 3), kBlue);
    dc.SetBkMode(TRANSPARENT);
    dc.PatBlt(48, 0, 8, 8, PATCOPY);
    EXPECT_EQ(Pixel(48, 4), kRed);
    EXPECT_EQ(Pixel(48, 3), kGrey);
}

TEST_F(Raster, DestinationInvertIgnoresTheBrush)
{
    dc.SelectObject(Brush::Solid(kRed));
    dc.PatBlt(40, 0, 5, 5, DSTINVERT);
    EXPECT_EQ(Pixel(41, 1), RGB(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(Pixel(45, 1), kGrey);
}

struct PixelCase {
    int x, y;
    COLORREF colour;
};

TEST_F(Raster, ShapesCoverTheirBoundsLessRightAndBottom)
{
    dc.FillRect({0, 0, 64, 64}, Brush::Solid(kGrey));
    dc.Rectangle(10, 10, 20, 20); // black pen, white brush
    for (const PixelCase& p : {PixelCase {10, 10, 0}, {19, 19, 0}, {19, 10, 0}, {11, 11, 0xFFFFFF}, {18, 18, 0xFFFFFF},
             {20, 20, kGrey}, {9, 10, kGrey}})
        EXPECT_EQ(Pixel(p.x, p.y), p.colour) << "pen " << p.x << "," << p.y;

    dc.SelectObject(GetStockPen(NULL_PEN));
    dc.SelectObject(Brush::Solid(kRed));
    dc.Rectangle(30, 10, 40, 20); // no pen: one smaller to the right and below
    for (const PixelCase& p : {PixelCase {30, 10, kRed}, {38, 18, kRed}, {39, 18, kGrey}, {38, 19, kGrey}})
        EXPECT_EQ(Pixel(p.x, p.y), p.colour) << "null pen " << p.x << "," << p.y;

    dc.SelectObject(Pen::InsideFrame(3, kBlue));
    dc.Rectangle(10, 30, 20, 40);
    for (const PixelCase& p : {PixelCase {10, 30, kBlue}, {12, 32, kBlue}, {13, 33, kRed}, {16, 36, kRed},
             {17, 37, kBlue}, {19, 39, kBlue}, {20, 39, kGrey}, {19, 40, kGrey}})
        EXPECT_EQ(Pixel(p.x, p.y), p.colour) << "inside frame " << p.x << "," << p.y;

    dc.FillRect({30, 30, 40, 40}, Brush::Solid(0));
    EXPECT_EQ(Pixel(39, 39), 0u);
    EXPECT_EQ(Pixel(40, 39), kGrey);
}

TEST_F(Raster, ClippingLimitsDrawing)
{
    const Region clip = Region::Ellipse(0, 0, 64, 64);
    dc.SelectClipRgn(&clip);
    dc.ExcludeClipRect(28, 28, 36, 36);
    dc.FillRect({0, 0, 64, 64}, Brush::Solid(kRed));
    EXPECT_EQ(Pixel(16, 32), kRed);
    EXPECT_EQ(Pixel(1, 1), RGB(0x12, 0x9A, 0xF0)); // outside the ellipse
    EXPECT_EQ(Pixel(32, 32), kGrey); // excluded
    dc.SelectClipRgn(nullptr);
    dc.FillRgn(Region::Rect(30, 30, 32, 32), Brush::Solid(kBlue));
    EXPECT_EQ(Pixel(31, 31), kBlue);
    EXPECT_EQ(Pixel(32, 32), kGrey);
}

TEST_F(Raster, FillsKeepTheirOwnClipAndModeAfterOtherPrimitives)
{
    constexpr COLORREF kLeft = RGB(0x12, 0x9A, 0xF0);
    // An XOR shape under one clip leaves the painter clipped and in XOR.
    const Region corner = Region::Rect(40, 40, 60, 60);
    dc.SelectClipRgn(&corner);
    dc.SetROP2(R2_XORPEN);
    dc.SelectObject(Brush::Solid(kBlue));
    dc.Rectangle(40, 40, 50, 50);
    dc.SetROP2(R2_COPYPEN);

    // Two rectangles: a fill across both covers each, and only them.
    Region pair = Region::Rect(0, 0, 10, 10);
    pair.Combine(pair, Region::Rect(20, 0, 30, 10), RGN_OR);
    dc.SelectClipRgn(&pair);
    dc.FillRect({0, 0, 64, 10}, Brush::Solid(kRed));
    EXPECT_EQ(Pixel(5, 5), kRed);
    EXPECT_EQ(Pixel(25, 5), kRed);
    EXPECT_EQ(Pixel(15, 5), kLeft);
    EXPECT_EQ(Pixel(40, 5), kGrey);
    EXPECT_EQ(Pixel(5, 10), kLeft);

    // A pattern of one colour fills as that colour, inside its clip.
    const uint8_t zeros[16] = {};
    const Region strip = Region::Rect(0, 20, 8, 28);
    dc.SelectClipRgn(&strip);
    dc.SelectObject(Brush::Pattern(Bitmap::FromMonoBits(8, 8, zeros, 2)));
    dc.SetTextColor(kBlue);
    dc.PatBlt(0, 16, 16, 16, PATCOPY);
    EXPECT_EQ(Pixel(0, 20), kBlue);
    EXPECT_EQ(Pixel(7, 27), kBlue);
    EXPECT_EQ(Pixel(8, 20), kLeft);
    EXPECT_EQ(Pixel(0, 19), kLeft);

    // Back under the first clip: the XOR shape's pixels stay, the fill
    // replaces them and stops at the clip.
    dc.SelectClipRgn(&corner);
    dc.FillRect({30, 30, 64, 64}, Brush::Solid(kRed));
    EXPECT_EQ(Pixel(40, 40), kRed);
    EXPECT_EQ(Pixel(59, 59), kRed);
    EXPECT_EQ(Pixel(39, 45), RGB(0xFF, 0xFF, 0x00));
    EXPECT_EQ(Pixel(60, 45), kGrey);
}

TEST_F(Raster, MonochromeBitmapsTakeTheTextAndBackgroundColours)
{
    const uint8_t bits[] = {0x80, 0, 0x40, 0}; // 2 × 2: set at (0, 0) and (1, 1)
    const Bitmap mono = Bitmap::FromMonoBits(2, 2, bits, 2);
    dc.SetTextColor(kRed);
    dc.SetBkColor(kBlue);
    EXPECT_TRUE(dc.StretchBlt(40, 0, 8, 8, mono, 0, 0, 2, 2, SRCCOPY));
    for (const PixelCase& p :
        {PixelCase {40, 0, kBlue}, {43, 3, kBlue}, {44, 0, kRed}, {40, 4, kRed}, {47, 7, kBlue}, {48, 0, kGrey}})
        EXPECT_EQ(Pixel(p.x, p.y), p.colour) << p.x << "," << p.y;

    EXPECT_TRUE(dc.BitBlt(50, 0, 2, 2, mono, 0, 0, SRCCOPY));
    EXPECT_EQ(Pixel(50, 0), kBlue);
    EXPECT_EQ(Pixel(51, 0), kRed);
}

TEST(MonochromeSurface, CopiesMonochromeBitsAndDrawsBlackOrWhite)
{
    const uint8_t bits[] = {0xA0, 0, 0x50, 0}; // 4 × 2 checkerboard
    ImageSurface surface(8, 4, 96, DeviceKind::Picture, true);
    DC dc(surface);
    dc.SetTextColor(kRed); // plays no part between monochrome bitmaps
    dc.SetBkColor(kBlue);
    dc.StretchBlt(0, 0, 8, 4, Bitmap::FromMonoBits(4, 2, bits, 2), 0, 0, 4, 2, SRCCOPY);
    const Bitmap result = surface.ToBitmap();
    ASSERT_TRUE(result.IsMonochrome());
    EXPECT_TRUE(result.Bit(0, 0));
    EXPECT_TRUE(result.Bit(1, 1));
    EXPECT_FALSE(result.Bit(2, 0));
    EXPECT_FALSE(result.Bit(0, 2));
    EXPECT_TRUE(result.Bit(2, 2));

    dc.FillRect({0, 0, 8, 4}, Brush::Solid(RGB(250, 250, 200)));
    EXPECT_TRUE(surface.ToBitmap().Bit(3, 3));
    dc.FillRect({0, 0, 8, 4}, Brush::Solid(RGB(0, 0, 200)));
    EXPECT_FALSE(surface.ToBitmap().Bit(3, 3));
}

} // namespace
