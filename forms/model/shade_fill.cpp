// Filling rectangles, rounded rectangles and ellipses with a fill: pattern
// brushes on the screen, brushes of printer-sized pattern bitmaps on paper.
#include "forms/model/dc_map_state.h"
#include "forms/model/fill_patterns.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"
#include "platform/gdi/muldiv.h"

#include <algorithm>
#include <cstdlib>

namespace {

// The pattern drawn for a shade's pattern value: patterns outside 0-19
// (the selection's marker among them) draw as pattern 0 on every device.
int DrawnPattern(int16_t pattern)
{
    return pattern >= 0 && pattern < kFillPatternCount ? pattern : 0;
}

// Printer dots per pattern pixel along one axis.
int DotSize(int pixelsPerInch, bool extended)
{
    const int32_t dot = extended ? gdi::MulDiv(pixelsPerInch, 1, 100) : gdi::MulDiv(pixelsPerInch, 2, 300);
    return std::max<int32_t>(dot, 1);
}

// The text and background colours of a fill, put back when it ends.
class FillColours {
public:
    FillColours(gdi::DC& dc, uint32_t foreground, uint32_t background)
        : dc(dc)
        , oldText(dc.SetTextColor(foreground))
        , oldBackground(dc.SetBkColor(background))
    {}
    ~FillColours()
    {
        dc.SetTextColor(oldText);
        dc.SetBkColor(oldBackground);
    }
    FillColours(const FillColours&) = delete;
    FillColours& operator=(const FillColours&) = delete;

private:
    gdi::DC& dc;
    gdi::COLORREF oldText;
    gdi::COLORREF oldBackground;
};

RECT ToDevice(VIEWDC& dc, const RECT& r)
{
    POINT pts[2] = {{r.left, r.top}, {r.right, r.bottom}};
    dc.LPtoDP(pts, 2);
    return RECT {pts[0].x, pts[0].y, pts[1].x, pts[1].y}.Normalized();
}

} // namespace

void BASICSHADE::FillRect(VIEWDC& dc, const RECT& rect)
{
    if (noFill || !dc.dc)
        return;
    const RECT logical = rect.Offset(-dc.originX, -dc.originY);
    if (!dc.dc->RectVisible(logical))
        return;
    FillColours colours(*dc.dc, colour1, colour2);
    const int p = DrawnPattern(pattern);
    if (dc.deviceKind != kDevicePrinter)
        dc.dc->FillRect(logical, GetPatternBrush(p));
    else
        FillOnPrinter(dc, logical, p);
}

void BASICSHADE::FillOnPrinter(VIEWDC& dc, const RECT& logical, int p)
{
    if (p == kSolidBackgroundPattern || p == kSolidForegroundPattern || colour1 == colour2) {
        CachedBrush brush = GetCachedBrush(p == kSolidForegroundPattern ? colour1 : colour2);
        dc.dc->FillRect(logical, *brush);
        ReleaseCachedBrush(brush);
        return;
    }
    const RECT device = ToDevice(dc, logical);
    const int saved = dc.dc->SaveDC();
    DCMAPSTATE mapping;
    mapping.Save(dc);
    const bool extended = p > kSolidForegroundPattern;
    FillPatterns& shared = SharedFillPatterns();
    const PrinterPatternCache::Key key {static_cast<uint16_t>(p),
        static_cast<uint16_t>(DotSize(dc.dc->GetDeviceCaps(gdi::LOGPIXELSX), extended)),
        static_cast<uint16_t>(DotSize(dc.dc->GetDeviceCaps(gdi::LOGPIXELSY), extended))};
    const gdi::Bitmap& tile = shared.printerBitmaps.Get(shared.bitmaps[p], key);
    // One fill with the tile as a pattern brush whose origin is the
    // rectangle's top left, the tiles' grid. The rectangle is first cut to
    // the paper, the origin kept on the same grid, so that coordinates from
    // a damaged file stay within reach of the device.
    const int64_t w = tile.Width();
    const int64_t h = tile.Height();
    const int64_t paperW = std::max(dc.dc->GetDeviceCaps(gdi::PHYSICALWIDTH), dc.dc->GetDeviceCaps(gdi::HORZRES));
    const int64_t paperH = std::max(dc.dc->GetDeviceCaps(gdi::PHYSICALHEIGHT), dc.dc->GetDeviceCaps(gdi::VERTRES));
    const RECT cut {int32_t(std::max<int64_t>(device.left, -w)), int32_t(std::max<int64_t>(device.top, -h)),
        int32_t(std::min<int64_t>(device.right, paperW + w)), int32_t(std::min<int64_t>(device.bottom, paperH + h))};
    if (cut.left < cut.right && cut.top < cut.bottom) {
        auto onGrid = [](int64_t from, int64_t to, int64_t step) { return from + (to - from) / step * step; };
        dc.dc->SetBrushOrg(int32_t(onGrid(device.left, cut.left, w)), int32_t(onGrid(device.top, cut.top, h)));
        dc.dc->FillRect(cut, gdi::Brush::WholePattern(tile));
    }
    mapping.Restore(dc);
    dc.dc->RestoreDC(saved);
}

