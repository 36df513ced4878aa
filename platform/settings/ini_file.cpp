#include "platform/settings/ini_file.h"

#include "platform/text/cp1252.h"

#include <QStringDecoder>

namespace settings {

namespace {

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = s.find_last_not_of(" \t\r");
    return s.substr(first, last - first + 1);
}

std::string ToCp1252(std::string_view contents)
{
    if (contents.starts_with("\xEF\xBB\xBF"))
        contents.remove_prefix(3);
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(QByteArrayView(contents.data(), static_cast<qsizetype>(contents.size())));
    if (decoder.hasError())
        return std::string(contents);
    return text::FromQString(decoded);
}

std::string Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

} // namespace

IniFile IniFile::Parse(std::string_view contents)
{
    IniFile ini;
    const std::string text = ToCp1252(contents);
    Section* current = nullptr;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        const std::string_view line = Trim(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.empty() || line.front() == ';')
            continue;
        if (line.front() == '[') {
            const auto close = line.find(']');
            const std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? line.npos : close - 1));
            current = nullptr;
            for (Section& s : ini.sections_)
                if (text::EqualNoCase(s.name, name))
                    current = &s;
            if (!current)
                current = &ini.sections_.emplace_back(Section {std::string(name), {}});
            continue;
        }
        if (!current)
            continue;
        const auto equals = line.find('=');
        const std::string_view key = Trim(line.substr(0, equals));
        const std::string value
            = equals == std::string_view::npos ? std::string() : Unquote(Trim(line.substr(equals + 1)));
        current->entries.emplace_back(std::string(key), value);
    }
    return ini;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view entry) const
{
    for (const Section& s : sections_) {
        if (!text::EqualNoCase(s.name, section))
            continue;
        for (const auto& [key, value] : s.entries)
            if (text::EqualNoCase(key, entry))
                return value;
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace settings
