#include "forms/app/program/std_profile_settings.h"

#include "tests/app/support/temp_folder_env.h"

#include "platform/settings/profile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Files = std::vector<std::string>;

settings::Profile ProgramProfile()
{
    settings::Profile profile("forms");
    profile.SetProfileName("dHBQFORM.INI");
    profile.SetRegistryKey("Hollarby");
    return profile;
}

RecentFileList ListOf(const Files& files)
{
    RecentFileList list(StdProfileSettings::kRecentFiles);
    for (auto it = files.rbegin(); it != files.rend(); ++it)
        list.Add(*it);
    return list;
}

} // namespace

TEST(RecentFileListTest, AddPutsTheFileFirstAndKeepsFour)
{
    struct Case {
        Files before;
        std::string added;
        Files after;
    };
    const Case cases[] = {
        {{}, "a.qwm", {"a.qwm"}},
        {{"a", "b"}, "c", {"c", "a", "b"}},
        {{"a", "b", "c", "d"}, "e", {"e", "a", "b", "c"}},
        {{"a", "b", "c", "d"}, "c", {"c", "a", "b", "d"}},
        {{"a", "b"}, "a", {"a", "b"}},
        {{"a", "b"}, "", {"a", "b"}},
        // File names differ by case on Linux.
        {{"a.qwm"}, "A.qwm", {"A.qwm", "a.qwm"}},
    };
    for (const Case& c : cases) {
        RecentFileList list = ListOf(c.before);
        list.Add(c.added);
        EXPECT_EQ(list.Files(), c.after) << c.added;
    }
}

TEST(RecentFileListTest, RemoveTakesOutOneEntry)
{
    RecentFileList list = ListOf({"a", "b", "c"});
    list.Remove(1);
    EXPECT_EQ(list.Files(), (Files {"a", "c"}));
    list.Remove(2);
    EXPECT_EQ(list.Files(), (Files {"a", "c"}));
}

class StdProfileSettingsTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_config.IsValid()); }
    TempFolderEnv m_config {"XDG_CONFIG_HOME"};
};

TEST_F(StdProfileSettingsTest, WrittenInOneRunReadInTheNext)
{
    const std::string nonAscii = "/home/me/Fran\xc3\xa7ois \xe2\x82\xac"
                                 "5 \xc2\x81.qwm";
    struct Case {
        Files files;
        int pages;
    };
    const Case cases[] = {
        {{"/forms/a.qwm", "/home/me/my forms/b.qwm", nonAscii, "c.qwl"}, 2},
        // A shorter list leaves no entry of the longer one behind.
        {{"only.qwm"}, 1},
        {{}, 0},
    };
    for (const Case& c : cases) {
        StdProfileSettings saved;
        saved.recentFiles = ListOf(c.files);
        saved.previewPages = c.pages;
        settings::Profile profile = ProgramProfile();
        ASSERT_TRUE(saved.Save(profile));

        StdProfileSettings loaded;
        loaded.Load(ProgramProfile());
        EXPECT_EQ(loaded.recentFiles.Files(), c.files);
        EXPECT_EQ(loaded.previewPages, c.pages);
    }
    EXPECT_EQ(ProgramProfile().GetString("Recent File List", "File1"), "");
}

TEST_F(StdProfileSettingsTest, DamagedEntriesAreSkipped)
{
    settings::Profile profile = ProgramProfile();
    const std::pair<const char*, const char*> entries[] = {
        {"File1", "a.qwm"},
        {"File2", ""},
        {"File3", "a.qwm"},
        {"File4", "d.qwm"},
        {"File5", "e.qwm"},
    };
    for (const auto& [entry, value] : entries)
        ASSERT_TRUE(profile.WriteString("Recent File List", entry, value));
    const char* pages[] = {"3", "-1", "two"};
    for (const char* value : pages) {
        ASSERT_TRUE(profile.WriteString("Settings", "PreviewPages", value));
        StdProfileSettings loaded;
        loaded.Load(ProgramProfile());
        EXPECT_EQ(loaded.recentFiles.Files(), (Files {"a.qwm", "d.qwm"}));
        EXPECT_EQ(loaded.previewPages, 0) << value;
    }
}
