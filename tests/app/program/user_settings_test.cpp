#include "forms/app/program/user_settings.h"

#include "tests/app/support/temp_folder_env.h"

#include "platform/settings/profile.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

constexpr DesktopSize kDesktop {1920, 1080};

// The program's profile as start-up sets it up.
settings::Profile ProgramProfile()
{
    settings::Profile profile("forms");
    profile.SetProfileName("dHBQFORM.INI");
    profile.SetRegistryKey("Hollarby");
    return profile;
}

class UserSettingsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_config.IsValid()); }

    // Writes the section by hand, as a user or a damaged disk might leave it.
    static void WriteSection(const std::string& lines)
    {
        const auto path = ProgramProfile().FilePath();
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "[UserSettings]\n" << lines;
    }

    // The block read from a section of its own, in a fresh folder.
    static USERSETTINGS LoadedFrom(const std::string& lines)
    {
        TempFolderEnv config("XDG_CONFIG_HOME");
        WriteSection(lines);
        return Loaded();
    }

    static USERSETTINGS Loaded(DesktopSize desktop = kDesktop)
    {
        USERSETTINGS block;
        block.Load(ProgramProfile(), desktop);
        return block;
    }

    TempFolderEnv m_config {"XDG_CONFIG_HOME"};
};

USERSETTINGS Defaults()
{
    USERSETTINGS block;
    block.winWidth = 1728;
    block.winHeight = 972;
    return block;
}

} // namespace

TEST_F(UserSettingsTest, FirstStartTakesDefaultsAndNinetyPercentOfTheDesktop)
{
    const USERSETTINGS block = Loaded();
    EXPECT_EQ(block, Defaults());
    EXPECT_EQ(block.winTop, 0);
    EXPECT_EQ(block.winLeft, 0);
    for (const BarSettings& bar : block.bars)
        EXPECT_EQ(bar, (BarSettings {true, false, {}}));
    EXPECT_EQ(Loaded({1001, 7}).winWidth, 900);
    EXPECT_EQ(Loaded({1001, 7}).winHeight, 6);
}

TEST_F(UserSettingsTest, EveryValueWrittenInOneRunIsReadInTheNext)
{
    USERSETTINGS saved;
    saved.winTop = -20;
    saved.winLeft = 35;
    saved.winWidth = 800;
    saved.winHeight = 600;
    saved.appMaximized = true;
    saved.appMinimized = true;
    saved.largeButtons = true;
    saved.colorButtons = false;
    saved.showToolTips = false;
    saved.inches = 1;
    saved.checkBoxOutlines = false;
    saved.showBaselines = false;
    saved.showMargins = false;
    for (int i = 0; i < kSettingsBarCount; ++i)
        saved.bars[i] = {i % 2 == 0, i % 2 == 1, {i, 10 * i, 100 + i, 200 + 10 * i}};
    settings::Profile profile = ProgramProfile();
    ASSERT_TRUE(saved.Save(profile));

    EXPECT_EQ(Loaded(), saved);
    EXPECT_EQ(ProgramProfile().GetInt("UserSettings", "TextToolBottom", -1), 230);
    EXPECT_EQ(ProgramProfile().GetInt("UserSettings", "StandardTBShow", -1), 1);
    EXPECT_EQ(ProgramProfile().GetInt("UserSettings", "FactoryFloating", -1), 1);
    EXPECT_EQ(ProgramProfile().GetInt("UserSettings", "TipviewerLeft", -1), 2);
}

TEST_F(UserSettingsTest, EachFlagIsStoredUnderItsOwnKey)
{
    using Set = void (*)(USERSETTINGS&);
    const std::pair<const char*, Set> flags[] = {
        {"AppMaximized", [](USERSETTINGS& b) { b.appMaximized = true; }},
        {"AppMinimized", [](USERSETTINGS& b) { b.appMinimized = true; }},
        {"LargeButtons", [](USERSETTINGS& b) { b.largeButtons = true; }},
        {"ColorButtons", [](USERSETTINGS& b) { b.colorButtons = true; }},
        {"ShowToolTips", [](USERSETTINGS& b) { b.showToolTips = true; }},
        {"Inches", [](USERSETTINGS& b) { b.inches = 1; }},
        {"CheckBoxOutlines", [](USERSETTINGS& b) { b.checkBoxOutlines = true; }},
        {"ShowBaselines", [](USERSETTINGS& b) { b.showBaselines = true; }},
        {"ShowMargins", [](USERSETTINGS& b) { b.showMargins = true; }},
        {"StandardTBShow", [](USERSETTINGS& b) { b.Bar(SettingsBar::Standard).show = true; }},
        {"StandardTBFloating", [](USERSETTINGS& b) { b.Bar(SettingsBar::Standard).floating = true; }},
        {"FactoryShow", [](USERSETTINGS& b) { b.Bar(SettingsBar::Factory).show = true; }},
        {"FactoryFloating", [](USERSETTINGS& b) { b.Bar(SettingsBar::Factory).floating = true; }},
        {"TipviewerShow", [](USERSETTINGS& b) { b.Bar(SettingsBar::Tipviewer).show = true; }},
        {"TipviewerFloating", [](USERSETTINGS& b) { b.Bar(SettingsBar::Tipviewer).floating = true; }},
        {"TextToolShow", [](USERSETTINGS& b) { b.Bar(SettingsBar::TextTool).show = true; }},
        {"TextToolFloating", [](USERSETTINGS& b) { b.Bar(SettingsBar::TextTool).floating = true; }},
    };
    USERSETTINGS allOff;
    allOff.winWidth = 800;
    allOff.winHeight = 600;
    allOff.colorButtons = allOff.showToolTips = false;
    allOff.checkBoxOutlines = allOff.showBaselines = allOff.showMargins = false;
    for (BarSettings& bar : allOff.bars)
        bar.show = false;

    for (const auto& [key, set] : flags) {
        TempFolderEnv config("XDG_CONFIG_HOME");
        USERSETTINGS block = allOff;
        set(block);
        settings::Profile profile = ProgramProfile();
        ASSERT_TRUE(block.Save(profile));
        for (const auto& [other, unused] : flags)
            EXPECT_EQ(profile.GetInt("UserSettings", other, -1), other == std::string(key) ? 1 : 0)
                << key << " set, " << other << " read";
        EXPECT_EQ(Loaded(), block) << key;
    }
}

