#include "platform/res/string_table.h"

#include "platform/res/errors.h"
#include "platform/text/cp1252.h"

#include <QStringDecoder>

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

std::string Unescape(std::string_view escaped, const std::string& source, int line)
{
    std::string out;
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            out += escaped[i];
            continue;
        }
        if (++i == escaped.size())
            throw FormatError(source, line, "a backslash ends the line");
        switch (escaped[i]) {
        case 'r':
            out += '\r';
            break;
        case 'n':
            out += '\n';
            break;
        case 't':
            out += '\t';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            throw FormatError(source, line, std::string("unknown escape \\") + escaped[i]);
        }
    }
    return out;
}

std::string ToCp1252(std::string_view utf8, const std::string& source, int line)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString decoded = decoder(QByteArrayView(utf8.data(), static_cast<qsizetype>(utf8.size())));
    if (decoder.hasError())
        throw FormatError(source, line, "the text is not UTF-8");
    const std::string converted = text::FromQString(decoded, '\0');
    if (converted.find('\0') != std::string::npos)
        throw FormatError(source, line, "a character has no Windows-1252 form");
    return converted;
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
        std::string value = Unescape(ToCp1252(text.substr(tab + 1), source, line), source, line);
        if (!table.emplace(id, std::move(value)).second)
            throw FormatError(source, line, "id " + std::to_string(id) + " is given twice");
    }
    return table;
}

} // namespace res
