// Filling rectangles, rounded rectangles and ellipses on the screen, on a
// picture and on a printer, checked on the recording surface.
#include "forms/model/fill_patterns.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/muldiv.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;

// A device of one kind mapped as a view maps it: 1440 twips to its pixels
// per inch, the scroll origin (150, 300).
struct Mapped {
    gdi::RecordingSurface surface;
    gdi::DC device;
    VIEWDC dc;

    Mapped(gdi::DeviceKind kind, uint8_t deviceKind, int dpi)
        : surface(kind, dpi, dpi, {20000, 20000})
        , device(surface)
    {
        dc.dc = &device;
        dc.deviceKind = deviceKind;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(dpi, dpi);
        dc.originX = 150;
        dc.originY = 300;
    }
    const std::vector<gdi::RecordedCall>& Calls() const { return surface.Calls(); }
};

BASICSHADE Shade(int pattern, uint32_t foreground = kRed, uint32_t background = kGreen)
{
    BASICSHADE shade;
    shade.SetColour1(foreground);
    shade.SetColour2(background);
    shade.pattern = static_cast<int16_t>(pattern);
    return shade;
}

TEST(FillDrawing, TheScreenFillsWithTheSharedPatternBrush)
{
    struct Case {
        int pattern;
        int brush;
    } cases[] = {{0, 0}, {5, 5}, {10, 10}, {19, 19}, {21, 0}, {-3, 0}};
    for (const Case& c : cases) {
        for (uint8_t kind : {kDeviceWindow, kDevicePreview, kDevicePicture}) {
            Mapped m(gdi::DeviceKind::Window, kind, 96);
            m.device.SetTextColor(0x123456);
            m.device.SetBkColor(0x654321);
            Shade(c.pattern).FillRect(m.dc, {1500, 1500, 3000, 4500});
            ASSERT_EQ(m.Calls().size(), 1u) << c.pattern;
            const gdi::RecordedCall& call = m.Calls()[0];
            EXPECT_EQ(call.name, "PatBlt");
            EXPECT_EQ(call.points, (std::vector<POINT> {{90, 80}, {190, 280}})) << "less the scroll origin";
            EXPECT_EQ(call.state.brush, BASICSHADE::GetPatternBrush(c.brush)) << c.pattern;
            EXPECT_EQ(call.state.textColour, kRed) << "dots in the foreground colour";
            EXPECT_EQ(call.state.bkColour, kGreen);
            EXPECT_EQ(m.device.GetTextColor(), 0x123456u) << "colours put back";
            EXPECT_EQ(m.device.GetBkColor(), 0x654321u);
        }
    }
}

TEST(FillDrawing, NothingIsDrawnUnfilledOrOutOfSight)
{
    Mapped m(gdi::DeviceKind::Window, kDeviceWindow, 96);
    BASICSHADE unfilled = Shade(5);
    unfilled.noFill = 1;
    unfilled.FillRect(m.dc, {1500, 1500, 3000, 4500});
    unfilled.FillRoundRect(m.dc, {1500, 1500, 3000, 4500}, 100, false);
    unfilled.FillEllipse(m.dc, {0, 0, 50, 50});
    const RECT clip {0, 0, 50, 50};
    m.dc.SetClipRect(&clip);
    Shade(5).FillRect(m.dc, {3000, 3000, 4500, 4500});
    Shade(5).FillEllipse(m.dc, {60, 60, 90, 90});
    EXPECT_TRUE(m.Calls().empty());
}

TEST(FillDrawing, ThePrinterFillsPlainPatternsWithASolidBrush)
{
    struct Case {
        const char* what;
        int pattern;
        uint32_t foreground, background, colour;
    } cases[] = {
        {"pattern 0: background", 0, kRed, kGreen, kGreen},
        {"pattern 10: foreground", 10, kRed, kGreen, kRed},
        {"equal colours", 7, kRed, kRed, kRed},
        {"equal colours, extended pattern", 17, kGreen, kGreen, kGreen},
        {"the selection's marker pattern as pattern 0", 21, kRed, kGreen, kGreen},
    };
    for (const Case& c : cases) {
        Mapped m(gdi::DeviceKind::Printer, kDevicePrinter, 600);
        Shade(c.pattern, c.foreground, c.background).FillRect(m.dc, {150, 300, 1590, 1740});
        ASSERT_EQ(m.Calls().size(), 1u) << c.what;
        EXPECT_EQ(m.Calls()[0].name, "PatBlt") << c.what;
        EXPECT_EQ(m.Calls()[0].points, (std::vector<POINT> {{0, 0}, {600, 600}})) << c.what;
        EXPECT_EQ(m.Calls()[0].state.brush, gdi::Brush::Solid(c.colour)) << c.what;
    }
}

