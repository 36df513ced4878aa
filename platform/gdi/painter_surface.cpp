#include "platform/gdi/painter_surface.h"

#include "platform/gdi/colour.h"
#include "platform/gdi/font_face.h"

#include <QPaintEngine>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace gdi {

namespace {

QRect ToQRect(const RECT& r)
{
    return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
}

QPainter::CompositionMode ModeOf(int rop2)
{
    switch (rop2) {
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    case R2_MASKNOTPEN:
        return QPainter::RasterOp_NotSourceAndDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

QPolygon ToQPolygon(const std::vector<POINT>& points)
{
    QPolygon polygon;
    for (const POINT& p : points)
        polygon << QPoint(p.x, p.y);
    return polygon;
}

QRect Bounds(const std::vector<POINT>& points, int margin)
{
    return ToQPolygon(points).boundingRect().adjusted(-margin, -margin, margin, margin);
}

// Sets every pixel of the rectangle, which lies inside the image.
void FillPixels(QImage& image, const QRect& r, QRgb pixel)
{
    if (r.isEmpty())
        return;
    uchar* bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::fill_n(reinterpret_cast<QRgb*>(bits + y * stride) + r.left(), r.width(), pixel);
}

} // namespace

QColor PainterSurface::Colour(COLORREF c) const
{
    if (!IsMonochrome())
        return ToQColor(c);
    const int luminance = GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11;
    return luminance >= 128 * 100 ? QColor(255, 255, 255) : QColor(0, 0, 0);
}

QPainter& PainterSurface::Begin(const DrawState& s, int rop2, const QPen* pen)
{
    return Begin(s, s.clip ? &*s.clip : nullptr, rop2, pen);
}

QPainter& PainterSurface::Begin(
    const DrawState& s, const Region* clip, int rop2, const QPen* pen, const QTransform* transform)
{
    // Each setting is made only where the painter holds another: a change
    // costs the raster engine a state update, and a clip a new clip mask.
    // A clip is given in device pixels, with no transform set.
    QPainter& painter = Painter();
    const bool clipChanges = clip && (!painter.hasClipping() || !appliedClip_ || !(*appliedClip_ == *clip));
    if ((clipChanges || !transform) && painter.transform().type() != QTransform::TxNone)
        painter.resetTransform();
    QPainter::RenderHints hints = QPainter::TextAntialiasing;
    // Pattern tiles are exact two-colour images: never written lossily.
    if (s.brush.style == BS_PATTERN || s.brush.style == BS_HATCHED)
        hints |= QPainter::LosslessImageRendering;
    constexpr QPainter::RenderHints kManaged = QPainter::Antialiasing | QPainter::SmoothPixmapTransform
        | QPainter::TextAntialiasing | QPainter::LosslessImageRendering;
    if ((painter.renderHints() & kManaged) != hints) {
        painter.setRenderHints(kManaged & ~hints, false);
        painter.setRenderHints(hints, true);
    }
    ApplyClip(painter, clip);
    if (transform && painter.transform() != *transform)
        painter.setTransform(*transform);
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    const QPainter::CompositionMode mode = raster ? ModeOf(rop2) : QPainter::CompositionMode_SourceOver;
    if (painter.compositionMode() != mode)
        painter.setCompositionMode(mode);
    const Qt::BGMode bgMode = s.bkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode;
    if (painter.backgroundMode() != bgMode)
        painter.setBackgroundMode(bgMode);
    const QColor background = Colour(s.bkColour);
    if (painter.background().style() != Qt::SolidPattern || painter.background().color() != background)
        painter.setBackground(QBrush(background));
    const QPoint brushOrigin(s.brushOrg.x, s.brushOrg.y);
    if (painter.brushOrigin() != brushOrigin)
        painter.setBrushOrigin(brushOrigin);
    if (pen) {
        if (painter.pen() != *pen)
            painter.setPen(*pen);
    } else if (painter.pen().style() != Qt::NoPen) {
        painter.setPen(Qt::NoPen);
    }
    if (painter.brush().style() != Qt::NoBrush)
        painter.setBrush(Qt::NoBrush);
    return painter;
}

void PainterSurface::ApplyClip(QPainter& painter, const Region* clip)
{
    // A painter begun again has lost its clip: what was set is set anew.
    if (!clip) {
        if (painter.hasClipping())
            painter.setClipping(false);
        appliedClip_.reset();
    } else if (!painter.hasClipping() || !appliedClip_ || !(*appliedClip_ == *clip)) {
        if (clip->IsOutline())
            painter.setClipPath(clip->Path());
        else
            painter.setClipRegion(clip->RectRegion());
        appliedClip_ = *clip;
    }
}

void PainterSurface::FillSolid(const DrawState& s, const QRect& rect, const QColor& colour)
{
    // A small area of an opaque colour on an image of 32-bit pixels,
    // clipped by rectangles or not at all, is written into the pixels: what
    // the painter's fill makes, without setting its transform, clip and
    // composition. A large one is left to the painter, which fills it on
    // several threads.
    constexpr qint64 kSmall = 16384;
    QImage* pixels = qint64(rect.width()) * rect.height() <= kSmall ? Pixels() : nullptr;
    if (pixels && colour.alpha() == 255
        && (pixels->format() == QImage::Format_RGB32 || pixels->format() == QImage::Format_ARGB32_Premultiplied)
        && (!s.clip || !s.clip->IsOutline())) {
        const QRect target = rect & pixels->rect();
        if (!s.clip) {
            FillPixels(*pixels, target, colour.rgb());
        } else {
            for (const QRect& part : s.clip->RectRegion())
                FillPixels(*pixels, part & target, colour.rgb());
        }
        return;
    }
    // A colour fill reads nothing of the painter's pen, brush, background or
    // hints: only its transform, clip and composition are made right.
    QPainter& painter = Painter();
    if (painter.transform().type() != QTransform::TxNone)
        painter.resetTransform();
    if (painter.compositionMode() != QPainter::CompositionMode_SourceOver)
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    const bool clipSet = painter.hasClipping() && appliedClip_ && s.clip && *appliedClip_ == *s.clip;
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    if (clipSet || !s.clip || s.clip->IsOutline() || !raster) {
        ApplyClip(painter, s.clip ? &*s.clip : nullptr);
        painter.fillRect(rect, colour);
        return;
    }
    // On an image, under a clip of rectangles other than the painter's, the
    // rectangle's parts inside them are filled unclipped: the same pixels,
    // without a new clip for the painter to build.
    if (painter.hasClipping())
        painter.setClipping(false);
    appliedClip_.reset();
    for (const QRect& part : s.clip->RectRegion())
        if (const QRect inside = part & rect; !inside.isEmpty())
            painter.fillRect(inside, colour);
}

QBrush PainterSurface::PatternBrush(const Bitmap& bits, QRgb one, QRgb zero)
{
    // Enough for every pattern and colour pair that one page uses.
    constexpr size_t kKept = 32;
    for (const PatternTile& t : tiles_)
        if (t.one == one && t.zero == zero && t.bits == bits)
            return t.brush;
    const bool opaque = qAlpha(one) == 255 && qAlpha(zero) == 255;
    QImage image(bits.Width(), bits.Height(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32);
    bool allOne = true;
    bool allZero = true;
    for (int y = 0; y < bits.Height(); ++y)
        for (int x = 0; x < bits.Width(); ++x) {
            const bool bit = bits.Bit(x, y);
            (bit ? allZero : allOne) = false;
            image.setPixel(x, y, bit ? one : zero);
        }
    // A pattern of one colour throughout fills as that colour: the same
    // pixels as its tiles, drawn without them.
    QBrush brush(image);
    if ((allOne || allZero || one == zero) && opaque)
        brush = QBrush(QColor::fromRgb(allZero ? zero : one));
    if (tiles_.size() == kKept)
        tiles_.erase(tiles_.begin());
    tiles_.push_back({bits, one, zero, brush});
    return brush;
}

QBrush PainterSurface::MakeBrush(const DrawState& s, bool inverted)
{
    const Brush& b = s.brush;
    auto invert = [inverted](COLORREF c) { return inverted ? (~c & 0xFFFFFF) : c; };
    switch (b.style) {
    case BS_NULL:
        return Qt::NoBrush;
    case BS_SOLID:
        return QBrush(Colour(invert(b.colour)));
    case BS_HATCHED:
        // A hatch draws its lines in the brush colour and its gaps in the
        // background colour when the background is opaque.
        return PatternBrush(HatchBits(b.hatch), Colour(invert(b.colour)).rgba(),
            s.bkMode == OPAQUE ? Colour(invert(s.bkColour)).rgba() : qRgba(0, 0, 0, 0));
    case BS_PATTERN:
        // A pattern's 0 bits take the text colour and its 1 bits the
        // background colour.
        return PatternBrush(b.pattern, Colour(invert(s.bkColour)).rgba(), Colour(invert(s.textColour)).rgba());
    default:
        return Qt::NoBrush;
    }
}

QPen PainterSurface::MakePen(const DrawState& s) const
{
    if (s.pen.style == PS_NULL)
        return Qt::NoPen;
    QPen pen(Colour(s.pen.colour));
    pen.setWidth(s.pen.style == PS_DOT ? 0 : s.pen.width);
    // One-pixel lines leave out their last point; wider ones end and join round.
    const bool wide = s.pen.style != PS_DOT && s.pen.width > 1;
    pen.setCapStyle(wide ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(wide ? Qt::RoundJoin : Qt::MiterJoin);
    if (s.pen.style == PS_DOT)
        pen.setDashPattern({3, 3});
    return pen;
}

void PainterSurface::FillRects(QPainter& painter, const QBrush& brush, const QRect* rects, int count)
{
    // A solid colour takes the raster engine's colour fill, the same pixels
    // without a brush set up for each rectangle.
    const bool solid = brush.style() == Qt::SolidPattern;
    // The raster engine hands a pattern fill of more than about a hundred
    // rows to its thread pool, which costs a tall thin bar (a dotted guide)
    // far more than its few pixels: such a bar is filled in bands that it
    // fills at once. The pattern is placed by the brush origin, not by the
    // rectangle, so the bands make the same pixels.
    constexpr int kThin = 32;
    constexpr int kBand = 64;
    const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
    for (int i = 0; i < count; ++i) {
        const QRect& r = rects[i];
        if (!r.isValid())
            continue;
        if (solid) {
            painter.fillRect(r, brush.color());
        } else if (raster && r.width() <= kThin && r.height() > kBand) {
            for (int top = r.top(); top <= r.bottom(); top += kBand)
                painter.fillRect(QRect(r.left(), top, r.width(), std::min(kBand, r.bottom() + 1 - top)), brush);
        } else {
            painter.fillRect(r, brush);
        }
    }
}

void PainterSurface::Rectangle(const DrawState& s, const RECT& r)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    QPainter& painter = Begin(s, s.rop2);
    const QBrush brush = MakeBrush(s);
    if (s.pen.style == PS_NULL) {
        const QRect inside = ToQRect({r.left, r.top, r.right - 1, r.bottom - 1});
        FillRects(painter, brush, &inside, 1);
    } else if (s.pen.style == PS_DOT) {
        const QRect inside = ToQRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1});
        FillRects(painter, brush, &inside, 1);
        painter.setPen(MakePen(s));
        painter.drawRect(QRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1));
    } else {
        // The stroke is a ring of the pen's width: centred on the one-pixel
        // outline, or inside the bounds for an inside-frame pen. The brush
        // fills what the ring encloses; nothing is drawn twice.
        const int w = std::max(1, s.pen.width);
        RECT outer = r;
        if (s.pen.style != PS_INSIDEFRAME)
            outer = {r.left - (w - 1) / 2, r.top - (w - 1) / 2, r.right + w / 2, r.bottom + w / 2};
        const RECT inner {outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
        const QBrush penBrush(Colour(s.pen.colour));
        if (inner.right <= inner.left || inner.bottom <= inner.top) {
            const QRect all = ToQRect(outer);
            FillRects(painter, penBrush, &all, 1);
        } else {
            const QRect insideRect = ToQRect(inner);
            FillRects(painter, brush, &insideRect, 1);
            const QRect ring[4] = {
                ToQRect({outer.left, outer.top, outer.right, inner.top}),
                ToQRect({outer.left, inner.bottom, outer.right, outer.bottom}),
                ToQRect({outer.left, inner.top, inner.left, inner.bottom}),
                ToQRect({inner.right, inner.top, outer.right, inner.bottom}),
            };
            FillRects(painter, penBrush, ring, 4);
        }
    }
    Touched(ToQRect(r).adjusted(-s.pen.width, -s.pen.width, s.pen.width, s.pen.width));
}

void PainterSurface::Shape(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    QPainter& painter = Begin(s, s.rop2);
    painter.setBrush(MakeBrush(s));
    QRectF bounds(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
    double rx = ellipseWidth / 2.0;
    double ry = ellipseHeight / 2.0;
    if (s.pen.style == PS_INSIDEFRAME && s.pen.width > 1) {
        // The stroke is drawn along a path half its width inside the bounds,
        // whose corners are as much less round: its outer edge is then the
        // rounded rectangle of the bounds, which a fill of that shape meets.
        const double half = s.pen.width / 2.0;
        bounds = QRectF(r.left + half, r.top + half, r.right - r.left - s.pen.width, r.bottom - r.top - s.pen.width);
        rx = std::max(0.0, rx - half);
        ry = std::max(0.0, ry - half);
    }
    painter.setPen(MakePen(s));
    if (ellipseWidth < 0)
        painter.drawEllipse(bounds);
    else
        painter.drawRoundedRect(bounds, rx, ry, Qt::AbsoluteSize);
    Touched(ToQRect(r).adjusted(-s.pen.width - 1, -s.pen.width - 1, s.pen.width + 1, s.pen.width + 1));
}

void PainterSurface::RoundRect(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight)
{
    Shape(s, r, std::max(0, ellipseWidth), std::max(0, ellipseHeight));
}

void PainterSurface::Ellipse(const DrawState& s, const RECT& r)
{
    Shape(s, r, -1, -1);
}

void PainterSurface::Polygon(const DrawState& s, const std::vector<POINT>& points)
{
    QPainter& painter = Begin(s, s.rop2);
    painter.setBrush(MakeBrush(s));
    painter.setPen(MakePen(s));
    painter.drawPolygon(ToQPolygon(points), s.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    Touched(Bounds(points, s.pen.width + 1));
}

void PainterSurface::Polyline(const DrawState& s, const std::vector<POINT>& points)
{
    if (s.pen.style == PS_NULL)
        return;
    QPainter& painter = Begin(s, s.rop2);
    painter.setPen(MakePen(s));
    painter.drawPolyline(ToQPolygon(points));
    Touched(Bounds(points, s.pen.width + 1));
}

void PainterSurface::PatBlt(const DrawState& s, const RECT& r, uint32_t rop)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    const QRect rect = ToQRect(r);
    switch (rop) {
    case PATINVERT: {
        QPainter& painter = Begin(s, R2_XORPEN);
        FillRects(painter, MakeBrush(s), &rect, 1);
        break;
    }
    case DSTINVERT: {
        QPainter& painter = Begin(s, R2_NOT);
        painter.fillRect(rect, Qt::black);
        break;
    }
    case PATNOT: {
        QPainter& painter = Begin(s, R2_COPYPEN);
        FillRects(painter, MakeBrush(s, true), &rect, 1);
        break;
    }
    default: {
        if (s.brush.style == BS_SOLID) {
            FillSolid(s, rect, Colour(s.brush.colour));
            break;
        }
        const QBrush brush = MakeBrush(s);
        if (brush.style() == Qt::SolidPattern) {
            FillSolid(s, rect, brush.color());
            break;
        }
        QPainter& painter = Begin(s, R2_COPYPEN);
        FillRects(painter, brush, &rect, 1);
        break;
    }
    }
    Touched(rect);
}

void PainterSurface::FillRegion(const DrawState& s, const Region& region)
{
    if (region.IsEmpty())
        return;
    QPainter& painter = Begin(s, R2_COPYPEN);
    const QBrush brush = MakeBrush(s);
    if (region.IsOutline()) {
        painter.fillPath(region.Path(), brush);
    } else {
        for (const QRect& rect : region.RectRegion())
            painter.fillRect(rect, brush);
    }
    RECT box;
    region.GetBox(box);
    Touched(ToQRect(box));
}

void PainterSurface::FocusRect(const DrawState& s, const RECT& r)
{
    if (r.right <= r.left || r.bottom <= r.top)
        return;
    QPainter& painter = Begin(s, R2_XORPEN);
    painter.setPen(QPen(Qt::white, 0));
    QPolygon dots;
    auto dot = [&dots](int x, int y) {
        if ((x + y) % 2 == 0)
            dots << QPoint(x, y);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        if (r.bottom - 1 > r.top)
            dot(x, r.bottom - 1);
    }
    for (int y = r.top + 1; y < r.bottom - 1; ++y) {
        dot(r.left, y);
        if (r.right - 1 > r.left)
            dot(r.right - 1, y);
    }
    painter.drawPoints(dots);
    Touched(ToQRect(r));
}

void PainterSurface::StretchBlt(const DrawState& s, const RECT& dest, const Bitmap& source, const RECT& src, uint32_t)
{
    if (dest.right <= dest.left || dest.bottom <= dest.top)
        return;
    QPainter& painter = Begin(s, R2_COPYPEN);
    painter.setRenderHint(QPainter::LosslessImageRendering, false);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const QImage image = IsMonochrome() ? source.ToImage(0, 0xFFFFFF) : source.ToImage(s.textColour, s.bkColour);
    painter.drawImage(ToQRect(dest), image, ToQRect(src));
    Touched(ToQRect(dest));
}

void PainterSurface::TextOut(const DrawState& s, const TextRun& run)
{
    const FontFace& face = *run.face;
    if (!face.Raw().isValid() || run.text.empty())
        return;
    const PreparedRun& prepared = Prepared(run);
    QTransform transform = prepared.shape;
    transform *= QTransform::fromTranslate(run.origin.x, run.origin.y);
    // A rectangle clip that holds every pixel the run may touch leaves
    // nothing to cut: on an image the run is drawn without it, the same
    // pixels, and the painter builds no clip for each line of text. Paper
    // and PDF keep their clip.
    const Region* clip = s.clip ? &*s.clip : nullptr;
    if (s.clip && !s.clip->IsOutline() && s.clip->RectRegion().rectCount() == 1 && run.logfont.lfEscapement == 0
        && !run.logfont.lfUnderline && !run.logfont.lfStrikeOut) {
        QPainter& painter = Painter();
        const bool raster = painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
        QRect touched = prepared.ink.translated(run.origin.x, run.origin.y);
        if (s.bkMode == OPAQUE)
            touched |= transform.mapRect(prepared.cell).toAlignedRect();
        if (raster && s.clip->RectRegion().boundingRect().contains(touched))
            clip = nullptr;
    }
    if (const QColor colour = Colour(s.textColour); textPen_.color() != colour)
        textPen_ = QPen(colour);
    QPainter& painter = Begin(s, clip, R2_COPYPEN, &textPen_, &transform);
    const double twipsPerRaw = face.Em() / face.RawPixelSize();
    const double x = prepared.cell.width();
    if (s.bkMode == OPAQUE)
        painter.fillRect(prepared.cell, Colour(s.bkColour));
    // The cell is filled above; Qt's own opaque mode would paint the glyph
    // run's background over the glyphs.
    if (painter.backgroundMode() != Qt::TransparentMode)
        painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawGlyphRun(QPointF(0, 0), prepared.glyphs);
    // Qt places a glyph run's decorations by its own font metrics, not by
    // the raw font's units this transform works in: they came out as a short
    // bar across the letters. The lines are drawn here, over the whole run,
    // at least one device pixel thick.
    if (run.logfont.lfUnderline || run.logfont.lfStrikeOut) {
        const double baseline = face.Ascent() / twipsPerRaw;
        const double onePixel = 1.0 / std::max(1e-9, run.devicePerTwipY * twipsPerRaw);
        const double thickness = std::max(face.Raw().lineThickness(), onePixel);
        const QColor colour = Colour(s.textColour);
        if (run.logfont.lfUnderline) {
            const double y = baseline + std::max(face.Raw().underlinePosition(), thickness);
            painter.fillRect(QRectF(0, y - thickness / 2, x, thickness), colour);
        }
        if (run.logfont.lfStrikeOut)
            painter.fillRect(QRectF(0, baseline - baseline / 3 - thickness / 2, x, thickness), colour);
    }
    Touched(transform.mapRect(prepared.cell).toAlignedRect().adjusted(-1, -1, 1, 1));
}

const PainterSurface::PreparedRun& PainterSurface::Prepared(const TextRun& run)
{
    // Enough for the lines of several pages; kept until the surface goes.
    constexpr size_t kKept = 8192;
    const RunView view {
        run.face.get(), run.text, run.positions, run.devicePerTwipX, run.devicePerTwipY, run.logfont.lfEscapement};
    if (auto found = prepared_.find(view); found != prepared_.end())
        return found->second;
    if (prepared_.size() >= kKept)
        prepared_.clear();
    RunKey key {run.face.get(), run.text, run.positions, run.devicePerTwipX, run.devicePerTwipY,
        run.logfont.lfEscapement, run.face};
    return prepared_.emplace(std::move(key), Prepare(run)).first->second;
}

PainterSurface::PreparedRun PainterSurface::Prepare(const TextRun& run)
{
    // Work in the raw font's pixels: one of them is Em() / RawPixelSize() twips.
    const FontFace& face = *run.face;
    const double twipsPerRaw = face.Em() / face.RawPixelSize();
    PreparedRun prepared;
    prepared.shape.rotate(-run.logfont.lfEscapement / 10.0);
    prepared.shape.scale(run.devicePerTwipX * twipsPerRaw * face.XScale(), run.devicePerTwipY * twipsPerRaw);
    QList<QPointF> positions;
    QList<quint32> glyphs;
    positions.reserve(static_cast<qsizetype>(run.text.size()));
    glyphs.reserve(static_cast<qsizetype>(run.text.size()));
    double x = 0;
    const double rawPerDevice = 1.0 / (run.devicePerTwipX * twipsPerRaw * face.XScale());
    QRectF ink;
    for (size_t i = 0; i < run.text.size(); ++i) {
        const auto code = static_cast<uint8_t>(run.text[i]);
        if (i < run.positions.size())
            x = run.positions[i] * rawPerDevice;
        const QPointF at(x, face.Ascent() / twipsPerRaw);
        positions << at;
        glyphs << face.GlyphIndex(code);
        if (const QRectF& bounds = face.GlyphBounds(code); !bounds.isEmpty())
            ink |= bounds.translated(at);
        x += face.Advance(code) / (twipsPerRaw * face.XScale());
    }
    prepared.cell = QRectF(0, 0, x, (face.Ascent() + face.Descent()) / twipsPerRaw);
    prepared.glyphs.setRawFont(face.Raw());
    prepared.glyphs.setGlyphIndexes(glyphs);
    prepared.glyphs.setPositions(positions);
    if (!ink.isEmpty()) {
        // The alpha map covers the whole pixels the outline crosses. Glyphs
        // are fitted to the pixel grid only up and down, which moves an edge
        // by less than a pixel: one more row above and below. The origin is
        // a whole pixel, so the box moves with it unchanged.
        const QRectF device = prepared.shape.mapRect(ink);
        prepared.ink
            = QRect(QPoint(static_cast<int>(std::floor(device.left())), static_cast<int>(std::floor(device.top())) - 1),
                QPoint(static_cast<int>(std::ceil(device.right())) - 1, static_cast<int>(std::ceil(device.bottom()))));
    }
    return prepared;
}

QRect PainterSurface::GlyphInkBox(const TextRun& run)
{
    if (!run.face || !run.face->Raw().isValid())
        return {};
    return Prepare(run).ink.translated(run.origin.x, run.origin.y);
}

size_t PainterSurface::RunKeyHash::operator()(const RunView& k) const
{
    size_t h = std::hash<std::string_view>()(k.text);
    auto mix = [&h](size_t v) { h ^= v + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2); };
    mix(std::hash<const void*>()(k.face));
    for (int p : k.positions)
        mix(std::hash<int>()(p));
    mix(std::hash<double>()(k.devicePerTwipX));
    mix(std::hash<double>()(k.devicePerTwipY));
    mix(std::hash<int>()(k.escapement));
    return h;
}

} // namespace gdi
