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
    std::filesystem::path Folder() const { return folder_; }

    QTemporaryDir dir_;

private:
    std::optional<std::string> saved_;
    std::filesystem::path folder_;
};
