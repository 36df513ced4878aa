// Pictures of the 20 fill patterns for a person to look at, at 100 % and
// 400 %, written under the test output folder; every pixel is checked too.
#include "forms/model/fill_patterns.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"

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

} // namespace
