// Points an environment variable (the user's configuration or data folder)
// at a fresh temporary folder for the length of one test, and puts the old
// value back afterwards.
#pragma once

#include <QTemporaryDir>
#include <filesystem>
#include <optional>
#include <string>

class TempFolderEnv {
public:
    explicit TempFolderEnv(std::string variable);
    ~TempFolderEnv();
    TempFolderEnv(const TempFolderEnv&) = delete;
    TempFolderEnv& operator=(const TempFolderEnv&) = delete;

    bool IsValid() const { return m_dir.isValid(); }
    const std::filesystem::path& Folder() const { return m_folder; }

private:
    std::string m_variable;
    std::optional<std::string> m_saved;
    QTemporaryDir m_dir;
    std::filesystem::path m_folder;
};
