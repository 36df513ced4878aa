#include "config_folder_fixture.h"

#include "platform/settings/win_ini.h"

#include <fstream>

namespace fs = std::filesystem;
using settings::WinIni;

namespace {

void WriteFile(const fs::path& path, const std::string& contents)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << contents;
}

} // namespace

using WinIniTest = ConfigFolderTest;

TEST_F(WinIniTest, InternationalSettingsComeFromTheLocaleWhereTheFileHasNone)
{
    struct Case {
        const char* locale;
        const char* shortDate;
        const char* currency;
    };
    for (const Case& c : {Case {"en_US", "M/d/yy", "$"}, {"en_GB", "dd/MM/yyyy", "\xa3"}, {"de_DE", "dd.MM.yy", "\x80"},
             {"pl_PL", "d.MM.yyyy", "PLN"}, {"hi_IN", "d/M/yy", "INR"}, {"C", "m/d/yy", "$"}}) {
        const WinIni ini(Folder() / "absent.ini", QLocale(c.locale));
        EXPECT_EQ(ini.GetString("Intl", "sShortDate", "m/d/yy"), c.shortDate) << c.locale;
        EXPECT_EQ(ini.GetString("intl", "SCURRENCY", "$"), c.currency) << c.locale;
        EXPECT_EQ(ini.GetString("Intl", "sTime", "none"), "none") << c.locale;
    }
}

TEST_F(WinIniTest, TheFileWinsOverTheLocale)
{
    const fs::path file = Folder() / "win.ini";
    WriteFile(file,
        "[intl]\nsShortDate=yyyy-MM-dd\n"
        "[WinFax]\nVersion=7.1\n"
        "[devices]\nWinFax=winfax, pub:\n"
        "[windows]\noleinplaceborderwidth=6\n"
        "[mail]\nmapi=1\nCMCDLLNAME32=\n");
    const WinIni ini(file, QLocale("de_DE"));
    EXPECT_EQ(ini.GetString("Intl", "sShortDate", "m/d/yy"), "yyyy-MM-dd");
    EXPECT_EQ(ini.GetString("Intl", "sCurrency", "$"), "\x80");
    EXPECT_EQ(ini.GetString("WinFax", "Version", "0.0"), "7.1");
    EXPECT_EQ(ini.GetString("WinFax", "exepath", "Not likely, pal"), "Not likely, pal");
    EXPECT_EQ(ini.GetString("devices", "WinFax", "winfax, pub:"), "winfax, pub:");
    EXPECT_EQ(ini.GetString("mail", "CMCDLLNAME32", "_____DEFAULT_____"), "");
    EXPECT_EQ(ini.GetInt("windows", "oleinplaceborderwidth", 4), 6);
    EXPECT_EQ(ini.GetInt("MAIL", "MAPI", 0), 1);
    EXPECT_EQ(ini.GetInt("WinFax", "Version", 0), 7);
    EXPECT_EQ(ini.GetInt("WinFax", "exepath", 0), 0);
}

TEST_F(WinIniTest, TheProgramsWinIniLivesBesideItsSettings)
{
    EXPECT_EQ(WinIni::DefaultPath(), Folder() / "Hollarby" / "win.ini");
    WriteFile(WinIni::DefaultPath(), "[windows]\noleinplaceborderwidth=8\n");
    QLocale::setDefault(QLocale("en_GB"));
    const WinIni ini;
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(ini.GetInt("windows", "oleinplaceborderwidth", 4), 8);
    EXPECT_EQ(ini.GetString("Intl", "sShortDate"), "dd/MM/yyyy");
}
