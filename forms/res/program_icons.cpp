#include "forms/res/program_icons.h"

#include "platform/res/missing_handler.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

QImage ProgramIcon(uint32_t id, int size)
{
    const QString path = QStringLiteral(":/forms/res/icons/%1.svg").arg(id);
    QSvgRenderer renderer;
    if (!QFile::exists(path) || !renderer.load(path)) {
        res::ReportMissing(res::Kind::Icon, id);
        return {};
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

gdi::Bitmap ProgramIconBitmap(uint32_t id, int size, gdi::COLORREF background)
{
    const QImage icon = ProgramIcon(id, size);
    if (icon.isNull())
        return {};
    QImage over(size, size, QImage::Format_RGB32);
    over.fill(QColor(gdi::GetRValue(background), gdi::GetGValue(background), gdi::GetBValue(background)));
    QPainter painter(&over);
    painter.drawImage(0, 0, icon);
    painter.end();
    return gdi::Bitmap::FromImage(over);
}
