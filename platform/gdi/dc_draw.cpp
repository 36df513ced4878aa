#include "platform/gdi/dc.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace gdi {

namespace {

RECT Normalized(RECT r)
{
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    return r;
}

bool IsPatternRop(uint32_t rop)
{
    return rop == PATCOPY || rop == PATINVERT || rop == DSTINVERT || rop == PATNOT;
}

} // namespace

POINT DC::MoveTo(int x, int y)
{
    return std::exchange(state_.position, POINT {x, y});
}

void DC::LineTo(int x, int y)
{
    surface_.Polyline(Resolve(), ToDevice({state_.position, {x, y}}));
    state_.position = {x, y};
}

void DC::Polyline(const std::vector<POINT>& points)
{
    if (points.size() >= 2)
        surface_.Polyline(Resolve(), ToDevice(points));
}

void DC::Polygon(const std::vector<POINT>& points)
{
    if (points.size() >= 2)
        surface_.Polygon(Resolve(), ToDevice(points));
}

void DC::Rectangle(int left, int top, int right, int bottom)
{
    surface_.Rectangle(Resolve(), Normalized(LPtoDP(RECT {left, top, right, bottom})));
}

void DC::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    const int w = static_cast<int>(std::abs(ellipseWidth) * state_.mapping.ScaleX() + 0.5);
    const int h = static_cast<int>(std::abs(ellipseHeight) * state_.mapping.ScaleY() + 0.5);
    surface_.RoundRect(Resolve(), Normalized(LPtoDP(RECT {left, top, right, bottom})), w, h);
}

void DC::Ellipse(int left, int top, int right, int bottom)
{
    surface_.Ellipse(Resolve(), Normalized(LPtoDP(RECT {left, top, right, bottom})));
}

void DC::FillRect(const RECT& r, const Brush& brush)
{
    DrawState s = Resolve();
    s.brush = brush;
    surface_.PatBlt(s, Normalized(LPtoDP(r)), PATCOPY);
}

void DC::FillRgn(const Region& region, const Brush& brush)
{
    DrawState s = Resolve();
    s.brush = brush;
    surface_.FillRegion(s, region);
}

bool DC::PatBlt(int x, int y, int width, int height, uint32_t rop)
{
    if (!IsPatternRop(rop))
        return false;
    surface_.PatBlt(Resolve(), Normalized(LPtoDP(RECT {x, y, x + width, y + height})), rop);
    return true;
}

void DC::DrawFocusRect(const RECT& r)
{
    surface_.FocusRect(Resolve(), Normalized(LPtoDP(r)));
}

bool DC::InvertRect(const RECT& r)
{
    surface_.PatBlt(Resolve(), Normalized(LPtoDP(r)), DSTINVERT);
    return true;
}

bool DC::BitBlt(int x, int y, int width, int height, const Bitmap& source, int sx, int sy, uint32_t rop)
{
    const POINT a = state_.mapping.LPtoDP({x, y});
    const POINT b = state_.mapping.LPtoDP({x + width, y + height});
    return StretchBlt(x, y, width, height, source, sx, sy, std::abs(b.x - a.x), std::abs(b.y - a.y), rop);
}

bool DC::StretchBlt(
    int x, int y, int width, int height, const Bitmap& source, int sx, int sy, int sw, int sh, uint32_t rop)
{
    if (rop != SRCCOPY || source.IsNull() || sw <= 0 || sh <= 0)
        return false;
    const RECT dest = Normalized(LPtoDP(RECT {x, y, x + width, y + height}));
    surface_.StretchBlt(Resolve(), dest, source, RECT {sx, sy, sx + sw, sy + sh}, rop);
    return true;
}

} // namespace gdi
