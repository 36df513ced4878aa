#include "platform/res/string_table.h"

#include "platform/res/errors.h"
#include "platform/res/resource_text.h"

namespace res {

namespace {

std::uint32_t ParseId(std::string_view digits, const std::string& source, int line)
{
    if (digits.empty() || digits.size() > 5)
        throw FormatError(source, line, "the id must be a number from 0 to 65535");
    std::uint32_t id = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            throw FormatError(source, line, "the id must be a number from 0 to 65535");
        id = id * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (id > 65535)
        throw FormatError(source, line, "the id must be a number from 0 to 65535");
    return id;
}

} // namespace

std::map<std::uint32_t, std::string> ParseStringTable(std::string_view utf8, const std::string& source)
{
    std::map<std::uint32_t, std::string> table;
    int line = 0;
    size_t start = 0;
    while (start < utf8.size()) {
        size_t end = utf8.find('\n', start);
        if (end == std::string_view::npos)
            end = utf8.size();
        std::string_view text = utf8.substr(start, end - start);
        start = end + 1;
        if (text.ends_with('\r'))
            text.remove_suffix(1);
        ++line;
        if (text.empty() || text.front() == '#')
            continue;
        const size_t tab = text.find('\t');
        if (tab == std::string_view::npos)
            throw FormatError(source, line, "no tab after the id");
        const std::uint32_t id = ParseId(text.substr(0, tab), source, line);
        std::string value = Unescape(Cp1252FromUtf8(text.substr(tab + 1), source, line), "rnt", source, line);
        if (!table.emplace(id, std::move(value)).second)
            throw FormatError(source, line, "id " + std::to_string(id) + " is given twice");
    }
    return table;
}

} // namespace res
