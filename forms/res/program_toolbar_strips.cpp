#include "forms/res/program_toolbar_strips.h"

#include "platform/res/missing_handler.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <array>

namespace {

const std::vector<uint32_t> kStandardGlyphs = {57600, 57601, 57603, 32925, 57608, 32866, 57635, 57634, 57637, 32811,
    32809, 32789, 32788, 32826, 32821, 32842, 32822, 32853, 32903, 32904, 57668};
const std::vector<uint32_t> kDesignGlyphs
    = {32778, 32772, 32776, 32771, 32777, 32774, 32773, 32775, 32779, 32801, 32803, 32808, 32786, 32790};
// The format bar's buttons, then the alignment button's pictures 10 to 14
// (left, right, an unused code, centred, justified).
const std::vector<uint32_t> kFormatGlyphs
    = {106, 107, 108, 174, 175, 109, 32902, 32783, 32785, 32838, 10, 11, 12, 13, 14};

const std::array<ToolbarStrip, 12> kStrips = {{
    {7, false, true, kStandardGlyphs},
    {2192, false, false, kStandardGlyphs},
    {2190, true, true, kStandardGlyphs},
    {2191, true, false, kStandardGlyphs},
    {130, false, true, kDesignGlyphs},
    {2188, false, false, kDesignGlyphs},
    {2187, true, true, kDesignGlyphs},
    {2189, true, false, kDesignGlyphs},
    {2110, false, true, kFormatGlyphs},
    {2185, false, false, kFormatGlyphs},
    {2183, true, true, kFormatGlyphs},
    {2184, true, false, kFormatGlyphs},
}};

// Each pixel's grey, its transparency kept.
void ToGreys(QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = qUnpremultiply(line[x]);
            const int grey = qGray(p);
            line[x] = qPremultiply(qRgba(grey, grey, grey, qAlpha(p)));
        }
    }
}

} // namespace

QSize ToolbarImageSize(bool large)
{
    return large ? QSize(24, 22) : QSize(16, 15);
}

const ToolbarStrip* FindToolbarStrip(uint32_t bitmapId)
{
    for (const ToolbarStrip& strip : kStrips)
        if (strip.bitmapId == bitmapId)
            return &strip;
    return nullptr;
}

QImage ProgramToolbarStrip(uint32_t bitmapId)
{
    const ToolbarStrip* layout = FindToolbarStrip(bitmapId);
    if (!layout) {
        res::ReportMissing(res::Kind::Bitmap, bitmapId);
        return {};
    }
    const QSize size = ToolbarImageSize(layout->large);
    QImage strip(
        size.width() * static_cast<int>(layout->glyphs.size()), size.height(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    for (size_t i = 0; i < layout->glyphs.size(); ++i) {
        // A glyph drawn again for large buttons, where scaling would blur it,
        // is taken before the small one.
        const QString large = QStringLiteral(":/forms/res/toolbar/large/%1.svg").arg(layout->glyphs[i]);
        const QString path = layout->large && QFile::exists(large)
            ? large
            : QStringLiteral(":/forms/res/toolbar/%1.svg").arg(layout->glyphs[i]);
        QSvgRenderer renderer;
        if (!QFile::exists(path) || !renderer.load(path)) {
            res::ReportMissing(res::Kind::Bitmap, bitmapId);
            return {};
        }
        renderer.render(&painter, QRectF(QPointF(size.width() * static_cast<qreal>(i), 0), size));
    }
    painter.end();
    if (!layout->colour)
        ToGreys(strip);
    return strip;
}
