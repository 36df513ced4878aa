// Pictures of the 20 fill patterns for a person to look at, at 100 % and
// 400 %, written under the test output folder; every pixel is checked too.
#include "forms/model/fill_patterns.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"
#include "platform/gdi/region.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

constexpr gdi::COLORREF kNavy = gdi::RGB(0, 0, 128);
constexpr gdi::COLORREF kCream = gdi::RGB(255, 255, 200);
// Swatches of half an inch, a quarter inch apart, five to a row.
constexpr int32_t kSwatch = 720;
constexpr int32_t kStep = 1080;
constexpr int kColumns = 5;

RECT SwatchRect(int pattern)
{
    const int32_t left = 360 + (pattern % kColumns) * kStep;
    const int32_t top = 360 + (pattern / kColumns) * kStep;
    return {left, top, left + kSwatch, top + kSwatch};
}

TEST(FillPatternPictures, WritesTheTwentyPatternsAt100And400Percent)
{
    const std::filesystem::path folder = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(folder);
    for (int zoom : {100, 400}) {
        const int perInch = gdi::MulDiv(96, zoom, 100);
        const int size = gdi::MulDiv(360 + kColumns * kStep, perInch, 1440);
        gdi::ImageSurface surface(size, gdi::MulDiv(360 + 4 * kStep, perInch, 1440));
        gdi::DC device(surface);
        VIEWDC dc;
        dc.dc = &device;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(perInch, perInch);

        BASICSHADE shade;
        shade.SetColour1(kNavy);
        shade.SetColour2(kCream);
        device.SelectObject(gdi::GetStockBrush(gdi::NULL_BRUSH));
        for (int p = 0; p < kFillPatternCount; ++p) {
            shade.SetPattern(p);
            const RECT r = SwatchRect(p);
            shade.FillRect(dc, r);
            device.Rectangle(r.left - 30, r.top - 30, r.right + 30, r.bottom + 30);
        }
        const std::string file = (folder / ("fill_patterns_" + std::to_string(zoom) + ".png")).string();
        ASSERT_TRUE(surface.SavePng(file)) << file;

        // Dots in the foreground colour, the rest in the background colour,
        // the pattern repeating every 8 device pixels.
        for (int p = 0; p < kFillPatternCount; ++p) {
            const gdi::Bitmap& bits = SharedFillPatterns().bitmaps[p];
            RECT r = SwatchRect(p);
            POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
            dc.LPtoDP(corners, 2);
            int wrong = 0;
            for (int y = corners[0].y; y < corners[1].y; ++y)
                for (int x = corners[0].x; x < corners[1].x; ++x)
                    wrong += surface.Pixel(x, y) != (bits.Bit(x % 8, y % 8) ? kCream : kNavy);
            EXPECT_EQ(wrong, 0) << "pattern " << p << " at " << zoom << " %";
        }
    }
}

TEST(FillPatternPictures, OnPaperThePatternIsScaledToDotsFromTheShapesCorner)
{
    // 300 dpi: a dot of 2 pixels (3 for the extended patterns), the grid
    // starting at each fill's own top left; an ellipse fills only itself.
    constexpr int kDpi = 300;
    gdi::ImageSurface surface(900, 600, kDpi, gdi::DeviceKind::Printer);
    gdi::DC device(surface);
    VIEWDC dc;
    dc.dc = &device;
    dc.deviceKind = kDevicePrinter;
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(kDpi, kDpi);
    BASICSHADE shade;
    shade.SetColour1(kNavy);
    shade.SetColour2(kCream);
    struct Case {
        int pattern;
        RECT device; // a rectangle, or the bounds of an ellipse
        bool ellipse;
        int dot;
    } cases[] = {
        {5, {13, 7, 213, 187}, false, 2},
        {16, {251, 9, 493, 301}, false, 3},
        {3, {517, 21, 881, 563}, true, 2},
    };
    for (const Case& c : cases) {
        shade.SetPattern(c.pattern);
        if (c.ellipse) {
            shade.FillEllipse(dc, c.device);
        } else {
            POINT corners[2] = {{c.device.left, c.device.top}, {c.device.right, c.device.bottom}};
            dc.DPtoLP(corners, 2);
            shade.FillRect(dc, {corners[0].x, corners[0].y, corners[1].x, corners[1].y});
        }
    }
    ASSERT_TRUE(surface.SavePng((std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "fill_patterns_paper.png").string()));
    for (const Case& c : cases) {
        const gdi::Bitmap& bits = SharedFillPatterns().bitmaps[c.pattern];
        const gdi::Region outline = c.ellipse
            ? gdi::Region::Ellipse(c.device.left, c.device.top, c.device.right, c.device.bottom)
            : gdi::Region::Rect(c.device);
        // The same pixels as rectangles, quicker to look up.
        gdi::Region shape;
        for (const RECT& r : outline.Rects({0, 0, 900, 600}))
            shape.Combine(shape, gdi::Region::Rect(r), gdi::RGN_OR);
        int wrong = 0;
        int inside = 0;
        for (int y = c.device.top - 2; y < c.device.bottom + 2; ++y) {
            for (int x = c.device.left - 2; x < c.device.right + 2; ++x) {
                const bool in = shape.Contains(x, y);
                inside += in;
                const gdi::COLORREF pattern
                    = bits.Bit((x - c.device.left) / c.dot % 8, (y - c.device.top) / c.dot % 8) ? kCream : kNavy;
                // A pixel on a curved edge, its centre a hair from the
                // curve, may fall either way.
                const bool edge = in != shape.Contains(x - 1, y) || in != shape.Contains(x + 1, y)
                    || in != shape.Contains(x, y - 1) || in != shape.Contains(x, y + 1);
                const gdi::COLORREF got = surface.Pixel(x, y);
                wrong += edge ? got != pattern && got != 0xFFFFFF : got != (in ? pattern : 0xFFFFFF);
            }
        }
        EXPECT_GT(inside, 1000) << "pattern " << c.pattern;
        EXPECT_EQ(wrong, 0) << "pattern " << c.pattern;
    }
}

} // namespace
