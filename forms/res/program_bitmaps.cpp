#include "forms/res/program_bitmaps.h"

#include "platform/res/missing_handler.h"

#include <QImage>
#include <QString>

gdi::Bitmap ProgramMonoBitmap(uint32_t id)
{
    const QImage image(QStringLiteral(":/forms/res/bitmaps/%1.pbm").arg(id));
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
