#include "platform/settings/win_ini.h"

#include "platform/settings/config_folder.h"
#include "platform/settings/locale_defaults.h"
#include "platform/settings/parse_int.h"
#include "platform/text/cp1252.h"

#include <fstream>
#include <iterator>

namespace settings {

namespace {

IniFile ReadFile(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return {};
    const std::string contents {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return IniFile::Parse(contents);
}

} // namespace

WinIni::WinIni()
    : WinIni(DefaultPath(), QLocale())
{}

WinIni::WinIni(const std::filesystem::path& file, const QLocale& locale)
    : file_(ReadFile(file))
    , locale_(locale)
{}

std::filesystem::path WinIni::DefaultPath()
{
    return OrganisationFolder() / "win.ini";
}

std::string WinIni::GetString(std::string_view section, std::string_view entry, std::string_view defaultValue) const
{
    if (auto value = file_.Find(section, entry))
        return *std::move(value);
    if (text::EqualNoCase(section, "Intl")) {
        std::string fromLocale;
        if (text::EqualNoCase(entry, "sShortDate"))
            fromLocale = ShortDatePicture(locale_);
        else if (text::EqualNoCase(entry, "sCurrency"))
            fromLocale = CurrencySymbol(locale_);
        if (!fromLocale.empty())
            return fromLocale;
    }
    return std::string(defaultValue);
}

int WinIni::GetInt(std::string_view section, std::string_view entry, int defaultValue) const
{
    const auto value = file_.Find(section, entry);
    if (!value)
        return defaultValue;
    return ParseProfileInt(*value).value_or(defaultValue);
}

} // namespace settings