TEST(FillDrawing, ThePrinterFillsWithABrushOfTheScaledPatternBitmap)
{
    struct Case {
        int dpi;
        int pattern;
        int tile; // 32 × the dot size
    } cases[] = {
        {600, 5, 128}, // 2/300 inch dots
        {600, 13, 192}, // 1/100 inch dots for the extended patterns
        {300, 1, 64}, {72, 2, 32}, // at least one pixel a dot
    };
    for (const Case& c : cases) {
        Mapped m(gdi::DeviceKind::Printer, kDevicePrinter, c.dpi);
        m.dc.SetViewportOrg(-20, -30);
        // 300 by 200 device units from (-20, -30) + (5, 5).
        const RECT rect {150 + gdi::MulDiv(5, 1440, c.dpi), 300 + gdi::MulDiv(5, 1440, c.dpi),
            150 + gdi::MulDiv(305, 1440, c.dpi), 300 + gdi::MulDiv(205, 1440, c.dpi)};
        Shade(c.pattern).FillRect(m.dc, rect);

        // One fill in device units, the tiles' grid starting at its top left.
        ASSERT_EQ(m.Calls().size(), 1u) << c.dpi << " dpi, pattern " << c.pattern;
        const gdi::RecordedCall& call = m.Calls()[0];
        EXPECT_EQ(call.name, "PatBlt");
        EXPECT_EQ(call.points, (std::vector<POINT> {{-15, -25}, {285, 175}}));
        EXPECT_EQ(call.state.brushOrg, (POINT {-15, -25}));
        const PrinterPatternCache::Key newest = SharedFillPatterns().printerBitmaps.Keys().front();
        EXPECT_EQ(newest.pattern, c.pattern);
        EXPECT_EQ(newest.dotX, c.tile / 32);
        FillPatterns& shared = SharedFillPatterns();
        const gdi::Bitmap& tile = shared.printerBitmaps.Get(shared.bitmaps[c.pattern], newest);
        EXPECT_EQ(call.state.brush, gdi::Brush::WholePattern(tile)) << "the whole scaled bitmap";
        EXPECT_EQ(tile.Width(), c.tile);
        EXPECT_EQ(call.state.textColour, kRed);
        EXPECT_EQ(call.state.bkColour, kGreen);

        EXPECT_EQ(m.device.GetMapMode(), gdi::MM_ANISOTROPIC) << "mapping restored";
        EXPECT_EQ(m.device.GetViewportOrg(), (POINT {-20, -30}));
        EXPECT_EQ(m.device.GetViewportExt(), (gdi::SIZE {c.dpi, c.dpi}));
        EXPECT_EQ(m.device.GetBrushOrg(), (POINT {}));
        EXPECT_EQ(m.dc.viewportOrgX, -20);
        EXPECT_EQ(m.dc.viewportExtX, c.dpi);
    }
}

TEST(FillDrawing, AHugePrinterFillIsCutToThePaperOnTheSameGrid)
{
    // A rectangle from a damaged file, far larger than the 20000-pixel
    // paper: the fill is cut to the paper and the brush keeps the grid
    // that starts at the rectangle's corner.
    Mapped m(gdi::DeviceKind::Printer, kDevicePrinter, 72);
    Shade(2).FillRect(m.dc, {-2000000000, -2000000000, 2000000000, 2000000000});
    ASSERT_EQ(m.Calls().size(), 1u);
    const gdi::RecordedCall& call = m.Calls()[0];
    ASSERT_EQ(call.name, "PatBlt");
    const POINT corner = {gdi::MulDiv(-2000000000 - 150, 72, 1440), gdi::MulDiv(-2000000000 - 300, 72, 1440)};
    for (const POINT& p : call.points) {
        EXPECT_GE(p.x, -32);
        EXPECT_LE(p.x, 20000 + 32);
        EXPECT_GE(p.y, -32);
        EXPECT_LE(p.y, 20000 + 32);
    }
    EXPECT_LE(call.state.brushOrg.x, call.points[0].x);
    EXPECT_GT(call.state.brushOrg.x, call.points[0].x - 32);
    EXPECT_EQ((int64_t(call.state.brushOrg.x) - corner.x) % 32, 0);
    EXPECT_EQ((int64_t(call.state.brushOrg.y) - corner.y) % 32, 0);
}

TEST(FillDrawing, PrinterTilesRepeatThePatternWithEveryPixelADot)
{
    const gdi::Bitmap& pattern = SharedFillPatterns().bitmaps[16];
    PrinterPatternCache cache;
    const gdi::Bitmap& tile = cache.Get(pattern, {16, 3, 2});
    ASSERT_EQ(tile.Width(), 8 * 3 * 4);
    ASSERT_EQ(tile.Height(), 8 * 2 * 4);
    EXPECT_TRUE(tile.IsMonochrome());
    for (int y = 0; y < tile.Height(); ++y)
        for (int x = 0; x < tile.Width(); ++x)
            ASSERT_EQ(tile.Bit(x, y), pattern.Bit(x / 3 % 8, y / 2 % 8)) << x << "," << y;
}

