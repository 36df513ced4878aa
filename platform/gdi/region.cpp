#include "platform/gdi/region.h"

#include <QPolygonF>
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace gdi {

namespace {

QRect ToQRect(int left, int top, int right, int bottom)
{
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

int ClampToInt(double v)
{
    return static_cast<int>(std::clamp(v, double(INT_MIN), double(INT_MAX)));
}

// The first pixel whose centre lies at or after the coordinate v.
int FirstPixelFrom(double v)
{
    return ClampToInt(std::ceil(v - 0.5));
}

bool Overlap(const RECT& a, const RECT& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// One edge of a flattened outline, top end first; dir says which way it ran.
struct Edge {
    double x0, y0, x1, y1;
    int dir;
    double XAt(double y) const { return x0 + (y - y0) * (x1 - x0) / (y1 - y0); }
};

// The outline as closed polygons. Curves are cut into chords short
// enough to stay within a fiftieth of a pixel of the curve (an arc of
// radius r needs about 4 √r chords a quarter), up to a bound for
// outlines of absurd size.
std::vector<QPolygonF> PolygonsOf(const QPainterPath& path)
{
    std::vector<QPolygonF> polygons;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo() || polygons.empty()) {
            polygons.emplace_back();
            polygons.back() << QPointF(e.x, e.y);
        } else if (e.isLineTo()) {
            polygons.back() << QPointF(e.x, e.y);
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const QPointF p0 = polygons.back().last();
            const QPointF p1(e.x, e.y);
            const QPointF p2(path.elementAt(i + 1).x, path.elementAt(i + 1).y);
            const QPointF p3(path.elementAt(i + 2).x, path.elementAt(i + 2).y);
            i += 2;
            auto length = [](QPointF d) { return std::hypot(d.x(), d.y()); };
            const double size = length(p1 - p0) + length(p2 - p1) + length(p3 - p2);
            const int chords = static_cast<int>(std::clamp(std::ceil(3 * std::sqrt(size)), 1.0, 1024.0));
            for (int k = 1; k <= chords; ++k) {
                const double t = double(k) / chords;
                const double u = 1 - t;
                polygons.back() << p0 * (u * u * u) + p1 * (3 * u * u * t) + p2 * (3 * u * t * t) + p3 * (t * t * t);
            }
        }
    }
    return polygons;
}

std::vector<Edge> EdgesOf(const QPainterPath& path)
{
    std::vector<Edge> edges;
    for (const QPolygonF& polygon : PolygonsOf(path)) {
        const qsizetype n = polygon.size();
        for (qsizetype i = 0; i < n; ++i) {
            const QPointF a = polygon[i];
            const QPointF b = polygon[(i + 1) % n];
            if (a.y() < b.y())
                edges.push_back({a.x(), a.y(), b.x(), b.y(), 1});
            else if (b.y() < a.y())
                edges.push_back({b.x(), b.y(), a.x(), a.y(), -1});
        }
    }
    return edges;
}

// The stretches of the line at height y that lie inside, into `spans`:
// each crossing edge covers y0 <= y < y1, so a vertex is counted once.
// `crossings` is room to work in, kept by the caller across rows.
using Spans = std::vector<std::pair<double, double>>;
void SpansAt(const std::vector<Edge>& edges, double y, Qt::FillRule rule,
    std::vector<std::pair<double, int>>& crossings, Spans& spans)
{
    crossings.clear();
    spans.clear();
    for (const Edge& e : edges)
        if (e.y0 <= y && y < e.y1)
            crossings.push_back({e.XAt(y), e.dir});
    std::sort(crossings.begin(), crossings.end());
    int winding = 0;
    for (size_t i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].second;
        const bool inside = rule == Qt::WindingFill ? winding != 0 : (i % 2) == 0;
        if (inside && crossings[i].first < crossings[i + 1].first) {
            if (!spans.empty() && spans.back().second >= crossings[i].first)
                spans.back().second = crossings[i + 1].first;
            else
                spans.push_back({crossings[i].first, crossings[i + 1].first});
        }
    }
}

} // namespace

Region Region::Rect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return Region();
    return Region(QRegion(ToQRect(left, top, right, bottom)));
}

