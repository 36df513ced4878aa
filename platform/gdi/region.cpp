#include "platform/gdi/region.h"

#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

QRect ToQRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

// How far the curve of a corner ellipse (half-axes rx, ry) lies inside the
// straight edge on the row whose centre is `dy` away from the corner's centre row.
double CornerInset(double rx, double ry, double dy)
{
    if (ry <= 0)
        return 0;
    const double t = std::clamp(dy / ry, 0.0, 1.0);
    return rx - rx * std::sqrt(1.0 - t * t);
}

} // namespace

Region Region::Rect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return Region();
    return Region(QRegion(ToQRect(left, top, right, bottom)));
}

Region Region::Polygon(const std::vector<POINT>& points, int fillMode)
{
    QPolygon polygon;
    for (const POINT& p : points)
        polygon << QPoint(p.x, p.y);
    return Region(QRegion(polygon, fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

Region Region::Ellipse(int left, int top, int right, int bottom)
{
    return RoundRect(left, top, right, bottom, right - left, bottom - top);
}

Region Region::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return Region();
    const double rx = std::min<double>(std::abs(double(ellipseWidth)), double(right) - left) / 2.0;
    const double ry = std::min<double>(std::abs(double(ellipseHeight)), double(bottom) - top) / 2.0;
    const double upper = top + ry;     // centre row of the top corners
    const double lower = bottom - ry;  // centre row of the bottom corners
    QRegion result;
    auto addRows = [&](int64_t from, int64_t to, int inset) {
        if (from < to && int64_t(left) + inset < int64_t(right) - inset)
            result += ToQRect(left + inset, int(from), right - inset, int(to));
    };
    auto cornerRow = [&](int64_t y) {
        const double centre = double(y) + 0.5;
        const double dy = centre < upper ? upper - centre : centre - lower;
        addRows(y, y + 1, static_cast<int>(std::lround(CornerInset(rx, ry, dy))));
    };
    // Rows of the top corners, one straight band between, rows of the bottom
    // corners: a tall region costs no more than its corners.
    int64_t y = top;
    for (; y < bottom && double(y) + 0.5 < upper; ++y)
        cornerRow(y);
    const int64_t bandEnd = std::clamp<int64_t>(int64_t(std::floor(lower - 0.5)) + 1, y, bottom);
    addRows(y, bandEnd, static_cast<int>(std::lround(CornerInset(rx, ry, 0))));
    for (y = bandEnd; y < bottom; ++y)
        cornerRow(y);
    return Region(result);
}

int Region::Combine(const Region& a, const Region& b, int mode)
{
    switch (mode) {
    case RGN_AND: region_ = a.region_.intersected(b.region_); break;
    case RGN_OR: region_ = a.region_.united(b.region_); break;
    case RGN_XOR: region_ = a.region_.xored(b.region_); break;
    case RGN_DIFF: region_ = a.region_.subtracted(b.region_); break;
    case RGN_COPY: region_ = a.region_; break;
    default: return ERROR;
    }
    return Type();
}

int Region::Type() const
{
    if (region_.isEmpty())
        return NULLREGION;
    return region_.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::Intersects(const RECT& r) const
{
    return !r.IsEmpty() && region_.intersects(ToQRect(r.left, r.top, r.right, r.bottom));
}

int Region::GetBox(RECT& box) const
{
    const QRect b = region_.boundingRect();
    box = region_.isEmpty() ? RECT{} : RECT{b.left(), b.top(), b.right() + 1, b.bottom() + 1};
    return Type();
}

std::vector<RECT> Region::Rects() const
{
    std::vector<RECT> rects;
    for (const QRect& r : region_)
        rects.push_back({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
    return rects;
}

} // namespace gdi