TEST(FillDrawing, ThePrinterCacheKeepsTheFiveUsedLast)
{
    using Key = PrinterPatternCache::Key;
    const gdi::Bitmap& pattern = SharedFillPatterns().bitmaps[3];
    PrinterPatternCache cache;
    const Key keys[] = {{1, 4, 4}, {2, 4, 4}, {3, 4, 4}, {1, 6, 6}, {1, 4, 2}};
    for (const Key& k : keys)
        cache.Get(pattern, k);
    EXPECT_EQ(cache.Keys(), (std::vector<Key> {keys[4], keys[3], keys[2], keys[1], keys[0]}));

    const gdi::Bitmap* second = &cache.Get(pattern, keys[1]);
    EXPECT_EQ(cache.Keys(), (std::vector<Key> {keys[1], keys[4], keys[3], keys[2], keys[0]})) << "a hit moves first";
    EXPECT_EQ(&cache.Get(pattern, keys[1]), second) << "and is not made again";

    const Key sixth {7, 4, 4};
    cache.Get(pattern, sixth);
    EXPECT_EQ(cache.Keys(), (std::vector<Key> {sixth, keys[1], keys[4], keys[3], keys[2]}))
        << "the one used longest ago goes";
}

TEST(FillDrawing, RoundedAndEllipticFillsClipToTheirShapeOnTheScreen)
{
    Mapped m(gdi::DeviceKind::Window, kDeviceWindow, 96);
    const gdi::Region before = gdi::Region::Rect(0, 0, 1000, 1000);
    m.dc.SetClipRgn(&before);

    // (1500, 1500)-(3000, 4500) less the origin is device (90, 80)-(190, 280).
    Shade(5).FillRoundRect(m.dc, {1500, 1500, 3000, 4500}, 150, false);
    Shade(5).FillEllipse(m.dc, {90, 80, 190, 280});
    ASSERT_EQ(m.Calls().size(), 2u);
    const gdi::Region round = gdi::Region::RoundRect(90, 80, 191, 281, 20, 20);
    const gdi::Region ellipse = gdi::Region::Ellipse(90, 80, 190, 280);
    for (int i = 0; i < 2; ++i) {
        const gdi::RecordedCall& call = m.Calls()[i];
        EXPECT_EQ(call.name, "PatBlt");
        EXPECT_EQ(call.points, (std::vector<POINT> {{90, 80}, {190, 280}}));
        ASSERT_TRUE(call.state.clip.has_value());
        EXPECT_EQ(*call.state.clip, i == 0 ? round : ellipse);
        EXPECT_EQ(call.state.brush, BASICSHADE::GetPatternBrush(5));
    }
    gdi::Region after;
    ASSERT_EQ(m.dc.GetClipRgn(&after), 1);
    EXPECT_EQ(after, before) << "the context's clip comes back";
    ASSERT_EQ(m.device.GetClipRgn(after), 1);
    EXPECT_EQ(after, before);
}

TEST(FillDrawing, APictureDrawsTheShapeItself)
{
    Mapped m(gdi::DeviceKind::Picture, kDevicePicture, 96);
    Shade(8).FillRoundRect(m.dc, {1500, 1500, 3000, 4500}, 150, false);
    Shade(8).FillEllipse(m.dc, {90, 80, 190, 280});
    ASSERT_EQ(m.Calls().size(), 2u);
    EXPECT_EQ(m.Calls()[0].name, "RoundRect");
    EXPECT_EQ(m.Calls()[0].values, (std::vector<int> {20, 20}));
    EXPECT_EQ(m.Calls()[1].name, "Ellipse");
    for (const gdi::RecordedCall& call : m.Calls()) {
        EXPECT_EQ(call.points, (std::vector<POINT> {{90, 80}, {190, 280}}));
        EXPECT_EQ(call.state.pen.style, gdi::PS_NULL);
        EXPECT_EQ(call.state.brush, BASICSHADE::GetPatternBrush(8));
        EXPECT_EQ(call.state.textColour, kRed);
    }
    EXPECT_EQ(m.device.GetPen(), gdi::GetStockPen(gdi::BLACK_PEN)) << "pen and brush put back";
    EXPECT_EQ(m.device.GetBrush(), gdi::GetStockBrush(gdi::WHITE_BRUSH));
}

TEST(FillDrawing, ThePrinterClipsARoundedFillToItsShape)
{
    Mapped m(gdi::DeviceKind::Printer, kDevicePrinter, 600);
    // Device (0, 0)-(300, 200), corners of radius 25 device units.
    Shade(4).FillRoundRect(m.dc, {150, 300, 150 + 720, 300 + 480}, 60, false);
    const gdi::Region round = gdi::Region::RoundRect(0, 0, 301, 201, 50, 50);
    ASSERT_EQ(m.Calls().size(), 1u);
    for (const gdi::RecordedCall& call : m.Calls()) {
        EXPECT_EQ(call.name, "PatBlt");
        EXPECT_TRUE(call.state.clip->IsOutline()) << "clipped by the outline, not by rows";
        ASSERT_TRUE(call.state.clip.has_value());
        EXPECT_EQ(*call.state.clip, round);
    }
    gdi::Region none;
    EXPECT_EQ(m.device.GetClipRgn(none), 0) << "no clip after";
}

} // namespace