Region Region::FromPath(QPainterPath path)
{
    Region r;
    r.outline_ = std::move(path);
    const RECT box = r.OutlineBox();
    if (box.right <= box.left || box.bottom <= box.top)
        return Region();
    return r;
}

Region Region::Polygon(const std::vector<POINT>& points, int fillMode)
{
    if (points.size() < 3)
        return Region();
    QPainterPath path;
    path.setFillRule(fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    path.moveTo(points[0].x, points[0].y);
    for (size_t i = 1; i < points.size(); ++i)
        path.lineTo(points[i].x, points[i].y);
    path.closeSubpath();
    return FromPath(std::move(path));
}

Region Region::Ellipse(int left, int top, int right, int bottom)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return Region();
    QPainterPath path;
    path.addEllipse(QRectF(left, top, double(right) - left, double(bottom) - top));
    return FromPath(std::move(path));
}

Region Region::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (right < left)
        std::swap(left, right);
    if (bottom < top)
        std::swap(top, bottom);
    if (right == left || bottom == top)
        return Region();
    const double width = double(right) - left;
    const double height = double(bottom) - top;
    const double rx = std::min(std::abs(double(ellipseWidth)), width) / 2.0;
    const double ry = std::min(std::abs(double(ellipseHeight)), height) / 2.0;
    // Corners this small take in every pixel centre of the corner: the
    // region is the rectangle.
    if (rx <= 1.5 && ry <= 1.5)
        return Rect(left, top, right, bottom);
    QPainterPath path;
    path.addRoundedRect(QRectF(left, top, width, height), rx, ry, Qt::AbsoluteSize);
    return FromPath(std::move(path));
}

RECT Region::OutlineBox() const
{
    const QRectF b = outline_->boundingRect();
    return {FirstPixelFrom(b.left()), FirstPixelFrom(b.top()), FirstPixelFrom(b.right()), FirstPixelFrom(b.bottom())};
}

int Region::Combine(const Region& a, const Region& b, int mode)
{
    if (mode != RGN_AND && mode != RGN_OR && mode != RGN_XOR && mode != RGN_DIFF && mode != RGN_COPY)
        return ERROR;
    if (mode == RGN_COPY) {
        *this = a;
        return Type();
    }
    if (!a.IsOutline() && !b.IsOutline()) {
        switch (mode) {
        case RGN_AND:
            *this = Region(a.rects_.intersected(b.rects_));
            break;
        case RGN_OR:
            *this = Region(a.rects_.united(b.rects_));
            break;
        case RGN_XOR:
            *this = Region(a.rects_.xored(b.rects_));
            break;
        default:
            *this = Region(a.rects_.subtracted(b.rects_));
            break;
        }
        return Type();
    }
    RECT boxA;
    RECT boxB;
    a.GetBox(boxA);
    b.GetBox(boxB);
    const bool apart = a.IsEmpty() || b.IsEmpty() || !Overlap(boxA, boxB);
    // One rectangle holding the other region whole leaves that region as it is.
    auto holds = [](const Region& r, const RECT& box) {
        if (r.IsOutline() || r.rects_.rectCount() != 1)
            return false;
        const QRect q = r.rects_.boundingRect();
        return q.left() <= box.left && q.top() <= box.top && q.right() + 1 >= box.right && q.bottom() + 1 >= box.bottom;
    };
    Region result;
    switch (mode) {
    case RGN_AND:
        if (apart)
            result = Region();
        else if (holds(a, boxB))
            result = b;
        else if (holds(b, boxA))
            result = a;
        else
            result = FromPath(a.Path().intersected(b.Path()));
        break;
    case RGN_DIFF:
        if (a.IsEmpty())
            result = Region();
        else if (apart)
            result = a;
        else
            result = FromPath(a.Path().subtracted(b.Path()));
        break;
    case RGN_OR:
    case RGN_XOR:
        if (a.IsEmpty())
            result = b;
        else if (b.IsEmpty())
            result = a;
        else if (mode == RGN_OR || apart)
            result = FromPath(a.Path().united(b.Path()));
        else
            result = FromPath(a.Path().subtracted(b.Path()).united(b.Path().subtracted(a.Path())));
        break;
    }
    *this = std::move(result);
    return Type();
}

