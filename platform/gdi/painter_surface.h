// Draws the primitives with QPainter, keeping GDI's pixel rules: shapes
// cover [left, right) × [top, bottom), lines leave out their last point, and
// the raster modes are exact on image devices.
#pragma once

#include "platform/gdi/surface.h"

#include <QBrush>
#include <QGlyphRun>
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace gdi {

class PainterSurface : public Surface {
public:
    void Rectangle(const DrawState& s, const RECT& r) override;
    void RoundRect(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight) override;
    void Ellipse(const DrawState& s, const RECT& r) override;
    void Polygon(const DrawState& s, const std::vector<POINT>& points) override;
    void Polyline(const DrawState& s, const std::vector<POINT>& points) override;
    void PatBlt(const DrawState& s, const RECT& r, uint32_t rop) override;
    void FillRegion(const DrawState& s, const Region& region) override;
    void FocusRect(const DrawState& s, const RECT& r) override;
    void StretchBlt(const DrawState& s, const RECT& dest, const Bitmap& source, const RECT& src, uint32_t rop) override;
    void TextOut(const DrawState& s, const TextRun& run) override;

    // The device pixels that a run's glyphs may cover as TextOut draws them:
    // their outline bounds grown to whole pixels, and a row more above and
    // below for the fitting of glyphs to the pixel grid.
    static QRect GlyphInkBox(const TextRun& run);

protected:
    // The painter, active on the device. The surface sets the painter's whole
    // state before each primitive.
    virtual QPainter& Painter() = 0;
    // Told the device rectangle each primitive may have changed.
    virtual void Touched(const QRect&) {}
    // The device's pixels when they are an image of 32-bit pixels that may
    // be written directly, else null.
    virtual QImage* Pixels() { return nullptr; }

private:
    // The state for a primitive; its pen is none unless one is given.
    // The clip is the state's unless one is given (null: none); the
    // transform is none unless one is given.
    QPainter& Begin(const DrawState& s, int rop2, const QPen* pen = nullptr);
    QPainter& Begin(
        const DrawState& s, const Region* clip, int rop2, const QPen* pen, const QTransform* transform = nullptr);
    void ApplyClip(QPainter& painter, const Region* clip);
    // PATCOPY with a brush of one colour: the colour filled straight in.
    void FillSolid(const DrawState& s, const QRect& rect, const QColor& colour);
    QColor Colour(COLORREF c) const;
    QBrush MakeBrush(const DrawState& s, bool inverted = false);
    // The brush of a pattern in two colours, its image made once and kept
    // while in use, so that a pattern fills every shape from one image (a
    // PDF holds it once).
    QBrush PatternBrush(const Bitmap& bits, QRgb one, QRgb zero);
    QPen MakePen(const DrawState& s) const;
    void FillRects(QPainter& painter, const QBrush& brush, const QRect* rects, int count);
    void Shape(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight);

    // A run made ready to draw, in the raw font's pixels: the turn and scale
    // to the device (the origin is added when drawn), the glyphs at their
    // places on the baseline, the cell the characters fill, and the device
    // pixels the glyphs may cover from the origin.
    struct PreparedRun {
        QTransform shape;
        QGlyphRun glyphs;
        QRectF cell;
        QRect ink;
    };
    static PreparedRun Prepare(const TextRun& run);
    // The run prepared once and kept, keyed on everything its drawing
    // follows but the origin: the face (kept alive), the characters, their
    // places, the device scale and the escapement.
    const PreparedRun& Prepared(const TextRun& run);
    // What a run's drawing follows but the origin; a look-up needs no copy
    // of the run's characters and places.
    struct RunView {
        const FontFace* face;
        std::string_view text;
        std::span<const int> positions;
        double devicePerTwipX;
        double devicePerTwipY;
        int escapement;
    };
    struct RunKey {
        const FontFace* face;
        std::string text;
        std::vector<int> positions;
        double devicePerTwipX;
        double devicePerTwipY;
        int escapement;
        std::shared_ptr<const FontFace> keep;
        RunView View() const { return {face, text, positions, devicePerTwipX, devicePerTwipY, escapement}; }
    };
    static RunView ViewOf(const RunView& v) { return v; }
    static RunView ViewOf(const RunKey& k) { return k.View(); }
    struct RunKeyHash {
        using is_transparent = void;
        size_t operator()(const RunView& v) const;
        size_t operator()(const RunKey& k) const { return (*this)(k.View()); }
    };
    struct RunKeyEqual {
        using is_transparent = void;
        template<class A, class B>
        bool operator()(const A& a, const B& b) const
        {
            const RunView x = ViewOf(a);
            const RunView y = ViewOf(b);
            return x.face == y.face && x.text == y.text && std::ranges::equal(x.positions, y.positions)
                && x.devicePerTwipX == y.devicePerTwipX && x.devicePerTwipY == y.devicePerTwipY
                && x.escapement == y.escapement;
        }
    };

    struct PatternTile {
        Bitmap bits;
        QRgb one;
        QRgb zero;
        QBrush brush;
    };
    std::vector<PatternTile> tiles_; // most recently made last
    std::optional<Region> appliedClip_; // the clip last given to the painter
    QPen textPen_ {QColor(0, 0, 0)}; // the pen of the last text drawn
    std::unordered_map<RunKey, PreparedRun, RunKeyHash, RunKeyEqual> prepared_;
};

} // namespace gdi
