#include "forms/res/program_pictures.h"

#include "platform/res/missing_handler.h"

#include <QString>

QImage ProgramPicture(res::Kind kind, uint32_t id)
{
    // Named as what they are, so that no image plugin is loaded to find out.
    const QImage image(QStringLiteral(":/forms/res/pictures/%1.png").arg(id), "PNG");
    if (image.isNull())
        res::ReportMissing(kind, id);
    return image;
}
