#include "forms/fields/editor/draw_icon_box.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/palette.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// The black pixels strictly inside the button's edges.
struct Glyph {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    bool Empty() const { return left > right; }
    int Width() const { return Empty() ? 0 : right - left + 1; }
};

Glyph FindGlyph(gdi::ImageSurface& s, const gdi::RECT& box)
{
    Glyph g;
    for (int y = box.top + 1; y < box.bottom - 2; ++y)
        for (int x = box.left + 1; x < box.right - 2; ++x)
            if (s.Pixel(x, y) == 0) {
                g.left = std::min(g.left, x);
                g.right = std::max(g.right, x);
                g.top = std::min(g.top, y);
                g.bottom = std::max(g.bottom, y);
            }
    return g;
}

TEST(DrawIconBox, TheArrowFollowsTheWidth)
{
    struct Case {
        int width;
        int glyphWidth; // 0: no arrow
    };
    // At 8 pixels the small arrow is cut to the face inside the edges.
    const Case cases[] = {{7, 0}, {8, 5}, {13, 6}, {14, 8}, {25, 8}, {26, 10}, {40, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width));
        gdi::ImageSurface surface(60, 40);
        gdi::DC dc(surface);
        const gdi::RECT box {10, 5, 10 + c.width, 25};
        DrawIconBox(dc, box.left, box.top, box.right, box.bottom);
        const Glyph g = FindGlyph(surface, box);
        EXPECT_EQ(g.Width(), c.glyphWidth);
        if (!g.Empty()) {
            // Centred: as far from the left edge as from the right, give or
            // take the odd pixel.
            EXPECT_LE(std::abs((g.left - box.left) - (box.right - 1 - g.right)), 1);
            EXPECT_LE(std::abs((g.top - box.top) - (box.bottom - 1 - g.bottom)), 2);
        }
    }
}

TEST(DrawIconBox, FaceAndEdges)
{
    gdi::ImageSurface surface(60, 40);
    gdi::DC dc(surface);
    DrawIconBox(dc, 10, 5, 30, 25);
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    const gdi::COLORREF shadow = gdi::GetSysColor(gdi::COLOR_BTNSHADOW);
    struct Case {
        const char* where;
        int x, y;
        gdi::COLORREF colour;
    };
    const Case cases[] = {
        {"top edge", 15, 5, 0xFFFFFF},
        {"left edge", 10, 15, 0xFFFFFF},
        {"bottom edge", 15, 24, 0},
        {"right edge", 29, 15, 0},
        {"inside bottom", 15, 23, shadow},
        {"inside right", 28, 10, shadow},
        {"face", 12, 7, face},
        {"outside", 31, 15, 0xFFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(surface.Pixel(c.x, c.y), c.colour) << c.where;
}

TEST(DrawIconBox, WidthsAreDevicePixelsAtAnyZoom)
{
    // Ten twips to the pixel: 200 twips are 20 pixels, room for the middle
    // arrow though 200 units would take the large one.
    gdi::ImageSurface surface(80, 60);
    gdi::DC dc(surface);
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(144, 144);
    DrawIconBox(dc, 100, 100, 300, 300);
    EXPECT_EQ(surface.Pixel(10, 15), 0xFFFFFFu) << "top edge at pixel row 10";
    EXPECT_EQ(surface.Pixel(15, 29), 0u) << "bottom edge at pixel row 29";
    EXPECT_EQ(FindGlyph(surface, {10, 10, 30, 30}).Width(), 8);
}

TEST(DrawIconBox, PrintersGetNothing)
{
    gdi::ImageSurface surface(60, 40, 96, gdi::DeviceKind::Printer);
    gdi::DC dc(surface);
    DrawIconBox(dc, 10, 5, 40, 25);
    EXPECT_EQ(surface.Pixel(20, 15), 0xFFFFFFu);
    EXPECT_EQ(surface.Pixel(39, 15), 0xFFFFFFu);
}

} // namespace
