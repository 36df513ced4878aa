// Drawing a border: bars of rectangular borders in dash units, rounded and
// elliptic borders with inside-frame pens, the straight stroke of
// orthogonal lines and the slanted stroke of free lines.
#include "forms/model/border.h"

#include "forms/model/border_layout.h"
#include "forms/model/brush_cache.h"
#include "forms/model/dc_map_state.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <memory>

namespace {

// The context switched to device units for as long as this lives.
class DeviceUnits {
public:
    explicit DeviceUnits(VIEWDC& dc)
        : dc(dc)
    {
        state.Save(dc);
    }
    ~DeviceUnits() { state.Restore(dc); }
    DeviceUnits(const DeviceUnits&) = delete;
    DeviceUnits& operator=(const DeviceUnits&) = delete;

private:
    VIEWDC& dc;
    DCMAPSTATE state;
};

// A pen and brush selected for as long as this lives.
class Selected {
public:
    Selected(gdi::DC& dc, const gdi::Pen& pen, const gdi::Brush& brush)
        : dc(dc)
        , oldPen(dc.SelectObject(pen))
        , oldBrush(dc.SelectObject(brush))
    {}
    ~Selected()
    {
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    gdi::DC& dc;
    gdi::Pen oldPen;
    gdi::Brush oldBrush;
};

// The drawing context's clip region kept aside and put back.
class SavedClip {
public:
    explicit SavedClip(VIEWDC& dc)
        : dc(dc)
        , saved(dc.dc->SaveDC())
        , previous(dc.clipRegion ? std::make_unique<gdi::Region>(*dc.clipRegion) : nullptr)
    {}
    ~SavedClip()
    {
        dc.clipRegion = std::move(previous);
        dc.dc->RestoreDC(saved);
    }
    SavedClip(const SavedClip&) = delete;
    SavedClip& operator=(const SavedClip&) = delete;