int Region::Type() const
{
    if (IsEmpty())
        return NULLREGION;
    if (IsOutline())
        return COMPLEXREGION;
    return rects_.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool Region::IsEmpty() const
{
    // An outline is made only when its bounds hold a pixel.
    return !IsOutline() && rects_.isEmpty();
}

bool Region::Contains(int x, int y) const
{
    if (!IsOutline())
        return rects_.contains(QPoint(x, y));
    const double cx = x + 0.5;
    std::vector<std::pair<double, int>> crossings;
    Spans spans;
    SpansAt(EdgesOf(*outline_), y + 0.5, outline_->fillRule(), crossings, spans);
    for (const auto& [from, to] : spans)
        if (from <= cx && cx < to)
            return true;
    return false;
}

bool Region::Intersects(const RECT& r) const
{
    if (r.IsEmpty())
        return false;
    if (!IsOutline())
        return rects_.intersects(ToQRect(r.left, r.top, r.right, r.bottom));
    RECT box;
    GetBox(box);
    if (!Overlap(box, r))
        return false;
    return outline_->intersects(QRectF(r.left, r.top, double(r.right) - r.left, double(r.bottom) - r.top));
}

int Region::GetBox(RECT& box) const
{
    if (IsOutline()) {
        box = OutlineBox();
        return COMPLEXREGION;
    }
    const QRect b = rects_.boundingRect();
    box = rects_.isEmpty() ? RECT {} : RECT {b.left(), b.top(), b.right() + 1, b.bottom() + 1};
    return Type();
}

void Region::Offset(int dx, int dy)
{
    if (IsOutline())
        outline_->translate(dx, dy);
    else
        rects_.translate(dx, dy);
}

QPainterPath Region::Path() const
{
    if (IsOutline())
        return *outline_;
    // Corner to corner: a width of QRect overflows for a rectangle of more
    // than 2^31 pixels.
    QPainterPath path;
    for (const QRect& r : rects_)
        path.addRect(QRectF(QPointF(r.left(), r.top()), QPointF(double(r.right()) + 1, double(r.bottom()) + 1)));
    return path;
}

std::vector<RECT> Region::Rects(const RECT& within) const
{
    std::vector<RECT> rects;
    if (!IsOutline()) {
        for (const QRect& r : rects_)
            rects.push_back({r.left(), r.top(), r.right() + 1, r.bottom() + 1});
        return rects;
    }
    RECT box;
    GetBox(box);
    box = {std::max(box.left, within.left), std::max(box.top, within.top), std::min(box.right, within.right),
        std::min(box.bottom, within.bottom)};
    if (box.right <= box.left || box.bottom <= box.top)
        return rects;
    std::vector<Edge> edges = EdgesOf(*outline_);
    std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
    std::vector<Edge> active;
    size_t next = 0;
    // Rectangles of the row above, still growing downwards, and their spans.
    std::vector<size_t> open;
    std::vector<std::pair<int, int>> previous;
    std::vector<std::pair<int, int>> row;
    std::vector<std::pair<double, int>> crossings;
    Spans spans;
    for (int y = box.top; y < box.bottom; ++y) {
        const double centre = y + 0.5;
        std::erase_if(active, [centre](const Edge& e) { return e.y1 <= centre; });
        for (; next < edges.size() && edges[next].y0 <= centre; ++next)
            if (centre < edges[next].y1)
                active.push_back(edges[next]);
        row.clear();
        SpansAt(active, centre, outline_->fillRule(), crossings, spans);
        for (const auto& [from, to] : spans) {
            const int first = std::max(FirstPixelFrom(from), box.left);
            const int end = std::min(FirstPixelFrom(to), box.right);
            if (first >= end)
                continue;
            if (!row.empty() && row.back().second >= first)
                row.back().second = std::max(row.back().second, end);
            else
                row.push_back({first, end});
        }
        if (row == previous) {
            for (size_t i : open)
                rects[i].bottom = y + 1;
            continue;
        }
        open.clear();
        for (const auto& [first, end] : row) {
            open.push_back(rects.size());
            rects.push_back({first, y, end, y + 1});
        }
        std::swap(previous, row);
    }
    return rects;
}

} // namespace gdi
