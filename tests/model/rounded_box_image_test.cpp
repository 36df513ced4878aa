// A filled box with rounded corners drawn on an image as a window draws
// it: the fill stays inside the border, at every corner and every zoom.
#include "forms/model/border.h"
#include "forms/model/fbox.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/colour.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr gdi::COLORREF kRed = gdi::RGB(255, 0, 0);
constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);

// Scanning a line of pixels from outside the box inwards, the first that
// is not white must be the border's.
std::string FirstInkAlong(gdi::ImageSurface& surface, int x, int y, int dx, int dy, int steps)
{
    for (int i = 0; i < steps; ++i, x += dx, y += dy) {
        const gdi::COLORREF c = surface.Pixel(x, y);
        if (c == kWhite)
            continue;
        if (c == kBlack)
            return {};
        return "(" + std::to_string(x) + "," + std::to_string(y) + ")";
    }
    return {};
}

TEST(RoundedBoxPicture, TheFillNeverShowsOutsideTheBorder)
{
    struct Case {
        int zoom;
        uint16_t width; // twips
        uint16_t rounding; // twips
    } cases[] = {{100, 20, 288}, {100, 100, 288}, {200, 60, 432}, {100, 20, 60}, {400, 40, 720}};
    for (const Case& c : cases) {
        const int perInch = 96 * c.zoom / 100;
        const int size = perInch * 4;
        gdi::ImageSurface surface(size, size);
        gdi::DC device(surface);
        VIEWDC dc;
        dc.dc = &device;
        dc.deviceKind = kDeviceWindow;
        dc.zoomX = c.zoom;
        dc.zoomY = c.zoom;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(perInch, perInch);

        FBOX box;
        ASSERT_EQ(box.Init(), 1);
        box.SetRect(720, 720, 720 + 2880, 720 + 2160);
        BORDER border(1, c.width, kLineSingle, kBlack, 1, c.rounding);
        box.SetBorder(border);
        BASICSHADE fill;
        fill.SetColour1(kRed);
        fill.SetColour2(kRed);
        fill.SetPattern(0);
        box.SetShade(fill);
        box.Draw(dc);

        const std::string what = "zoom " + std::to_string(c.zoom) + ", width " + std::to_string(c.width) + ", rounding "
            + std::to_string(c.rounding);
        ASSERT_EQ(surface.Pixel(size / 2, size / 2 - perInch / 4), kRed) << what << ": the box is filled";
        // Every row from both sides, every column from above and below.
        std::string leaks;
        int count = 0;
        auto scan = [&](int x, int y, int dx, int dy) {
            const std::string at = FirstInkAlong(surface, x, y, dx, dy, size);
            if (!at.empty() && ++count <= 4)
                leaks += " " + at;
        };
        for (int i = 0; i < size; ++i) {
            scan(0, i, 1, 0);
            scan(size - 1, i, -1, 0);
            scan(i, 0, 0, 1);
            scan(i, size - 1, 0, -1);
        }
        EXPECT_EQ(count, 0) << what << ": fill outside the border at" << leaks;
    }
}

} // namespace
