// The folder under the build tree where tests leave files for a person to see.
#pragma once

#include <filesystem>
#include <string>

inline std::string TestOutputPath(const std::string& name)
{
    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    return (dir / name).string();
}
