// The drawing context: its mapping and conversions as the views set them
// up, the shared device context of a view, the page, the grid and clipping.
#include "forms/model/viewdc.h"

#include "forms/model/resize_update_rgn.h"
#include "tests/model/test_objects.h"

#include "platform/gdi/muldiv.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

using gdi::MulDiv;

// The screen set-up of a view: 1440 twips to the pixels per inch, both
// scaled by the zoom, the page's corner as viewport origin.
void SetupLikeAView(VIEWDC& dc, int dpi, int zoom, POINT pageCorner)
{
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(MulDiv(dpi, zoom, 100), MulDiv(dpi, zoom, 100));
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(pageCorner.x, pageCorner.y);
}

TEST(ViewDrawingContext, ConvertsAsGdiAtEveryZoomAndResolution)
{
    const int dpis[] = {96, 600};
    const int zooms[] = {50, 100, 150, 400};
    const POINT points[] = {{0, 0}, {1, 1}, {7, 15}, {720, 1440}, {12240, 15840}, {-100, -7}, {32399, 1}};
    const POINT corner {13, -40};
    for (int dpi : dpis) {
        for (int zoom : zooms) {
            gdi::RecordingSurface surface(gdi::DeviceKind::Window, dpi, dpi);
            gdi::DC device(surface);
            VIEWDC dc;
            dc.dc = &device;
            SetupLikeAView(dc, dpi, zoom, corner);
            const int32_t perInch = MulDiv(dpi, zoom, 100);
            for (POINT p : points) {
                const std::string where = std::to_string(dpi) + " dpi, " + std::to_string(zoom) + " %, ("
                    + std::to_string(p.x) + "," + std::to_string(p.y) + ")";
                POINT converted = p;
                dc.LPtoDP(&converted, 1);
                const POINT expected {MulDiv(p.x, perInch, 1440) + corner.x, MulDiv(p.y, perInch, 1440) + corner.y};
                EXPECT_EQ(converted, expected) << where;

                // The device context draws at the same place.
                surface.Clear();
                device.Rectangle(p.x, p.y, p.x + 1440, p.y + 1440);
                ASSERT_EQ(surface.Calls().size(), 1u);
                EXPECT_EQ(surface.Calls()[0].points[0], expected) << where;

                // And back, within the rounding of one device unit.
                POINT back = converted;
                dc.DPtoLP(&back, 1);
                const int32_t unit = 1440 / perInch + 1;
                EXPECT_LE(std::abs(back.x - p.x), unit) << where;
                EXPECT_LE(std::abs(back.y - p.y), unit) << where;
                POINT exact {
                    MulDiv(converted.x - corner.x, 1440, perInch), MulDiv(converted.y - corner.y, 1440, perInch)};
                EXPECT_EQ(back, exact) << where;
            }
        }
    }
}

TEST(ViewDrawingContext, RemembersAbsoluteExtentsAndAnswersThePreviousOnes)
{
    gdi::RecordingSurface surface;
    gdi::DC device(surface);
    VIEWDC dc;
    dc.dc = &device;
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    EXPECT_EQ(dc.SetWindowExt(-1440, 1440), (gdi::SIZE {1, 1}));
    EXPECT_EQ(dc.windowExtX, 1440);
    EXPECT_EQ(dc.windowExtY, 1440);
    EXPECT_EQ(dc.SetViewportExt(96, -192), (gdi::SIZE {1, 1}));
    EXPECT_EQ(dc.viewportExtX, 96);
    EXPECT_EQ(dc.viewportExtY, 192);
    EXPECT_EQ(dc.SetWindowExt(10, 10), (gdi::SIZE {-1440, 1440})) << "the device context keeps the sign";
    EXPECT_EQ(dc.SetViewportOrg(-5, 6), (POINT {0, 0}));
    EXPECT_EQ(dc.SetViewportOrg(0, 0), (POINT {-5, 6}));
    EXPECT_EQ(dc.SetWindowOrg(3, 4), (POINT {0, 0}));
    EXPECT_EQ(dc.windowOrgX, 3);
    EXPECT_EQ(dc.SetMapMode(gdi::MM_TEXT), gdi::MM_ANISOTROPIC);

    // A zero extent would make every conversion divide by zero.
    dc.SetWindowExt(0, 5);
    EXPECT_EQ(dc.windowExtX, 10);
    EXPECT_EQ(dc.windowExtY, 10);
}

