#include "platform/settings/config_folder.h"

#include <QStandardPaths>

namespace settings {

std::filesystem::path ConfigFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::filesystem::path(folder.toStdString());
}

std::filesystem::path OrganisationFolder()
{
    return ConfigFolder() / kOrganisation;
}

} // namespace settings
