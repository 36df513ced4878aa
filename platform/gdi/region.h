// A region in device coordinates: rectangles, winding-fill polygons, ellipses
// and rounded rectangles, combined with GDI's operations and result codes.
#pragma once

#include "platform/gdi/types.h"

#include <QRegion>
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
    bool IsEmpty() const { return region_.isEmpty(); }
    bool Contains(int x, int y) const { return region_.contains(QPoint(x, y)); }
    bool Intersects(const RECT& r) const;
    // The bounding rectangle; answers the type.
    int GetBox(RECT& box) const;
    void Offset(int dx, int dy) { region_.translate(dx, dy); }
    std::vector<RECT> Rects() const;

    const QRegion& ToQRegion() const { return region_; }
    friend bool operator==(const Region& a, const Region& b) { return a.region_ == b.region_; }

private:
    explicit Region(QRegion r) : region_(std::move(r)) {}
    QRegion region_;
};

} // namespace gdi