TEST(ViewDrawingContext, PrintPreviewConvertsWithTheDeviceContextsOwnMapping)
{
    gdi::RecordingSurface surface(gdi::DeviceKind::Preview, 300, 300);
    gdi::DC device(surface);
    VIEWDC dc;
    dc.dc = &device;
    SetupLikeAView(dc, 300, 100, {0, 0});
    // The device context's mapping moves behind the drawing context's back.
    device.SetViewportOrg(100, 200);
    POINT p {1440, 1440};
    dc.deviceKind = kDevicePrinter;
    dc.LPtoDP(&p, 1);
    EXPECT_EQ(p, (POINT {300, 300})) << "the remembered mapping";
    p = {1440, 1440};
    dc.deviceKind = kDevicePreview;
    dc.LPtoDP(&p, 1);
    EXPECT_EQ(p, (POINT {400, 500})) << "the device context's mapping";
    dc.DPtoLP(&p, 1);
    EXPECT_EQ(p, (POINT {1440, 1440}));
}

TEST(ViewDrawingContext, NestedContextsShareTheViewsDeviceContext)
{
    FakeView view;
    {
        VIEWDC outer(&view);
        ASSERT_NE(outer.dc, nullptr);
        EXPECT_EQ(outer.fromView, 1);
        EXPECT_EQ(view.dcNesting, 1);
        {
            VIEWDC inner(&view);
            EXPECT_EQ(inner.dc, outer.dc);
            EXPECT_EQ(view.dcNesting, 2);
            {
                VIEWDC innermost(&view);
                EXPECT_EQ(innermost.dc, outer.dc);
                EXPECT_EQ(view.dcNesting, 3);
            }
        }
        EXPECT_EQ(view.dcNesting, 1);
        EXPECT_EQ(view.sharedDC.get(), outer.dc) << "still held by the outer context";
        EXPECT_EQ(view.windowDCsFetched, 1);
    }
    EXPECT_EQ(view.dcNesting, 0);
    EXPECT_EQ(view.sharedDC, nullptr) << "released at the outer end";

    VIEWDC next(&view);
    EXPECT_EQ(view.windowDCsFetched, 2) << "the next first context fetches it anew";
}

TEST(ViewDrawingContext, AViewWithoutAWindowGivesNoDeviceContext)
{
    FakeView view;
    view.hasWindow = false;
    {
        VIEWDC dc(&view);
        EXPECT_EQ(dc.dc, nullptr);
        EXPECT_EQ(dc.fromView, 0);
        EXPECT_EQ(view.dcNesting, 0);
        POINT p {10, 20};
        dc.LPtoDP(&p, 1);
        EXPECT_EQ(dc.GetPageWidthDP(), 0);
    }
    EXPECT_EQ(view.dcNesting, 0);
}

// A view whose set-up for its own window fails on demand, as a view's does
// when its page has no layout.
class RefusingView : public FakeView {
public:
    int SetupOwnDC(VIEWDC& dc) override
    {
        ++setUps;
        return refuse ? 0 : FakeView::SetupOwnDC(dc);
    }
    bool refuse = false;
    int setUps = 0;
};

TEST(ViewDrawingContext, SetsItselfUpForTheViewsOwnWindowAndSaysWhetherThatWorked)
{
    RefusingView view;
    view.originX = 300;
    {
        VIEWDC dc(&view, kOwnWindow);
        EXPECT_TRUE(dc.IsSetUp());
        EXPECT_EQ(view.setUps, 1);
        EXPECT_EQ(dc.dc, view.sharedDC.get());
        EXPECT_EQ(dc.originX, 300) << "the view's set-up ran on this context";
        view.originX = 500;
        EXPECT_TRUE(dc.SetUpOwnWindow());
        EXPECT_EQ(dc.originX, 500) << "set up again after the view scrolled";
        view.refuse = true;
        EXPECT_FALSE(dc.SetUpOwnWindow());
        EXPECT_FALSE(dc.IsSetUp()) << "the last set-up counts";
    }
    {
        VIEWDC dc(&view, kOwnWindow);
        EXPECT_FALSE(dc.IsSetUp());
    }
    EXPECT_EQ(view.dcNesting, 0);

    VIEWDC none(nullptr, kOwnWindow);
    EXPECT_FALSE(none.IsSetUp());
    EXPECT_FALSE(none.SetUpOwnWindow());
    VIEWDC plain(&view);
    EXPECT_FALSE(plain.IsSetUp()) << "made without the set-up";
}

