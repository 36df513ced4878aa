#include "forms/res/program_bitmaps.h"

#include "platform/res/missing_handler.h"

#include <QImage>
#include <QImageReader>
#include <QString>

gdi::Bitmap ProgramMonoBitmap(uint32_t id)
{
    // Read as the PBM they are, so that no image plugin is loaded to be asked.
    QImageReader reader(QStringLiteral(":/forms/res/bitmaps/%1.pbm").arg(id), "pbm");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull()) {
        res::ReportMissing(res::Kind::Bitmap, id);
        return {};
    }
    gdi::Bitmap bitmap(image.width(), image.height(), true);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            bitmap.SetBit(x, y, qGray(image.pixel(x, y)) >= 128);
    return bitmap;
}