void BASICSHADE::FillRoundRect(VIEWDC& dc, const RECT& rect, int32_t radius, bool underBorder)
{
    if (noFill || !dc.dc)
        return;
    const RECT logical = rect.Offset(-dc.originX, -dc.originY);
    const RECT device = ToDevice(dc, logical);
    POINT corner[2] = {{0, 0}, {radius, radius}};
    dc.LPtoDP(corner, 2);
    const int32_t rx = std::abs(corner[1].x - corner[0].x);
    const int32_t ry = std::abs(corner[1].y - corner[0].y);
    // Under a border the region keeps a pixel inside the rectangle: the
    // border's stroke and the region's edge are rasterised each their own
    // way, and the fill would show outside the stroke at the corners.
    const gdi::Region region = underBorder
        ? gdi::Region::RoundRect(device.left + 1, device.top + 1, device.right - 1, device.bottom - 1,
            std::max(0, 2 * rx - 2), std::max(0, 2 * ry - 2))
        : gdi::Region::RoundRect(device.left, device.top, device.right + 1, device.bottom + 1, 2 * rx, 2 * ry);
    FillInRegion(dc, region, rect, logical, false, radius);
}

void BASICSHADE::FillEllipse(VIEWDC& dc, const RECT& deviceRect)
{
    if (noFill || !dc.dc)
        return;
    POINT pts[2] = {{deviceRect.left, deviceRect.top}, {deviceRect.right, deviceRect.bottom}};
    dc.DPtoLP(pts, 2);
    const RECT logical {pts[0].x, pts[0].y, pts[1].x, pts[1].y};
    if (!dc.dc->RectVisible(logical))
        return;
    const gdi::Region region
        = gdi::Region::Ellipse(deviceRect.left, deviceRect.top, deviceRect.right, deviceRect.bottom);
    FillInRegion(dc, region, logical.Offset(dc.originX, dc.originY), logical, true, 0);
}

void BASICSHADE::FillInRegion(
    VIEWDC& dc, const gdi::Region& region, const RECT& rect, const RECT& shape, bool ellipse, int32_t radius)
{
    if (!region.IsEmpty()) {
        const int saved = dc.dc->SaveDC();
        std::unique_ptr<gdi::Region> previous = dc.clipRegion ? std::make_unique<gdi::Region>(*dc.clipRegion) : nullptr;
        bool clipped;
        if (dc.deviceKind == kDevicePrinter) {
            const int type = dc.dc->SelectClipRgn(&region);
            clipped = type != gdi::ERROR && type != gdi::NULLREGION;
        } else {
            clipped = dc.CombineClipRgn(&region, gdi::RGN_AND) != 0;
        }
        if (clipped)
            FillRect(dc, rect);
        dc.clipRegion = std::move(previous);
        dc.dc->RestoreDC(saved);
        if (clipped)
            return;
    }
    FillColours colours(*dc.dc, colour1, colour2);
    const gdi::Pen oldPen = dc.dc->SelectObject(gdi::GetStockPen(gdi::NULL_PEN));
    const gdi::Brush oldBrush = dc.dc->SelectObject(GetPatternBrush(DrawnPattern(pattern)));
    if (ellipse)
        dc.dc->Ellipse(shape.left, shape.top, shape.right, shape.bottom);
    else
        dc.dc->RoundRect(shape.left, shape.top, shape.right, shape.bottom, 2 * radius, 2 * radius);
    dc.dc->SelectObject(oldPen);
    dc.dc->SelectObject(oldBrush);
}