TEST(ViewDrawingContext, ObjectsLeaveAViewAloneThatCannotSetItselfUp)
{
    RefusingView view;
    view.refuse = true;
    view.active = true;
    TestBox box;
    box.SetPlace(1, {1000, 1000, 2000, 1500});
    box.SetSelectFlag(1);

    box.Invalidate(&view);
    RESIZEUPDATERGN hint(kHintOutlineChanged, 1);
    hint.InvalidateView(&view);
    EXPECT_EQ(box.TrackAt(&view, 2000, 1500, 0, nullptr), 0);
    EXPECT_EQ(box.Track(&view, 2000, 1500), 0);

    EXPECT_GE(view.setUps, 4);
    EXPECT_TRUE(view.invalidRects.empty());
    EXPECT_TRUE(view.invalidOutlines.empty());
    EXPECT_EQ(view.updates, 0);
    EXPECT_TRUE(view.othersTold.empty());
    RECT r;
    box.GetRect(r);
    EXPECT_EQ(r, (RECT {1000, 1000, 2000, 1500}));
}

TEST(ViewDrawingContext, WithoutAViewNothingIsSet)
{
    VIEWDC dc;
    EXPECT_EQ(dc.dc, nullptr);
    EXPECT_EQ(dc.view, nullptr);
    EXPECT_EQ(dc.fromView, 0);
    EXPECT_EQ(dc.outputMode, kOutputFill);
    EXPECT_EQ(dc.fieldsOnly, 0);
    EXPECT_EQ(dc.clipRegion, nullptr);
}

