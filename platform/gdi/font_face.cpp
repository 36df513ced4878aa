#include "platform/gdi/font_face.h"

#include "platform/text/cp1252.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <cmath>
#include <map>
#include <optional>
#include <tuple>

namespace gdi {

namespace {

// Measures are taken at this many pixels per em at least, so that even small
// fonts are measured with the face's design metrics.
constexpr int kMinimumPixelSize = 256;
constexpr double kDefaultHeightTwips = 240;

QString GenericFamily(uint8_t pitchAndFamily)
{
    if ((pitchAndFamily & 0x03) == FIXED_PITCH)
        return QStringLiteral("Courier New");
    switch (pitchAndFamily & 0xF0) {
    case FF_ROMAN:
        return QStringLiteral("Times New Roman");
    case FF_MODERN:
        return QStringLiteral("Courier New");
    default:
        return QStringLiteral("Arial");
    }
}

bool IsSerifName(const QString& family)
{
    const QString f = family.toLower();
    if (f.contains(QLatin1String("sans")))
        return false;
    return f.contains(QLatin1String("serif")) || f.contains(QLatin1String("times"))
        || f.contains(QLatin1String("roman")) || f.contains(QLatin1String("caladea"))
        || f.contains(QLatin1String("cambria")) || f.contains(QLatin1String("georgia"));
}

int16_t ReadI16(const QByteArray& table, int offset)
{
    return static_cast<int16_t>((static_cast<uint8_t>(table[offset]) << 8) | static_cast<uint8_t>(table[offset + 1]));
}

uint16_t ReadU16(const QByteArray& table, int offset)
{
    return static_cast<uint16_t>(ReadI16(table, offset));
}

// Vertical measures as Windows takes them from the face's tables, in design
// units: ascent and descent from the OS/2 table's Windows values, and the
// external leading as the horizontal header's line gap less what the Windows
// values already add to the header's ascender and descender.
struct DesignMeasures {
    double ascent, descent, leading;
};

std::optional<DesignMeasures> WindowsMeasures(const QRawFont& raw)
{
    const QByteArray hhea = raw.fontTable("hhea");
    const QByteArray os2 = raw.fontTable("OS/2");
    if (hhea.size() < 10 || os2.size() < 78)
        return std::nullopt;
    const double winAscent = ReadU16(os2, 74);
    const double winDescent = ReadU16(os2, 76);
    const double hheaHeight = ReadI16(hhea, 4) - ReadI16(hhea, 6);
    const double lineGap = ReadI16(hhea, 8);
    return DesignMeasures {winAscent, winDescent, std::max(0.0, lineGap - (winAscent + winDescent - hheaHeight))};
}

// The average width of lower-case text: the letters and the space weighted by
// their frequency in English, as Windows computes it for its faces.
double WeightedAverageWidth(const std::array<double, 256>& advances)
{
    static const int kWeights[26]
        = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20, 56, 56, 17, 4, 49, 56, 71, 31, 10, 18, 3, 18, 2};
    double sum = advances[' '] * 166;
    for (int i = 0; i < 26; ++i)
        sum += advances['a' + i] * kWeights[i];
    return sum / 1000;
}

bool IsScriptName(const QString& family)
{
    const QString f = family.toLower();
    return f.contains(QLatin1String("script")) || f.contains(QLatin1String("comic"));
}

} // namespace

QFont MakeQFont(const LOGFONT& logfont, int pixelSize)
{
    const std::string face = logfont.FaceName();
    QFont font(face.empty() ? GenericFamily(logfont.lfPitchAndFamily) : text::ToQString(face));
    font.setPixelSize(std::max(1, pixelSize));
    font.setWeight(
        static_cast<QFont::Weight>(logfont.lfWeight <= 0 ? FW_NORMAL : std::clamp(logfont.lfWeight, 1, 1000)));
    font.setItalic(logfont.lfItalic != 0);
    font.setUnderline(logfont.lfUnderline != 0);
    font.setStrikeOut(logfont.lfStrikeOut != 0);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferOutline | QFont::PreferMatch));
    return font;
}

uint8_t FacePitchAndFamily(const QFont& font)
{
    const QFontInfo info(font);
    return FamilyPitchAndFamily(info.family(), info.fixedPitch());
}

uint8_t FamilyPitchAndFamily(const QString& family, bool fixedPitch)
{
    uint8_t kind = FF_SWISS;
    if (fixedPitch)
        kind = FF_MODERN;
    else if (IsScriptName(family))
        kind = FF_SCRIPT;
    else if (IsSerifName(family))
        kind = FF_ROMAN;
    return static_cast<uint8_t>(kind | TMPF_TRUETYPE | TMPF_VECTOR | (fixedPitch ? 0 : TMPF_FIXED_PITCH));
}

