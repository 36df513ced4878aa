// The system profile (win.ini) that the program reads: a win.ini of ours
// beside the program's settings, and for the international settings
// ([Intl] "sShortDate", "sCurrency") the locale where the file has none.
#pragma once

#include "platform/settings/ini_file.h"

#include <QLocale>
#include <filesystem>
#include <string>
#include <string_view>

namespace settings {

class WinIni {
public:
    // OrganisationFolder()/"win.ini" with the default locale.
    WinIni();
    // A missing or unreadable file reads as an empty one.
    WinIni(const std::filesystem::path& file, const QLocale& locale);

    // The file's value; else the locale's for the international settings;
    // else `defaultValue`. Text is Windows-1252.
    std::string GetString(std::string_view section, std::string_view entry, std::string_view defaultValue = {}) const;
    // `defaultValue` when the entry is absent or does not start with a number.
    int GetInt(std::string_view section, std::string_view entry, int defaultValue) const;

    // OrganisationFolder()/"win.ini".
    static std::filesystem::path DefaultPath();

private:
    IniFile file_;
    QLocale locale_;
};

} // namespace settings
