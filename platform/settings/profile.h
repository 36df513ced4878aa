// The program's registry key and profile: named values (text, integer,
// binary) in sections, kept as an INI file under the user's configuration
// folder and read back on the next run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// Where the values go follows the profile name and the registry key:
// - with a registry key, <config>/<key>/<profile name>.ini; setting the key
//   makes the profile name the program's name, as the registry does;
// - without one, <config>/Hollarby/<profile name>, a private profile file.
// A profile name that already ends in ".ini" (any case) names the file
// itself: "qwtutor.ini" is kept in "qwtutor.ini", apart from the program's.
// Section and entry names are ASCII without '/' or '\'; text values are
// Windows-1252 and are stored as UTF-8. A value written is on disk when
// the write returns true.
class Profile {
public:
    explicit Profile(std::string programName);

    void SetProfileName(std::string name);
    void SetRegistryKey(std::string key);
    const std::string& GetProfileName() const { return profileName_; }
    const std::string& GetRegistryKey() const { return registryKey_; }

    // The file that holds the values; empty when there is no profile name.
    std::filesystem::path FilePath() const;

    std::string GetString(std::string_view section, std::string_view entry, std::string_view defaultValue = {}) const;
    // `defaultValue` when the entry is missing or does not start with a number.
    int GetInt(std::string_view section, std::string_view entry, int defaultValue) const;
    // Nothing when the entry is missing or holds no binary value.
    std::optional<std::vector<std::uint8_t>> GetBinary(std::string_view section, std::string_view entry) const;

    // False when the name is not allowed or the file could not be written.
    bool WriteString(std::string_view section, std::string_view entry, std::string_view value);
    bool WriteInt(std::string_view section, std::string_view entry, int value);
    bool WriteBinary(std::string_view section, std::string_view entry, std::span<const std::uint8_t> value);

private:
    std::string programName_;
    std::string profileName_;
    std::string registryKey_;
};

} // namespace settings
