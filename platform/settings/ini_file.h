// A Windows profile file read as the profile functions read it: sections
// and entries matched without regard to case, the first of a repeated name
// winning, values trimmed of blanks and of one pair of enclosing quotes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace settings {

class IniFile {
public:
    IniFile() = default;
    // `contents` is UTF-8, or Windows-1252 when it is not valid UTF-8.
    static IniFile Parse(std::string_view contents);

    // The entry's text (Windows-1252), or nothing when it is absent.
    std::optional<std::string> Find(std::string_view section, std::string_view entry) const;

private:
    struct Section {
        std::string name;
        std::vector<std::pair<std::string, std::string>> entries;
    };
    std::vector<Section> sections_;
};

} // namespace settings
