#include "platform/gdi/font_face.h"

#include "platform/text/cp1252.h"

#include <QFontInfo>
#include <cmath>
#include <map>
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
    case FF_ROMAN: return QStringLiteral("Times New Roman");
    case FF_MODERN: return QStringLiteral("Courier New");
    default: return QStringLiteral("Arial");
    }
}

bool IsSerifName(const QString& family)
{
    const QString f = family.toLower();
    if (f.contains(QLatin1String("sans")))
        return false;
    return f.contains(QLatin1String("serif")) || f.contains(QLatin1String("times")) ||
           f.contains(QLatin1String("roman")) || f.contains(QLatin1String("caladea")) ||
           f.contains(QLatin1String("cambria")) || f.contains(QLatin1String("georgia"));
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
    font.setWeight(static_cast<QFont::Weight>(logfont.lfWeight <= 0 ? FW_NORMAL : std::clamp(logfont.lfWeight, 1, 1000)));
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
    uint8_t family = FF_SWISS;
    if (info.fixedPitch())
        family = FF_MODERN;
    else if (IsScriptName(info.family()))
        family = FF_SCRIPT;
    else if (IsSerifName(info.family()))
        family = FF_ROMAN;
    return static_cast<uint8_t>(family | TMPF_TRUETYPE | TMPF_VECTOR | (info.fixedPitch() ? 0 : TMPF_FIXED_PITCH));
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
    ascent_ = raw_.ascent() * toTwips;
    descent_ = raw_.descent() * toTwips;
    leading_ = std::max(0.0, raw_.leading() * toTwips);
    averageWidth_ = raw_.averageCharWidth() * toTwips;
    maxWidth_ = raw_.maxCharWidth() * toTwips;
    if (widthTwips > 0 && averageWidth_ > 0)
        xScale_ = widthTwips / averageWidth_;
    averageWidth_ *= xScale_;
    maxWidth_ *= xScale_;

    QString all;
    for (int code = 0; code < 256; ++code)
        all += QChar(static_cast<char16_t>(text::ToUnicode(static_cast<unsigned char>(code))));
    const QList<quint32> glyphs = raw_.glyphIndexesForString(all);
    const QList<QPointF> advances = raw_.advancesForGlyphIndexes(glyphs, QRawFont::UseDesignMetrics);
    for (int code = 0; code < 256 && code < glyphs.size(); ++code) {
        glyphs_[code] = glyphs[code];
        advances_[code] = advances[code].x() * toTwips * xScale_;
    }
}

std::shared_ptr<const FontFace> FontFace::Get(const LOGFONT& logfont, double heightTwips, double widthTwips)
{
    using Key = std::tuple<std::string, int, int, int, int, int, int, int, long, long>;
    static std::map<Key, std::shared_ptr<const FontFace>> cache;
    const Key key{logfont.FaceName(),
                  logfont.lfHeight > 0 ? 1 : (logfont.lfHeight < 0 ? -1 : 0),
                  logfont.lfWeight,
                  logfont.lfItalic,
                  logfont.lfUnderline,
                  logfont.lfStrikeOut,
                  logfont.lfPitchAndFamily,
                  logfont.lfCharSet,
                  std::lround(heightTwips * 1000),
                  std::lround(widthTwips * 1000)};
    auto found = cache.find(key);
    if (found != cache.end())
        return found->second;
    if (cache.size() >= 256)
        cache.clear();
    auto face = std::make_shared<const FontFace>(logfont, heightTwips, widthTwips);
    cache.emplace(key, face);
    return face;
}

double FontFace::TextWidth(std::string_view cp1252) const
{
    double width = 0;
    for (char c : cp1252)
        width += advances_[static_cast<unsigned char>(c)];
    return width;
}

std::vector<quint32> FontFace::GlyphIndexes(std::string_view cp1252) const
{
    std::vector<quint32> glyphs;
    glyphs.reserve(cp1252.size());
    for (char c : cp1252)
        glyphs.push_back(glyphs_[static_cast<unsigned char>(c)]);
    return glyphs;
}

} // namespace gdi
