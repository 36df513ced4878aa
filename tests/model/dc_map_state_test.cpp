// Switching a drawing context to device units and back, and the device
// widths of thin lines.
#include "forms/model/dc_map_state.h"

#include "forms/model/border.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

// A printer page at 600 dpi with a physical offset, as a view maps it.
struct PrinterContext {
    gdi::RecordingSurface surface {gdi::DeviceKind::Printer, 600, 600};
    gdi::DC device {surface};
    VIEWDC dc;

    PrinterContext()
    {
        dc.dc = &device;
        dc.deviceKind = kDevicePrinter;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(600, 600);
        dc.SetWindowOrg(30, 40);
        dc.SetViewportOrg(-75, -90);
    }

    // Where the device context puts a logical point, read from a drawing.
    POINT Drawn(POINT p)
    {
        surface.Clear();
        device.Rectangle(p.x, p.y, p.x + 1, p.y + 1);
        return surface.Calls().at(0).points.at(0);
    }
};

TEST(DrawingContextMapState, SwitchesToDeviceUnitsAndBack)
{
    PrinterContext c;
    const POINT before = c.Drawn({1440, 2880});
    EXPECT_EQ(before, (POINT {-75 + 588, -90 + 1183}));

    DCMAPSTATE state;
    state.Save(c.dc);
    EXPECT_EQ(c.device.GetMapMode(), gdi::MM_TEXT);
    EXPECT_EQ(c.device.GetWindowOrg(), (POINT {0, 0}));
    EXPECT_EQ(c.device.GetViewportOrg(), (POINT {0, 0}));
    EXPECT_EQ(c.Drawn({100, 200}), (POINT {100, 200})) << "device units";
    POINT p {100, 200};
    c.dc.LPtoDP(&p, 1);
    EXPECT_EQ(p, (POINT {100, 200})) << "the context's own conversion follows";

    state.Restore(c.dc);
    EXPECT_EQ(c.device.GetMapMode(), gdi::MM_ANISOTROPIC);
    EXPECT_EQ(c.device.GetWindowExt(), (gdi::SIZE {1440, 1440}));
    EXPECT_EQ(c.device.GetViewportExt(), (gdi::SIZE {600, 600}));
    EXPECT_EQ(c.device.GetWindowOrg(), (POINT {30, 40})) << "both origins come back";
    EXPECT_EQ(c.device.GetViewportOrg(), (POINT {-75, -90}));
    EXPECT_EQ(c.Drawn({1440, 2880}), before);
    p = {1440, 2880};
    c.dc.LPtoDP(&p, 1);
    EXPECT_EQ(p, before);
}

TEST(DrawingContextMapState, APictureContextKeepsItsMapModeAndTakesItsExtentPair)
{
    gdi::RecordingSurface surface(gdi::DeviceKind::Picture);
    gdi::DC device(surface);
    VIEWDC dc;
    dc.dc = &device;
    dc.deviceKind = kDevicePicture;
    dc.kind3ExtentX = 3;
    dc.kind3ExtentY = 4;
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(96, 96);
    dc.SetViewportOrg(5, 6);

    DCMAPSTATE state;
    state.Save(dc);
    EXPECT_EQ(device.GetMapMode(), gdi::MM_ANISOTROPIC);
    EXPECT_EQ(device.GetWindowExt(), (gdi::SIZE {3, 4}));
    EXPECT_EQ(device.GetViewportExt(), (gdi::SIZE {3, 4}));
    EXPECT_EQ(device.GetViewportOrg(), (POINT {0, 0}));
    device.SetMapMode(gdi::MM_TEXT);
    state.Restore(dc);
    EXPECT_EQ(device.GetMapMode(), gdi::MM_TEXT) << "not put back on a picture context";
    device.SetMapMode(gdi::MM_ANISOTROPIC);
    state.Restore(dc);
    EXPECT_EQ(device.GetWindowExt(), (gdi::SIZE {1440, 1440}));
    EXPECT_EQ(device.GetViewportExt(), (gdi::SIZE {96, 96}));
    EXPECT_EQ(device.GetViewportOrg(), (POINT {5, 6}));
}

TEST(DrawingContextMapState, ThinLinesAreAtLeastOneDeviceUnit)
{
    struct Case {
        int dpi, zoom;
        uint16_t width;
        int32_t gap, deviceWidth;
    } cases[] = {
        {96, 100, 20, 1, 1}, // 15 twips is a third of a pixel
        {96, 400, 20, 4, 5},
        {600, 100, 20, 6, 8},
        {600, 100, 0, 6, 1},
        {96, 50, 300, 1, 10},
    };
    for (const Case& c : cases) {
        gdi::RecordingSurface surface(gdi::DeviceKind::Window, c.dpi, c.dpi);
        gdi::DC device(surface);
        VIEWDC dc;
        dc.dc = &device;
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(c.dpi * c.zoom / 100, c.dpi * c.zoom / 100);
        dc.SetViewportOrg(7, 9);
        BORDER border;
        border.width = c.width;
        EXPECT_EQ(GetDeviceGap(dc), c.gap) << c.dpi << " dpi " << c.zoom << " %";
        EXPECT_EQ(GetDeviceWidth(border, dc), c.deviceWidth) << c.dpi << " dpi " << c.zoom << " % " << c.width;
    }
}

} // namespace
