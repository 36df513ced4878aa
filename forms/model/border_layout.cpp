#include "forms/model/border_layout.h"

#include "forms/model/border.h"
#include "forms/model/viewdc.h"

#include <algorithm>
#include <cstdlib>

std::pair<int32_t, int32_t> DeviceExtent(VIEWDC& dc, int32_t twips)
{
    POINT pts[2] = {{0, 0}, {twips, twips}};
    dc.LPtoDP(pts, 2);
    return {std::max(std::abs(pts[1].x - pts[0].x), 1), std::max(std::abs(pts[1].y - pts[0].y), 1)};
}

RECT LogicalToDevice(VIEWDC& dc, const RECT& rect)
{
    POINT pts[2]
        = {{rect.left - dc.originX, rect.top - dc.originY}, {rect.right - dc.originX, rect.bottom - dc.originY}};
    dc.LPtoDP(pts, 2);
    return RECT {pts[0].x, pts[0].y, pts[1].x, pts[1].y}.Normalized();
}

RECT DeviceToLogical(VIEWDC& dc, const RECT& device)
{
    POINT pts[2] = {{device.left, device.top}, {device.right, device.bottom}};
    dc.DPtoLP(pts, 2);
    return RECT {pts[0].x + dc.originX, pts[0].y + dc.originY, pts[1].x + dc.originX, pts[1].y + dc.originY}
        .Normalized();
}

BorderLayout BorderLayout::Make(const BORDER& border, VIEWDC& dc, const RECT& rect)
{
    BorderLayout l;
    const auto [wx, wy] = DeviceExtent(dc, border.width);
    l.thickX = l.totalX = wx;
    l.thickY = l.totalY = wy;
    // A double line too thin for two lines and a gap draws as one line.
    if (border.lineType == kLineDouble && wx > 2 && wy > 2) {
        const auto [gx, gy] = DeviceExtent(dc, kDoubleLineGap);
        l.gapX = gx;
        l.gapY = gy;
        l.thickX = std::max((wx - gx) / 2, 1);
        l.thickY = std::max((wy - gy) / 2, 1);
        l.totalX = 2 * l.thickX + gx;
        l.totalY = 2 * l.thickY + gy;
        l.lines = 2;
    }
    l.device = LogicalToDevice(dc, rect);
    return l;
}

RECT BorderLayout::OuterRing(bool centred) const
{
    if (!centred)
        return device;
    return device.Inflated(totalX / 2, totalY / 2);
}

RECT BorderLayout::Ring(int i, bool centred) const
{
    const RECT outer = OuterRing(centred);
    return i == 0 ? outer : outer.Inflated(-(thickX + gapX), -(thickY + gapY));
}

RECT BorderLayout::InnerEdges(bool centred) const
{
    RECT r = OuterRing(centred).Inflated(-totalX, -totalY);
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    return r;
}

namespace {

struct DashPattern {
    int period;
    int last; // the pattern ends on this drawn unit
    uint32_t bits; // drawn units of the period
};

// Styles 2-5: dash; dot; dash dot; dash dot dot.
const DashPattern* PatternOf(uint8_t style)
{
    static const DashPattern patterns[] = {
        {5, 3, 0b111},
        {3, 1, 0b1},
        {8, 3, 0b100111},
        {11, 3, 0b100100111},
    };
    return style >= 2 && style <= 5 ? &patterns[style - 2] : nullptr;
}

} // namespace

bool IsDashed(uint8_t style)
{
    return PatternOf(style) != nullptr;
}

std::vector<std::pair<int32_t, int32_t>> DashUnits(
    uint8_t style, int32_t start, int32_t end, int32_t unit, int32_t visibleFrom, int32_t visibleTo)
{
    const DashPattern* pattern = PatternOf(style);
    if (!pattern || unit <= 0 || end <= start)
        return {{start, end}};
    const int64_t length = int64_t(end) - start;
    int64_t n = std::max<int64_t>(length / unit, 1);
    n = n - n % pattern->period + pattern->last;
    // The excess (or shortfall) is taken from the first unit and the rest
    // laid out from there; the last unit ends at the bar's end.
    const int64_t excess = n * unit - length;
    const int64_t first = start - excess / 2;
    const int64_t from0 = std::max<int64_t>((int64_t(visibleFrom) - first) / unit - 1, 0);
    const int64_t to0 = std::min<int64_t>((int64_t(visibleTo) - first) / unit + 1, n - 1);
    std::vector<std::pair<int32_t, int32_t>> units;
    for (int64_t i = from0; i <= to0; ++i) {
        if (!(pattern->bits >> (i % pattern->period) & 1))
            continue;
        const int64_t from = i == 0 ? start : std::max<int64_t>(first + i * unit, start);
        const int64_t to = i == n - 1 ? end : std::min<int64_t>(first + (i + 1) * unit, end);
        if (from < to)
            units.emplace_back(int32_t(from), int32_t(to));
    }
    return units;
}