    // Narrows the clipping to a device region: on the printer the device
    // context's own, elsewhere the drawing context's. False when nothing
    // is left to draw in or the device cannot clip.
    bool Narrow(const gdi::Region& region)
    {
        if (dc.deviceKind != kDevicePrinter)
            return dc.CombineClipRgn(&region, gdi::RGN_AND) != 0;
        gdi::Region clip;
        if (dc.dc->GetClipRgn(clip) == 1)
            clip.Combine(clip, region, gdi::RGN_AND);
        else
            clip = region;
        const int type = dc.dc->SelectClipRgn(&clip);
        return type != gdi::ERROR && type != gdi::NULLREGION;
    }

private:
    VIEWDC& dc;
    int saved;
    std::unique_ptr<gdi::Region> previous;
};

// The four bars of one ring, corners overlapping.
void FillRing(const BORDER& border, VIEWDC& dc, const RECT& ring, int32_t thickX, int32_t thickY)
{
    border.FillLineVertical(dc, {ring.left, ring.top, ring.left + thickX, ring.bottom});
    border.FillLine(dc, {ring.left, ring.top, ring.right, ring.top + thickY});
    border.FillLineVertical(dc, {ring.right - thickX, ring.top, ring.right, ring.bottom});
    border.FillLine(dc, {ring.left, ring.bottom - thickY, ring.right, ring.bottom});
}

void DrawBars(const BORDER& border, VIEWDC& dc, const RECT& rect, bool centred)
{
    const BorderLayout layout = BorderLayout::Make(border, dc, rect);
    DeviceUnits units(dc);
    for (int i = 0; i < layout.lines; ++i)
        FillRing(border, dc, layout.Ring(i, centred), layout.thickX, layout.thickY);
}

void DrawEllipseBorder(const BORDER& border, VIEWDC& dc, const RECT& rect)
{
    const BorderLayout layout = BorderLayout::Make(border, dc, rect);
    DeviceUnits units(dc);
    Selected tools(*dc.dc, gdi::Pen::InsideFrame(layout.thickY, border.colour), gdi::GetStockBrush(gdi::NULL_BRUSH));
    RECT r = layout.Ring(0, true);
    dc.dc->Ellipse(r.left, r.top, r.right, r.bottom);
    if (layout.lines == 2) {
        r = layout.Ring(1, true);
        dc.dc->Ellipse(r.left, r.top, r.right, r.bottom);
    }
}

// A box border with rounded corners: one rounded rectangle per line when
// solid; else rounded corners clipped to the corner areas and dashed
// straight bars between them.
void DrawRoundedCorners(const BORDER& border, VIEWDC& dc, const RECT& rect)
{
    const BorderLayout layout = BorderLayout::Make(border, dc, rect);
    const auto [rx, ry] = DeviceExtent(dc, border.rounding);
    DeviceUnits units(dc);
    Selected tools(*dc.dc, gdi::Pen::InsideFrame(layout.thickY, border.colour), gdi::GetStockBrush(gdi::NULL_BRUSH));
    const RECT outer = layout.Ring(0, true);
    if (border.style <= 1) {
        dc.dc->RoundRect(outer.left, outer.top, outer.right, outer.bottom, 2 * rx, 2 * ry);
        const RECT inner = layout.Ring(1, true);
        if (layout.lines == 2 && inner != outer) {
            const int32_t shrinkX = 2 * (layout.thickX + layout.gapX);
            const int32_t shrinkY = 2 * (layout.thickY + layout.gapY);
            dc.dc->RoundRect(inner.left, inner.top, inner.right, inner.bottom, std::max(2 * rx - shrinkX, 0),
                std::max(2 * ry - shrinkY, 0));
        }
        return;
    }
    {
        gdi::Region corners = gdi::Region::Rect(outer);
        corners.Combine(
            corners, gdi::Region::Rect(outer.left + rx, outer.top, outer.right - rx, outer.bottom), gdi::RGN_DIFF);
        corners.Combine(
            corners, gdi::Region::Rect(outer.left, outer.top + ry, outer.right, outer.bottom - ry), gdi::RGN_DIFF);
        SavedClip clip(dc);
        if (clip.Narrow(corners))
            dc.dc->RoundRect(outer.left, outer.top, outer.right, outer.bottom, 2 * rx, 2 * ry);
    }
    border.FillLine(dc, {outer.left + rx, outer.top, outer.right - rx, outer.top + layout.thickY});
    border.FillLine(dc, {outer.left + rx, outer.bottom - layout.thickY, outer.right - rx, outer.bottom});
    border.FillLineVertical(dc, {outer.left, outer.top + ry, outer.left + layout.thickX, outer.bottom - ry});
    border.FillLineVertical(dc, {outer.right - layout.thickX, outer.top + ry, outer.right, outer.bottom - ry});
}

// The rectangle less the scroll origin, grown by one device unit, touches
// the visible area. Worked out wide and kept within the 32-bit range, for
// edges from a damaged file.
bool GrownVisible(VIEWDC& dc, const RECT& rect)
{
    POINT unit[2] = {{0, 0}, {1, 1}};
    dc.DPtoLP(unit, 2);
    const int64_t ux = std::abs(int64_t(unit[1].x) - unit[0].x);
    const int64_t uy = std::abs(int64_t(unit[1].y) - unit[0].y);
    const RECT r = rect.Normalized();
    auto fit = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return dc.dc->RectVisible({fit(int64_t(r.left) - dc.originX - ux), fit(int64_t(r.top) - dc.originY - uy),
        fit(int64_t(r.right) - dc.originX + ux), fit(int64_t(r.bottom) - dc.originY + uy)});
}

// The number of lines and one line's thickness of a stroke t device units
// thick: a double line needs 4 units for two lines and their gap.
// Where the first bar of a straight stroke of that span starts across the
// line: centred on the line's device position.
int32_t StraightStrokeStart(const RECT& device, bool vertical, int32_t span)
{
    const int32_t middle = vertical ? (device.left + device.right) / 2 : (device.top + device.bottom) / 2;
    return middle - span / 2;
}

std::pair<int, int32_t> StrokeLines(const BORDER& border, int32_t t, int32_t gap)
{
    if (border.lineType == kLineDouble && t >= 4)
        return {2, std::max((t - gap) / 2, 1)};
    return {1, std::max(t, 1)};
}

// The part of a segment (from `start` along the unit vector, `length`
// long) that passes through the visible area widened by the stroke's
// width, as distances along it; the clipping of a segment to a box.
std::pair<int32_t, int32_t> VisibleAlong(
    const gdi::DC& dc, POINT start, double ux, double uy, double length, int32_t width)
{
    RECT box;
    dc.GetClipBox(box);
    box = box.Inflated(width + 1, width + 1);
    double lo = 0;
    double hi = length;
    auto clip = [&](double origin, double direction, double low, double high) {
        if (direction == 0)
            return origin >= low && origin <= high;
        double a = (low - origin) / direction;
        double b = (high - origin) / direction;
        if (a > b)
            std::swap(a, b);
        lo = std::max(lo, a);
        hi = std::min(hi, b);
        return lo <= hi;
    };
    if (!clip(start.x, ux, box.left, box.right) || !clip(start.y, uy, box.top, box.bottom))
        return {0, 0};
    auto whole = [](double d) { return static_cast<int32_t>(std::clamp(d, 0.0, double(INT32_MAX))); };
    return {whole(std::floor(lo)), whole(std::ceil(hi))};
}

} // namespace

void BORDER::Draw(VIEWDC& dc, const RECT& rect, uint8_t objectType) const
{
    if (lineType == kLineNone || !dc.dc)
        return;
    if (objectType == kTypeEllipse)
        DrawEllipseBorder(*this, dc, rect);
    else if (objectType == kTypeBox)
        DrawBars(*this, dc, rect, true);
    else if (objectType == kTypeCell)
        DrawBars(*this, dc, rect, false);
}

void BORDER::DrawFor(VIEWDC& dc, BASICSHADE& shade, const RECT& rect, const RECT* fill) const
{
    if (!dc.dc)
        return;
    RECT area = rect;
    if (fill)
        area = *fill;
    else
        GetOuterRect(dc, area);
    if (!dc.dc->RectVisible(area.Offset(-dc.originX, -dc.originY)))
        return;
    FillInside(dc, area, shade);
    if (lineType == kLineNone)
        return;
    if (!roundedFlag || rounding == 0)
        Draw(dc, rect, kTypeBox);
    else
        DrawRoundedCorners(*this, dc, rect);
}

void BORDER::DrawRounded(VIEWDC& dc, const RECT& rect, const BASICSHADE* shade) const
{
    if (!dc.dc)
        return;
    const bool filled = shade && shade->noFill == 0;
    const gdi::Brush brush = filled ? BASICSHADE::GetPatternBrush(shade->pattern) : gdi::GetStockBrush(gdi::NULL_BRUSH);
    const gdi::COLORREF oldText = filled ? dc.dc->SetTextColor(shade->colour1) : dc.dc->GetTextColor();
    const gdi::COLORREF oldBack = filled ? dc.dc->SetBkColor(shade->colour2) : dc.dc->GetBkColor();
    {
        Selected tools(*dc.dc, gdi::Pen::Solid(width, colour), brush);
        const RECT r = rect.Offset(-dc.originX, -dc.originY);
        dc.dc->RoundRect(r.left, r.top, r.right, r.bottom, 2 * rounding, 2 * rounding);
    }
    dc.dc->SetTextColor(oldText);
    dc.dc->SetBkColor(oldBack);
}

void BORDER::DrawStraight(VIEWDC& dc, const RECT& rect) const
{
    if (lineType == kLineNone || !dc.dc || !GrownVisible(dc, rect))
        return;
    const RECT device = LogicalToDevice(dc, rect);
    const bool vertical = rect.Height() > rect.Width();
    const int32_t gap = GetDeviceGap(dc);
    const auto [lines, thick] = StrokeLines(*this, GetDeviceWidth(*this, dc), gap);
    const int32_t first = StraightStrokeStart(device, vertical, lines * thick + (lines - 1) * gap);
    DeviceUnits units(dc);
    for (int i = 0; i < lines; ++i) {
        const int32_t at = first + i * (thick + gap);
        if (vertical)
            FillLineVertical(dc, {at, device.top, at + thick, device.bottom});
        else
            FillLine(dc, {device.left, at, device.right, at + thick});
    }
}

RECT BORDER::GetStraightBand(VIEWDC& dc, const RECT& rect) const
{
    if (lineType == kLineNone || !dc.dc)
        return rect;
    const RECT device = LogicalToDevice(dc, rect);
    const bool vertical = rect.Height() > rect.Width();
    const int32_t gap = GetDeviceGap(dc);
    const auto [lines, thick] = StrokeLines(*this, GetDeviceWidth(*this, dc), gap);
    const int32_t span = lines * thick + (lines - 1) * gap;
    const int32_t first = StraightStrokeStart(device, vertical, span);
    const RECT band = vertical ? RECT {first, device.top, first + span, device.bottom}
                               : RECT {device.left, first, device.right, first + span};
    return DeviceToLogical(dc, band);
}

void BORDER::DrawSlanted(VIEWDC& dc, POINT from, POINT to, const RECT& bounds) const
{
    if (lineType == kLineNone || !dc.dc || !GrownVisible(dc, bounds))
        return;
    int32_t t = GetDeviceWidth(*this, dc);
    const int32_t gap = GetDeviceGap(dc);
    POINT ends[2] = {{from.x - dc.originX, from.y - dc.originY}, {to.x - dc.originX, to.y - dc.originY}};
    dc.LPtoDP(ends, 2);
    const double dx = double(ends[1].x) - ends[0].x;
    const double dy = double(ends[1].y) - ends[0].y;
    const double length = std::hypot(dx, dy);
    if (length == 0)
        return;
    // A thick slanted line looks heavier on the screen than a straight one
    // of the same width: it is thinned by its angle.
    if (dc.deviceKind != kDevicePrinter && dx != 0 && dy != 0 && width == 100)
        t = static_cast<int32_t>(t * std::max(std::max(std::abs(dx), std::abs(dy)) / length, 0.75));
    const auto [lines, thick] = StrokeLines(*this, t, gap);
    const double ux = dx / length;
    const double uy = dy / length;
    const double nx = -uy;
    const double ny = ux;
    const int32_t shift = (lines * thick + (lines - 1) * gap) / 2 - thick / 2;
    const int32_t span = lines * thick + (lines - 1) * gap;
    const auto [visibleFrom, visibleTo] = VisibleAlong(*dc.dc, ends[0], ux, uy, length, span);
    // A corner of the stroke; one beyond the device's range (a line at its
    // very edge) stays at the edge.
    auto at = [&](double along, double across) {
        auto whole = [](double v) {
            return static_cast<int32_t>(std::clamp(std::round(v), double(INT32_MIN), double(INT32_MAX)));
        };
        return POINT {whole(ends[0].x + ux * along + nx * across), whole(ends[0].y + uy * along + ny * across)};
    };
    const int32_t dashLength = static_cast<int32_t>(std::min(std::round(length), double(INT32_MAX)));
    if (thick <= 1) {
        // A polygon one device unit wide rounds to nothing at places and the
        // line would look dotted: hairlines are drawn with a pen instead.
        DCMAPSTATE mapping;
        mapping.Save(dc);
        const gdi::Pen old = dc.dc->SelectObject(gdi::Pen::Solid(0, colour));
        for (int i = 0; i < lines; ++i) {
            const double centre = -shift + i * (thick + gap);
            for (const auto& [s, e] : DashUnits(style, 0, dashLength, thick, visibleFrom, visibleTo)) {
                const POINT a = at(s, centre);
                const POINT b = at(e, centre);
                dc.dc->MoveTo(a.x, a.y);
                dc.dc->LineTo(b.x, b.y);
            }
        }
        dc.dc->SelectObject(old);
        mapping.Restore(dc);
        return;
    }
    CachedBrush brush = GetCachedBrush(colour);
    for (int i = 0; i < lines; ++i) {
        const double centre = -shift + i * (thick + gap);
        const double near = centre - thick / 2.0;
        const double far = centre + thick / 2.0;
        for (const auto& [s, e] : DashUnits(style, 0, dashLength, thick, visibleFrom, visibleTo)) {
            dc.dc->FillRgn(
                gdi::Region::Polygon({at(s, near), at(e, near), at(e, far), at(s, far)}, gdi::WINDING), *brush);
        }
    }
    ReleaseCachedBrush(brush);
}

void BORDER::FillLine(VIEWDC& dc, const RECT& bar) const
{
    if (!dc.dc || bar.IsEmpty())
        return;
    CachedBrush brush = GetCachedBrush(colour);
    // A whole bar needs no look at what is visible of it.
    if (!IsDashed(style)) {
        dc.dc->FillRect(bar, *brush);
        ReleaseCachedBrush(brush);
        return;
    }
    RECT visible;
    dc.dc->GetClipBox(visible);
    for (const auto& [from, to] : DashUnits(style, bar.left, bar.right, bar.Height(), visible.left, visible.right))
        dc.dc->FillRect({from, bar.top, to, bar.bottom}, *brush);
    ReleaseCachedBrush(brush);
}

void BORDER::FillLineVertical(VIEWDC& dc, const RECT& bar) const
{
    if (!dc.dc || bar.IsEmpty())
        return;
    CachedBrush brush = GetCachedBrush(colour);
    if (!IsDashed(style)) {
        dc.dc->FillRect(bar, *brush);
        ReleaseCachedBrush(brush);
        return;
    }
    RECT visible;
    dc.dc->GetClipBox(visible);
    for (const auto& [from, to] : DashUnits(style, bar.top, bar.bottom, bar.Width(), visible.top, visible.bottom))
        dc.dc->FillRect({bar.left, from, bar.right, to}, *brush);
    ReleaseCachedBrush(brush);
}
