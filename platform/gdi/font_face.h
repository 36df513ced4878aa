// A logical font resolved to an installed face and measured in twips with
// fractional metrics, so that text has the same widths on every device.
#pragma once

#include "platform/gdi/font.h"

#include <QFont>
#include <QRawFont>
#include <QRectF>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace gdi {

class FontFace {
public:
    // The face of `logfont` whose height (em height for a negative lfHeight,
    // cell height for a positive one, 12 points for 0) is `heightTwips`, and
    // whose average width is `widthTwips` (0: the face's own). Faces are
    // shared: the same arguments give the same object.
    static std::shared_ptr<const FontFace> Get(const LOGFONT& logfont, double heightTwips, double widthTwips);

    // All measures in twips.
    double Em() const { return em_; }
    double Ascent() const { return ascent_; }
    double Descent() const { return descent_; }
    double Leading() const { return leading_; }
    double AverageWidth() const { return averageWidth_; }
    double MaxWidth() const { return maxWidth_; }
    // Advance of a Windows-1252 code, with the horizontal scale applied.
    double Advance(uint8_t code) const { return advances_[code]; }
    double TextWidth(std::string_view cp1252) const;

    // TEXTMETRIC pitch-and-family bits of the face.
    uint8_t PitchAndFamily() const { return pitchAndFamily_; }
    // Horizontal stretch that lfWidth asks for (1 for the face's own width).
    double XScale() const { return xScale_; }

    // Drawing: the raw font has a pixel size of RawPixelSize(); one of its
    // pixels is Em() / RawPixelSize() twips.
    const QRawFont& Raw() const { return raw_; }
    int RawPixelSize() const { return pixelSize_; }
    quint32 GlyphIndex(uint8_t code) const { return glyphs_[code]; }
    // The outline bounds of a code's glyph in the raw font's pixels, from
    // its origin on the baseline (y down); empty for a blank. Found once.
    const QRectF& GlyphBounds(uint8_t code) const;

    FontFace(const LOGFONT& logfont, double heightTwips, double widthTwips);

private:
    QRawFont raw_;
    int pixelSize_ = 0;
    double em_ = 0;
    double ascent_ = 0;
    double descent_ = 0;
    double leading_ = 0;
    double averageWidth_ = 0;
    double maxWidth_ = 0;
    double xScale_ = 1;
    uint8_t pitchAndFamily_ = 0;
    std::array<double, 256> advances_ {};
    std::array<quint32, 256> glyphs_ {};
    mutable std::array<std::optional<QRectF>, 256> bounds_ {};
};

// The Qt font for a LOGFONT at a pixel size: the face name, or a generic
// face chosen by the family bits when the name is empty.
QFont MakeQFont(const LOGFONT& logfont, int pixelSize);

// TEXTMETRIC pitch-and-family bits of the installed face a Qt font resolves to.
uint8_t FacePitchAndFamily(const QFont& font);
// The same bits for a family by its name and whether it is fixed-pitch.
uint8_t FamilyPitchAndFamily(const QString& family, bool fixedPitch);

} // namespace gdi
