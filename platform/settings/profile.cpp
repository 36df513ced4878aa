#include "platform/settings/profile.h"

#include "platform/settings/config_folder.h"
#include "platform/settings/parse_int.h"
#include "platform/text/cp1252.h"

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace settings {

namespace {

bool IsValidName(std::string_view name)
{
    return !name.empty() && name.find_first_of("/\\") == std::string_view::npos;
}

bool EndsWithIni(std::string_view name)
{
    return name.size() >= 4 && text::EqualNoCase(name.substr(name.size() - 4), ".ini");
}

QString KeyOf(std::string_view section, std::string_view entry)
{
    return text::ToQString(section) + QLatin1Char('/') + text::ToQString(entry);
}

QString QPath(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

} // namespace

Profile::Profile(std::string programName)
    : programName_(std::move(programName))
    , profileName_(programName_)
{}

void Profile::SetProfileName(std::string name)
{
    profileName_ = std::move(name);
}

void Profile::SetRegistryKey(std::string key)
{
    registryKey_ = std::move(key);
    profileName_ = programName_;
}

std::filesystem::path Profile::FilePath() const
{
    if (profileName_.empty())
        return {};
    if (registryKey_.empty())
        return OrganisationFolder() / profileName_;
    const std::string file = EndsWithIni(profileName_) ? profileName_ : profileName_ + ".ini";
    return ConfigFolder() / registryKey_ / file;
}

std::string Profile::GetString(std::string_view section, std::string_view entry, std::string_view defaultValue) const
{
    const std::filesystem::path path = FilePath();
    if (path.empty() || !IsValidName(section) || !IsValidName(entry))
        return std::string(defaultValue);
    const QSettings store(QPath(path), QSettings::IniFormat);
    const QVariant value = store.value(KeyOf(section, entry));
    if (!value.isValid())
        return std::string(defaultValue);
    // A value with commas that was edited by hand without quotes reads as a
    // list; it comes back with one blank after each comma.
    if (value.typeId() == QMetaType::QStringList)
        return text::FromQString(value.toStringList().join(QStringLiteral(", ")));
    return text::FromQString(value.toString());
}

int Profile::GetInt(std::string_view section, std::string_view entry, int defaultValue) const
{
    const std::string value = GetString(section, entry);
    return ParseProfileInt(value).value_or(defaultValue);
}

std::optional<std::vector<std::uint8_t>> Profile::GetBinary(std::string_view section, std::string_view entry) const
{
    const std::filesystem::path path = FilePath();
    if (path.empty() || !IsValidName(section) || !IsValidName(entry))
        return std::nullopt;
    const QSettings store(QPath(path), QSettings::IniFormat);
    const QVariant value = store.value(KeyOf(section, entry));
    if (value.typeId() != QMetaType::QByteArray)
        return std::nullopt;
    const QByteArray bytes = value.toByteArray();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

namespace {

bool Write(const std::filesystem::path& path, std::string_view section, std::string_view entry, const QVariant& value)
{
    if (path.empty() || !IsValidName(section) || !IsValidName(entry))
        return false;
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error)
        return false;
    QSettings store(QPath(path), QSettings::IniFormat);
    store.setValue(KeyOf(section, entry), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

} // namespace

bool Profile::WriteString(std::string_view section, std::string_view entry, std::string_view value)
{
    return Write(FilePath(), section, entry, text::ToQString(value));
}

bool Profile::WriteInt(std::string_view section, std::string_view entry, int value)
{
    return Write(FilePath(), section, entry, value);
}

bool Profile::WriteBinary(std::string_view section, std::string_view entry, std::span<const std::uint8_t> value)
{
    const QByteArray bytes(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size()));
    return Write(FilePath(), section, entry, bytes);
}

} // namespace settings
