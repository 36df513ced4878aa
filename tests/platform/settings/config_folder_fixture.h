// Points the user's configuration folder at a fresh temporary folder for
// the length of one test.
#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>

class ConfigFolderTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Points the configuration folder at `folder`.
    void UseConfigFolder(const std::filesystem::path& folder);
    std::filesystem::path Folder() const { return m_folder; }

    QTemporaryDir m_dir;

private:
    std::optional<std::string> m_saved;
    std::filesystem::path m_folder;
};