FontFace::FontFace(const LOGFONT& logfont, double heightTwips, double widthTwips)
{
    if (logfont.lfHeight == 0 || heightTwips <= 0)
        heightTwips = kDefaultHeightTwips;
    QFont font = MakeQFont(logfont, kMinimumPixelSize);
    QRawFont reference = QRawFont::fromFont(font);
    em_ = heightTwips;
    if (logfont.lfHeight > 0 && reference.isValid()) {
        const double cell = reference.ascent() + reference.descent();
        if (cell > 0)
            em_ = heightTwips * reference.pixelSize() / cell;
    }
    pixelSize_ = std::max(kMinimumPixelSize, static_cast<int>(std::lround(em_)));
    font.setPixelSize(pixelSize_);
    raw_ = QRawFont::fromFont(font);
    pitchAndFamily_ = FacePitchAndFamily(font);
    if (!raw_.isValid())
        return;

    const double toTwips = em_ / pixelSize_;
    if (const auto design = WindowsMeasures(raw_); design && raw_.unitsPerEm() > 0) {
        const double designToTwips = em_ / raw_.unitsPerEm();
        ascent_ = design->ascent * designToTwips;
        descent_ = design->descent * designToTwips;
        leading_ = design->leading * designToTwips;
    } else {
        ascent_ = raw_.ascent() * toTwips;
        descent_ = raw_.descent() * toTwips;
        leading_ = std::max(0.0, raw_.leading() * toTwips);
    }
    maxWidth_ = raw_.maxCharWidth() * toTwips;

    QString all;
    for (int code = 0; code < 256; ++code)
        all += QChar(static_cast<char16_t>(text::ToUnicode(static_cast<unsigned char>(code))));
    const QList<quint32> glyphs = raw_.glyphIndexesForString(all);
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    for (int code = 0; code < 256 && code < glyphs.size(); ++code) {
        glyphs_[code] = glyphs[code];
        advances_[code] = advances[code].x() * toTwips;
    }
    averageWidth_ = WeightedAverageWidth(advances_);
    if (widthTwips > 0 && averageWidth_ > 0)
        xScale_ = widthTwips / averageWidth_;
    for (double& advance : advances_)
        advance *= xScale_;
    averageWidth_ *= xScale_;
    maxWidth_ *= xScale_;
}

std::shared_ptr<const FontFace> FontFace::Get(const LOGFONT& logfont, double heightTwips, double widthTwips)
{
    using Key = std::tuple<std::string, int, int, int, int, int, int, int, long, long>;
    static std::map<Key, std::shared_ptr<const FontFace>> cache;
    // Line after line asks for one face: the last answered is compared
    // first, without building a key.
    static LOGFONT lastLogfont;
    static long lastHeight = 0;
    static long lastWidth = 0;
    static std::shared_ptr<const FontFace> last;
    // Faces hold Qt font engines, which must go before the application does.
    static const bool cleanupRegistered = [] {
        qAddPostRoutine([] {
            cache.clear();
            last.reset();
        });
        return true;
    }();
    (void)cleanupRegistered;
    const long height = std::lround(heightTwips * 1000);
    const long width = std::lround(widthTwips * 1000);
    if (last && height == lastHeight && width == lastWidth && logfont == lastLogfont)
        return last;
    const Key key {logfont.FaceName(), logfont.lfHeight > 0 ? 1 : (logfont.lfHeight < 0 ? -1 : 0), logfont.lfWeight,
        logfont.lfItalic, logfont.lfUnderline, logfont.lfStrikeOut, logfont.lfPitchAndFamily, logfont.lfCharSet, height,
        width};
    auto found = cache.find(key);
    std::shared_ptr<const FontFace> face;
    if (found != cache.end()) {
        face = found->second;
    } else {
        if (cache.size() >= 256)
            cache.clear();
        face = std::make_shared<const FontFace>(logfont, heightTwips, widthTwips);
        cache.emplace(key, face);
    }
    last = face;
    lastLogfont = logfont;
    lastHeight = height;
    lastWidth = width;
    return face;
}

double FontFace::TextWidth(std::string_view cp1252) const
{
    double width = 0;
    for (char c : cp1252)
        width += advances_[static_cast<unsigned char>(c)];
    return width;
}

const QRectF& FontFace::GlyphBounds(uint8_t code) const
{
    std::optional<QRectF>& bounds = bounds_[code];
    if (!bounds)
        bounds = raw_.boundingRect(glyphs_[code]);
    return *bounds;
}

} // namespace gdi
