#include "forms/res/program_pictures.h"

#include "platform/res/missing_handler.h"

#include <QImageReader>
#include <QString>

QImage ProgramPicture(res::Kind kind, uint32_t id)
{
    // Read as the PNG they are: left to find out, the reader would load
    // every image plugin to ask each whether it knows the file.
    QImageReader reader(QStringLiteral(":/forms/res/pictures/%1.png").arg(id), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        res::ReportMissing(kind, id);
    return image;
}
