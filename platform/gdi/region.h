// A region in device coordinates: rectangles, winding-fill polygons, ellipses
// and rounded rectangles, combined with GDI's operations and result codes.
//
// Rectangles and their combinations are kept exactly as sets of whole
// rectangles. A region with curved or slanted edges is kept as an outline:
// it holds the pixels whose centres lie inside the outline, and nothing of
// it (building, combining, testing, clipping with it) costs more for a
// taller shape.
#pragma once

#include "platform/gdi/types.h"

#include <QPainterPath>
#include <QRegion>
#include <optional>
#include <vector>

namespace gdi {

class Region {
public:
    Region() = default;
    // Each shape covers [left, right) × [top, bottom), as GDI's regions do.
    static Region Rect(int left, int top, int right, int bottom);
    static Region Rect(const RECT& r) { return Rect(r.left, r.top, r.right, r.bottom); }
    static Region Polygon(const std::vector<POINT>& points, int fillMode = WINDING);
    static Region Ellipse(int left, int top, int right, int bottom);
    // Corners are quarters of an ellipse of ellipseWidth × ellipseHeight.
    static Region RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);

    // this = a (mode) b; RGN_COPY takes a. Answers the type of the result, or
    // ERROR for an unknown mode (the region is then unchanged).
    int Combine(const Region& a, const Region& b, int mode);

    // NULLREGION, SIMPLEREGION (one rectangle) or COMPLEXREGION.
    int Type() const;
    bool IsEmpty() const;
    bool Contains(int x, int y) const;
    bool Intersects(const RECT& r) const;
    // The bounding rectangle; answers the type.
    int GetBox(RECT& box) const;
    void Offset(int dx, int dy);
    // The region as rectangles, rows of equal spans merged; an outline is
    // cut to `within` first, so that its cost is bounded by that area.
    std::vector<RECT> Rects(const RECT& within) const;

    // An outline region draws and clips with Path(); any other with
    // RectRegion(). Path() of a rectangle region is its rectangles.
    bool IsOutline() const { return outline_.has_value(); }
    const QRegion& RectRegion() const { return rects_; }
    QPainterPath Path() const;

    friend bool operator==(const Region& a, const Region& b)
    {
        return a.rects_ == b.rects_ && a.outline_ == b.outline_;
    }

private:
    explicit Region(QRegion r)
        : rects_(std::move(r))
    {}
    // An outline; an empty one becomes the empty region.
    static Region FromPath(QPainterPath path);
    // The pixel rectangle of the outline's bounds.
    RECT OutlineBox() const;

    QRegion rects_;
    std::optional<QPainterPath> outline_;
};

} // namespace gdi