TEST_F(UserSettingsTest, TheTutorialKeepsItsSettingsApart)
{
    settings::Profile tutorial = ProgramProfile();
    tutorial.SetProfileName("qwtutor.ini");
    USERSETTINGS block;
    block.inches = 1;
    ASSERT_TRUE(block.Save(tutorial));

    EXPECT_EQ(Loaded().inches, 0);
    USERSETTINGS reread;
    reread.Load(tutorial, kDesktop);
    EXPECT_EQ(reread.inches, 1);
}

TEST_F(UserSettingsTest, DamagedOrOutOfRangeValuesTakeTheirDefaults)
{
    struct Case {
        const char* line;
        int USERSETTINGS::*member;
        int expected;
    };
    const Case cases[] = {
        {"WinTop=abc", &USERSETTINGS::winTop, 0},
        {"WinTop=-40", &USERSETTINGS::winTop, -40},
        {"WinLeft=99999999999", &USERSETTINGS::winLeft, 0},
        {"WinLeft=40000", &USERSETTINGS::winLeft, 0},
        {"WinWidth=0", &USERSETTINGS::winWidth, 1728},
        {"WinWidth=-5", &USERSETTINGS::winWidth, 1728},
        {"WinWidth=640px", &USERSETTINGS::winWidth, 640},
        {"WinHeight=", &USERSETTINGS::winHeight, 972},
        {"WinHeight=32768", &USERSETTINGS::winHeight, 972},
        {"Inches=2", &USERSETTINGS::inches, 0},
        {"Inches=-1", &USERSETTINGS::inches, 0},
        {"Inches=1", &USERSETTINGS::inches, 1},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadedFrom(std::string(c.line) + "\n").*c.member, c.expected) << c.line;
    }

    struct FlagCase {
        const char* line;
        bool USERSETTINGS::*member;
        bool expected;
    };
    const FlagCase flags[] = {
        {"AppMaximized=1", &USERSETTINGS::appMaximized, true},
        {"AppMaximized=2", &USERSETTINGS::appMaximized, false},
        {"ColorButtons=0", &USERSETTINGS::colorButtons, false},
        {"ColorButtons=-1", &USERSETTINGS::colorButtons, true},
        {"ShowMargins=yes", &USERSETTINGS::showMargins, true},
        {"LargeButtons=7", &USERSETTINGS::largeButtons, false},
    };
    for (const FlagCase& c : flags) {
        EXPECT_EQ(LoadedFrom(std::string(c.line) + "\n").*c.member, c.expected) << c.line;
    }
}

TEST_F(UserSettingsTest, ABarRectangleTurnedInsideOutIsDroppedWhole)
{
    WriteSection("FactoryLeft=50\nFactoryTop=10\nFactoryRight=40\nFactoryBottom=30\n"
                 "TextToolLeft=5\nTextToolTop=60\nTextToolRight=90\nTextToolBottom=20\n"
                 "TipviewerLeft=5\nTipviewerTop=6\nTipviewerRight=7\nTipviewerBottom=x\n"
                 "StandardTBLeft=-3\nStandardTBTop=4\nStandardTBRight=-3\nStandardTBBottom=9\n");
    const USERSETTINGS block = Loaded();
    EXPECT_EQ(block.Bar(SettingsBar::Factory).rect, SettingsRect {});
    EXPECT_EQ(block.Bar(SettingsBar::TextTool).rect, SettingsRect {});
    EXPECT_EQ(block.Bar(SettingsBar::Tipviewer).rect, SettingsRect {});
    EXPECT_EQ(block.Bar(SettingsBar::Standard).rect, (SettingsRect {-3, 4, -3, 9}));
}

TEST_F(UserSettingsTest, AnUnreadableFileReadsAsDefaults)
{
    const auto path = ProgramProfile().FilePath();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << std::string("\0\xff[User\nSettings]]=\x01\n", 22);
    EXPECT_EQ(Loaded(), Defaults());
}

TEST_F(UserSettingsTest, AFailedSaveIsReported)
{
    const auto path = ProgramProfile().FilePath();
    std::filesystem::create_directories(path);
    settings::Profile profile = ProgramProfile();
    EXPECT_FALSE(USERSETTINGS {}.Save(profile));
}