TEST(ViewDrawingContext, PageInDeviceUnits)
{
    // 600 by 300 dpi: the width and the height scale differently.
    gdi::RecordingSurface surface(gdi::DeviceKind::Printer, 600, 300);
    gdi::DC device(surface);
    VIEWDC dc;
    dc.dc = &device;
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(600, 300);
    dc.SetViewportOrg(-50, -60);
    dc.pageWidth = 12240;
    dc.pageHeight = 15840;
    dc.originX = 100;
    dc.originY = 200;

    RECT page;
    dc.GetPageRectDP(page);
    EXPECT_EQ(page, (RECT {-100, -200, 12140, 15640}));
    EXPECT_EQ(dc.GetPageWidthDP(), 5100) << "8.5 inches, origins left out";
    EXPECT_EQ(dc.GetPageHeightDP(), 3300) << "11 inches along y";
    EXPECT_EQ(device.GetViewportOrg(), (POINT {-50, -60})) << "the origins stay";

    struct Case {
        POINT p;
        int on;
    } cases[] = {
        {{0, 0}, 1},
        {{5100, 3300}, 1},
        {{5101, 3300}, 0},
        {{5100, 3301}, 0},
        {{-1, 10}, 0},
        {{10, -1}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dc.IsPointOnPage(c.p), c.on) << c.p.x << "," << c.p.y;
}

// Snaps to multiples of 100 when on.
class HundredGrid : public SnapGrid {
public:
    void SnapIfOn(POINT& p) override
    {
        if (on)
            p = {(p.x + 50) / 100 * 100, (p.y + 50) / 100 * 100};
    }
    bool on = true;
};

TEST(ViewDrawingContext, SnapsThroughThePagesGrid)
{
    VIEWDC dc;
    int32_t x = 149, y = 151;
    POINT p {149, 151};
    dc.SnapX(x);
    dc.SnapPoint(p);
    EXPECT_EQ(x, 149) << "no grid";
    EXPECT_EQ(p, (POINT {149, 151}));

    HundredGrid grid;
    dc.grid = &grid;
    dc.SnapX(x);
    dc.SnapY(y);
    p = {149, 151};
    dc.SnapPoint(p);
    EXPECT_EQ(x, 100);
    EXPECT_EQ(y, 200);
    EXPECT_EQ(p, (POINT {100, 200}));
    grid.on = false;
    p = {149, 151};
    dc.SnapPoint(p);
    EXPECT_EQ(p, (POINT {149, 151}));
}

// The clip region selected into the device context, as a bounding box.
RECT SelectedClipBox(const gdi::DC& device)
{
    gdi::Region clip;
    RECT box {};
    if (device.GetClipRgn(clip))
        clip.GetBox(box);
    return box;
}

TEST(ViewDrawingContext, ClipRegionIsKeptAndSelected)
{
    gdi::RecordingSurface surface;
    gdi::DC device(surface);
    VIEWDC dc;
    dc.dc = &device;
    const gdi::Region square = gdi::Region::Rect(10, 10, 50, 50);
    const gdi::Region right = gdi::Region::Rect(40, 10, 90, 50);
    gdi::Region out;

    EXPECT_EQ(dc.GetClipRgn(&out), 0) << "none yet";
    EXPECT_EQ(dc.CombineClipRgn(&square, gdi::RGN_XOR), 0);
    EXPECT_EQ(dc.CombineClipRgn(&square, gdi::RGN_DIFF), 0);
    EXPECT_EQ(dc.clipRegion, nullptr) << "XOR and DIFF need a clip region";

    EXPECT_EQ(dc.CombineClipRgn(&square, gdi::RGN_OR), 1);
    ASSERT_EQ(dc.GetClipRgn(&out), 1);
    EXPECT_EQ(out, square) << "OR starts from a copy";
    EXPECT_EQ(SelectedClipBox(device), (RECT {10, 10, 50, 50}));

    EXPECT_EQ(dc.CombineClipRgn(&right, gdi::RGN_AND), 1);
    EXPECT_EQ(SelectedClipBox(device), (RECT {40, 10, 50, 50}));
    EXPECT_EQ(dc.CombineClipRgn(&right, 7), 0) << "unknown mode";
    EXPECT_EQ(dc.CombineClipRgn(&right, gdi::RGN_DIFF), 0) << "nothing left";
    EXPECT_EQ(dc.GetClipRgn(&out), 0) << "an empty clip region is not given";

    const RECT r {0, 0, 20, 30};
    EXPECT_EQ(dc.SetClipRect(&r), 1);
    EXPECT_EQ(SelectedClipBox(device), r);
    EXPECT_EQ(dc.SetClipRgn(&right), 1);
    EXPECT_EQ(SelectedClipBox(device), (RECT {40, 10, 90, 50}));
    EXPECT_EQ(dc.SetClipRgn(nullptr), 0);
    EXPECT_EQ(dc.SetClipRect(nullptr), 0);
    EXPECT_EQ(SelectedClipBox(device), (RECT {40, 10, 90, 50}));

    const RECT empty {5, 5, 5, 5};
    EXPECT_EQ(dc.SetClipRect(&empty), 0);
}

TEST(ViewDrawingContext, APictureContextIgnoresEveryClipCall)
{
    gdi::RecordingSurface surface(gdi::DeviceKind::Picture);
    gdi::DC device(surface);
    VIEWDC dc;
    dc.dc = &device;
    dc.deviceKind = kDevicePicture;
    const gdi::Region square = gdi::Region::Rect(10, 10, 50, 50);
    const RECT r {0, 0, 20, 30};
    gdi::Region out;
    EXPECT_EQ(dc.SetClipRect(&r), 0);
    EXPECT_EQ(dc.CombineClipRgn(&square, gdi::RGN_OR), 0);
    EXPECT_EQ(dc.SetClipRgn(&square), 0);
    EXPECT_EQ(dc.GetClipRgn(&out), 0);
    EXPECT_EQ(dc.clipRegion, nullptr);
}

} // namespace
