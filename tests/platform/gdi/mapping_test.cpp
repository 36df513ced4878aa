#include "platform/gdi/dc.h"
#include "platform/gdi/muldiv.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

using namespace gdi;

// A twips mapping as views prepare it: 1440 logical units against the
// device's pixels per inch scaled by the zoom.
void PrepareTwips(DC& dc, int dpi, int zoom)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(MulDiv(dpi, zoom, 100), MulDiv(dpi, zoom, 100));
}

struct ConversionCase {
    int dpi, zoom;
    POINT windowOrg, viewportOrg;
    POINT logical, device; // LPtoDP(logical) == device
    POINT back; // DPtoLP(device) == back
};

TEST(Mapping, ConvertsWithIntegerRoundingAtEveryZoomAndResolution)
{
    const ConversionCase cases[] = {
        {96, 50, {}, {}, {1000, 1000}, {33, 33}, {990, 990}},
        {96, 50, {}, {}, {15, -15}, {1, -1}, {30, -30}}, // halves away from zero
        {96, 100, {}, {}, {1000, 1440}, {67, 96}, {1005, 1440}},
        {96, 100, {}, {}, {-1000, 7}, {-67, 0}, {-1005, 0}},
        {96, 150, {}, {}, {1000, 1005}, {100, 101}, {1000, 1010}},
        {96, 400, {}, {}, {1000, 1}, {267, 0}, {1001, 0}},
        {600, 100, {}, {}, {1000, 1440}, {417, 600}, {1001, 1440}},
        {600, 150, {}, {}, {1000, 3}, {625, 2}, {1000, 3}},
        {600, 100, {720, -360}, {-25, 40}, {1440, 0}, {275, 190}, {1440, 0}},
        {96, 100, {300, 300}, {0, 0}, {0, 1740}, {-20, 96}, {0, 1740}},
    };
    for (const ConversionCase& c : cases) {
        RecordingSurface surface(DeviceKind::Window, c.dpi, c.dpi);
        DC dc(surface);
        PrepareTwips(dc, c.dpi, c.zoom);
        dc.SetWindowOrg(c.windowOrg.x, c.windowOrg.y);
        dc.SetViewportOrg(c.viewportOrg.x, c.viewportOrg.y);
        POINT p = c.logical;
        dc.LPtoDP(&p, 1);
        EXPECT_EQ(p, c.device) << c.dpi << " dpi, zoom " << c.zoom << ", x " << c.logical.x;
        dc.DPtoLP(&p, 1);
        EXPECT_EQ(p, c.back) << c.dpi << " dpi, zoom " << c.zoom << ", x " << c.logical.x;
    }
}

TEST(Mapping, ConvertsWholeArraysAndFlipsWithNegativeExtents)
{
    RecordingSurface surface;
    DC dc(surface);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, -1440);
    dc.SetViewportExt(96, 96);
    POINT points[] = {{0, 0}, {1440, 1440}, {-720, 720}};
    dc.LPtoDP(points, 3);
    EXPECT_EQ(points[0], (POINT {0, 0}));
    EXPECT_EQ(points[1], (POINT {96, -96}));
    EXPECT_EQ(points[2], (POINT {-48, -48}));
}

TEST(Mapping, TextModeIgnoresExtentsButKeepsOrigins)
{
    RecordingSurface surface;
    DC dc(surface);
    EXPECT_EQ(dc.SetWindowExt(1440, 1440), (SIZE {1, 1}));
    EXPECT_EQ(dc.GetWindowExt(), (SIZE {1, 1}));
    dc.SetWindowOrg(10, 20);
    dc.SetViewportOrg(1, 2);
    POINT p {15, 25};
    dc.LPtoDP(&p, 1);
    EXPECT_EQ(p, (POINT {6, 7}));
}

TEST(Mapping, SettersAnswerThePreviousValue)
{
    RecordingSurface surface;
    DC dc(surface);
    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_ANISOTROPIC);
    EXPECT_EQ(dc.SetWindowExt(1440, 1440), (SIZE {1, 1}));
    EXPECT_EQ(dc.SetWindowExt(-720, 360), (SIZE {1440, 1440}));
    EXPECT_EQ(dc.SetViewportExt(96, 96), (SIZE {1, 1}));
    EXPECT_EQ(dc.SetViewportExt(0, 96), (SIZE {96, 96})); // a zero extent is refused
    EXPECT_EQ(dc.GetViewportExt(), (SIZE {96, 96}));
    EXPECT_EQ(dc.SetWindowOrg(5, 6), (POINT {0, 0}));
    EXPECT_EQ(dc.SetWindowOrg(7, 8), (POINT {5, 6}));
    EXPECT_EQ(dc.SetViewportOrg(-1, -2), (POINT {0, 0}));
    EXPECT_EQ(dc.SetViewportOrg(0, 0), (POINT {-1, -2}));
    EXPECT_EQ(dc.SetMapMode(MM_TEXT), MM_ANISOTROPIC);
    EXPECT_EQ(dc.GetWindowExt(), (SIZE {1, 1}));
    EXPECT_EQ(dc.SetMapMode(3), 0); // not a map mode of this layer
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
}

TEST(Mapping, DeviceCapsDescribeTheDevice)
{
    RecordingSurface printer(DeviceKind::Printer, 600, 300, {5100, 3300}, {75, 40});
    DC dc(printer);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 300);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 5100);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 75);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETY), 40);

    for (DeviceKind kind : {DeviceKind::Window, DeviceKind::Picture}) {
        RecordingSurface screen(kind);
        EXPECT_FALSE(DC(screen).IsPrinting());
    }
    RecordingSurface preview(DeviceKind::Preview);
    EXPECT_TRUE(DC(preview).IsPrinting());
}

} // namespace
