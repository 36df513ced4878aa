#include "tests/app/support/temp_folder_env.h"

#include <cstdlib>

TempFolderEnv::TempFolderEnv(std::string variable)
    : m_variable(std::move(variable))
{
    if (const char* saved = std::getenv(m_variable.c_str()))
        m_saved = saved;
    m_folder = std::filesystem::path(m_dir.path().toStdString()) / "home";
    setenv(m_variable.c_str(), m_folder.c_str(), 1);
}

TempFolderEnv::~TempFolderEnv()
{
    if (m_saved)
        setenv(m_variable.c_str(), m_saved->c_str(), 1);
    else
        unsetenv(m_variable.c_str());
}
