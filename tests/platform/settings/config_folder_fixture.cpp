#include "config_folder_fixture.h"

#include <cstdlib>

void ConfigFolderTest::SetUp()
{
    ASSERT_TRUE(dir_.isValid());
    if (const char* saved = std::getenv("XDG_CONFIG_HOME"))
        saved_ = saved;
    UseConfigFolder(std::filesystem::path(dir_.path().toStdString()) / "config");
}

void ConfigFolderTest::TearDown()
{
    if (saved_)
        setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

void ConfigFolderTest::UseConfigFolder(const std::filesystem::path& folder)
{
    folder_ = folder;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}
