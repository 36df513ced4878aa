// The drawing context through which form objects draw, hit-test and convert
// coordinates on a view's window, a printer, a picture or in print preview:
// a device context plus the mapping, page, grid and clip region they need.
#pragma once

#include "forms/model/geometry.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/region.h"

#include <cstdint>
#include <memory>

class OBJECT_VIEW;
class SnapGrid;
class IMAGECACHE;
class FLAYOUT;

// Device kinds of a drawing context.
constexpr uint8_t kDeviceWindow = 1;
constexpr uint8_t kDevicePrinter = 2;
constexpr uint8_t kDevicePicture = 3; // no mapping mode, no clipping
constexpr uint8_t kDevicePreview = 4; // converts with the device context's own mapping

// Output modes of the views' drawing.
constexpr uint16_t kOutputFill = 1;
constexpr uint16_t kOutputDesign = 2;
constexpr uint16_t kOutputFillingOrder = 3;
constexpr uint16_t kOutputFieldMatching = 4;
constexpr uint16_t kOutputMath = 5;
constexpr uint16_t kOutputNaming = 6;

// Picks the VIEWDC constructor that also sets the context up for the
// view's own window.
struct OWN_WINDOW {};
inline constexpr OWN_WINDOW kOwnWindow {};

class VIEWDC {
public:
    // Borrows the view's shared device context, fetching the window's when
    // no other context for the view lives; the caller has the mapping
    // prepared (by the view's SetupDC, say).
    explicit VIEWDC(OBJECT_VIEW* view);
    // Borrows as above and has the view set the context up for its own
    // window at once (OBJECT_VIEW::SetupOwnDC); IsSetUp tells whether that
    // succeeded.
    VIEWDC(OBJECT_VIEW* view, OWN_WINDOW);
    // No view: the caller sets dc and the mapping.
    VIEWDC();
    // Releases the view's device context when this is the last context
    // made for it.
    ~VIEWDC();
    VIEWDC(const VIEWDC&) = delete;
    VIEWDC& operator=(const VIEWDC&) = delete;

    // Has the view set the context up for its own window (again, after the
    // view scrolled, say); false when that failed or there is no view.
    bool SetUpOwnWindow();
    // Whether the last set-up for the view's own window succeeded.
    bool IsSetUp() const { return setUp; }

    // Mapping: each remembers what it sets (extents as absolute values),
    // applies it to the device context and answers the previous value.
    gdi::SIZE SetWindowExt(int32_t cx, int32_t cy);
    gdi::SIZE SetViewportExt(int32_t cx, int32_t cy);
    POINT SetWindowOrg(int32_t x, int32_t y);
    POINT SetViewportOrg(int32_t x, int32_t y);
    int SetMapMode(int mode);

    // Logical to device units and back: print preview through the device
    // context, every other kind through the remembered mapping.
    void LPtoDP(POINT* points, int count);
    void DPtoLP(POINT* points, int count);

    // The page in device units relative to the scroll origin.
    void GetPageRectDP(RECT& out) const;
    // The page's width (height) in device units, by the mapping's scale.
    int16_t GetPageWidthDP() const;
    int16_t GetPageHeightDP() const;
    // 1 when the device point lies on the page, edges included.
    int IsPointOnPage(POINT point) const;

    // Snap through the page's grid when it is on; a coordinate snaps as a
    // point's with the other coordinate 0.
    void SnapX(int32_t& x);
    void SnapY(int32_t& y);
    void SnapPoint(POINT& point);

    // Clipping with regions in device units. Each answers 0 and does
    // nothing on a picture device or for a null argument, and 1 only when
    // the clip region selected is valid and not empty.
    int SetClipRect(const RECT* rect);
    // Mode RGN_AND, RGN_OR, RGN_XOR or RGN_DIFF; without a clip region yet
    // only AND and OR, which start from a copy of the region.
    int CombineClipRgn(const gdi::Region* region, int mode);
    // 1 and a copy of the clip region when there is one that is not empty.
    int GetClipRgn(gdi::Region* out) const;
    int SetClipRgn(const gdi::Region* region);

    gdi::DC* dc = nullptr;
    OBJECT_VIEW* view = nullptr;
    int fromView = 0;
    // Page values that the view's set-up copies from its page record.
    int32_t pageValues[4] = {};
    uint16_t outputMode = kOutputFill;
    // Scroll origin, subtracted from logical rectangles before conversion.
    int32_t originX = 0;
    int32_t originY = 0;
    int16_t pageHeight = 0;
    int16_t pageWidth = 0;
    int16_t pageExtra = 0;
    SnapGrid* grid = nullptr;
    OBJECT_VIEW* handleView = nullptr;
    uint8_t deviceKind = kDeviceWindow;
    int32_t drawHandles = 0;
    int32_t checkBoxOutlines = 0;
    int32_t showBaselines = 0;
    int32_t noTracker = 0;
    int32_t windowExtX = 1;
    int32_t windowExtY = 1;
    int32_t viewportExtX = 1;
    int32_t viewportExtY = 1;
    int32_t windowOrgX = 0;
    int32_t windowOrgY = 0;
    int32_t viewportOrgX = 0;
    int32_t viewportOrgY = 0;
    // Extents a picture context takes instead of (1, 1) when switched to
    // device units.
    int32_t kind3ExtentX = 1;
    int32_t kind3ExtentY = 1;
    int32_t fieldsOnly = 0;
    std::unique_ptr<gdi::Region> clipRegion;

    // Set by the views, printing and picture code for the objects that
    // read them.
    int32_t zoomX = 100; // percent
    int32_t zoomY = 100;
    // Scale of off-screen bitmaps played onto the device.
    double bitmapRatioX = 1.0;
    double bitmapRatioY = 1.0;
    // 0 lets a picture field show its missing-image text in the design view.
    uint32_t noImageText = 0;
    RECT clipRect;
    IMAGECACHE* imageCache = nullptr;
    FLAYOUT* pageLayout = nullptr;

protected:
    // A copy of the point, snapped: SnapX and SnapY through SnapPoint.
    POINT SnappedPoint(POINT point);

private:
    // Selects the clip region into the device context.
    int SelectClip();

    bool setUp = false;
};
