#include "config_folder_fixture.h"

#include <cstdlib>

void ConfigFolderTest::SetUp()
{
    ASSERT_TRUE(m_dir.isValid());
    if (const char* saved = std::getenv("XDG_CONFIG_HOME"))
        m_saved = saved;
    UseConfigFolder(std::filesystem::path(m_dir.path().toStdString()) / "config");
}

void ConfigFolderTest::TearDown()
{
    if (m_saved)
        setenv("XDG_CONFIG_HOME", m_saved->c_str(), 1);
    else
        unsetenv("XDG_CONFIG_HOME");
}

void ConfigFolderTest::UseConfigFolder(const std::filesystem::path& folder)
{
    m_folder = folder;
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
}
