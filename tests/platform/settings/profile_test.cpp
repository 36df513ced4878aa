#include "config_folder_fixture.h"

#include "platform/settings/config_folder.h"
#include "platform/settings/ini_file.h"
#include "platform/settings/parse_int.h"
#include "platform/settings/profile.h"

#include <fstream>
#include <functional>
#include <iterator>

namespace fs = std::filesystem;
using settings::Profile;

namespace {

// The program's profile as start-up sets it: profile file name, then the key.
Profile ProgramProfile()
{
    Profile profile("forms");
    profile.SetProfileName("dHBQFORM.INI");
    profile.SetRegistryKey("Hollarby");
    return profile;
}

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

const std::string kText = "Caf\xe9 \x80"
                          "5, \"quoted\" ; not a comment";
const std::vector<std::uint8_t> kBytes = {0, 1, 0x40, '\n', '\r', 0x7F, 0x80, 0xFF, '(', ')', '\\'};

} // namespace

using ProfileTest = ConfigFolderTest;

TEST_F(ProfileTest, FileFollowsProfileNameAndRegistryKey)
{
    struct Case {
        const char* file;
        std::function<void(Profile&)> setUp;
    };
    const Case cases[] = {
        {"Hollarby/dHBQFORM.INI", [](Profile& p) { p.SetProfileName("dHBQFORM.INI"); }},
        {"Hollarby/forms.ini", [](Profile& p) { p = ProgramProfile(); }},
        {"Hollarby/qwtutor.ini",
            [](Profile& p) {
                p = ProgramProfile();
                p.SetProfileName("qwtutor.ini");
            }},
        {"Hollarby/QWTUTOR.INI",
            [](Profile& p) {
                p = ProgramProfile();
                p.SetProfileName("QWTUTOR.INI");
            }},
        {"Other/forms.ini", [](Profile& p) { p.SetRegistryKey("Other"); }},
    };
    for (const Case& c : cases) {
        Profile profile("forms");
        c.setUp(profile);
        EXPECT_EQ(profile.FilePath(), Folder() / c.file) << c.file;
    }
    const Profile keyed = ProgramProfile();
    EXPECT_EQ(keyed.GetProfileName(), "forms");
    EXPECT_EQ(keyed.GetRegistryKey(), "Hollarby");
}

TEST_F(ProfileTest, ValuesWrittenInOneRunAreReadInTheNext)
{
    {
        Profile profile = ProgramProfile();
        ASSERT_TRUE(profile.WriteInt("UserSettings", "WinTop", 17));
        ASSERT_TRUE(profile.WriteInt("UserSettings", "WinLeft", -3));
        ASSERT_TRUE(profile.WriteString("Printer", "Name", kText));
        ASSERT_TRUE(profile.WriteString("Printer", "Port", "LPT1:"));
        ASSERT_TRUE(profile.WriteBinary("Printer", "DevMode", kBytes));
        ASSERT_TRUE(profile.WriteString("General", "Empty", ""));
    }
    // A copy in another folder is a path QSettings has never seen: it is
    // read from the disk, as the next run would read it.
    const fs::path next = fs::path(dir_.path().toStdString()) / "next";
    fs::create_directories(next);
    fs::copy(Folder(), next, fs::copy_options::recursive);
    UseConfigFolder(next);

    const Profile profile = ProgramProfile();
    EXPECT_EQ(profile.GetInt("UserSettings", "WinTop", 0), 17);
    EXPECT_EQ(profile.GetInt("UserSettings", "WinLeft", 0), -3);
    EXPECT_EQ(profile.GetString("Printer", "Name"), kText);
    EXPECT_EQ(profile.GetBinary("Printer", "DevMode"), kBytes);
    EXPECT_EQ(profile.GetString("General", "Empty", "default"), "");

    // The file is a plain INI file that another reader understands.
    const auto ini = settings::IniFile::Parse(ReadAll(next / "Hollarby" / "forms.ini"));
    EXPECT_EQ(ini.Find("UserSettings", "WinTop"), "17");
    EXPECT_EQ(ini.Find("Printer", "Port"), "LPT1:");
}

