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

QImage ProgramSvgBitmap(uint32_t id)
{
    const QString path = QStringLiteral(":/forms/res/icons/%1.svg").arg(id);
    QSvgRenderer renderer;
    if (!QFile::exists(path) || !renderer.load(path)) {
        res::ReportMissing(res::Kind::Bitmap, id);
        return {};
    }
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QByteArray ProgramIconSvg(uint32_t id)
{
    QFile file(QStringLiteral(":/forms/res/icons/%1.svg").arg(id));
    if (!file.open(QIODevice::ReadOnly)) {
        res::ReportMissing(res::Kind::Icon, id);
        return {};
    }
    return file.readAll();
}