TEST_F(ProfileTest, TutorialProfileIsKeptApart)
{
    Profile program = ProgramProfile();
    Profile tutorial = ProgramProfile();
    tutorial.SetProfileName("qwtutor.ini");
    ASSERT_TRUE(program.WriteInt("UserSettings", "Inches", 1));
    ASSERT_TRUE(tutorial.WriteInt("UserSettings", "Inches", 0));
    ASSERT_TRUE(tutorial.WriteInt("UserSettings", "LargeButtons", 1));

    EXPECT_EQ(program.GetInt("UserSettings", "Inches", -1), 1);
    EXPECT_EQ(program.GetInt("UserSettings", "LargeButtons", -1), -1);
    EXPECT_EQ(tutorial.GetInt("UserSettings", "Inches", -1), 0);
    EXPECT_TRUE(fs::exists(Folder() / "Hollarby" / "qwtutor.ini"));
    EXPECT_TRUE(fs::exists(Folder() / "Hollarby" / "forms.ini"));
    EXPECT_FALSE(fs::exists(Folder() / "Hollarby" / "qwtutor.ini.ini"));
}

TEST_F(ProfileTest, MissingOrUnsuitableValuesGiveTheDefault)
{
    Profile profile = ProgramProfile();
    ASSERT_TRUE(profile.WriteString("S", "Word", "abc"));
    ASSERT_TRUE(profile.WriteString("S", "Number", "42 pixels"));
    ASSERT_TRUE(profile.WriteInt("S", "Int", 5));

    EXPECT_EQ(profile.GetString("S", "Missing", "dflt"), "dflt");
    EXPECT_EQ(profile.GetString("Nowhere", "Word", "dflt"), "dflt");
    EXPECT_EQ(profile.GetInt("S", "Missing", 7), 7);
    EXPECT_EQ(profile.GetInt("S", "Word", 7), 7);
    EXPECT_EQ(profile.GetInt("S", "Number", 7), 42);
    EXPECT_EQ(profile.GetString("S", "Int"), "5");
    EXPECT_EQ(profile.GetBinary("S", "Word"), std::nullopt);
    EXPECT_EQ(profile.GetBinary("S", "Missing"), std::nullopt);

    std::ofstream(profile.FilePath(), std::ios::app) << "[Edited]\nDevice=winfax,pub:\n";
    EXPECT_EQ(Profile(ProgramProfile()).GetString("Edited", "Device"), "winfax, pub:");
}

TEST_F(ProfileTest, RefusedWritesReportFailureAndChangeNothing)
{
    Profile profile = ProgramProfile();
    for (auto [section, entry] : {std::pair {"", "Entry"}, {"Section", ""}, {"A/B", "Entry"}, {"Section", "A\\B"}}) {
        EXPECT_FALSE(profile.WriteInt(section, entry, 1)) << section << " " << entry;
        EXPECT_EQ(profile.GetInt(section, entry, 9), 9);
    }
    EXPECT_FALSE(fs::exists(profile.FilePath()));

    Profile unnamed("forms");
    unnamed.SetProfileName("");
    EXPECT_FALSE(unnamed.WriteString("S", "E", "v"));
    EXPECT_EQ(unnamed.GetString("S", "E", "d"), "d");

    // The configuration folder cannot be made: a file stands in its way.
    const fs::path blocker = fs::path(dir_.path().toStdString()) / "blocker";
    std::ofstream(blocker) << "x";
    UseConfigFolder(blocker);
    EXPECT_FALSE(profile.WriteInt("UserSettings", "WinTop", 1));
}

TEST(ParseProfileInt, ReadsTheLeadingNumber)
{
    struct Case {
        const char* text;
        std::optional<int> value;
    };
    for (const Case& c :
        {Case {"0", 0}, {"  12", 12}, {"-7", -7}, {"+3", 3}, {"42 pixels", 42}, {"2147483647", 2147483647},
            {"-2147483648", -2147483647 - 1}, {"2147483648", std::nullopt}, {"99999999999999999999", std::nullopt},
            {"", std::nullopt}, {"-", std::nullopt}, {"abc", std::nullopt}, {"0x10", 0}})
        EXPECT_EQ(settings::ParseProfileInt(c.text), c.value) << c.text;
}
