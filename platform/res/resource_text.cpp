#include "platform/res/resource_text.h"

#include "platform/res/errors.h"
#include "platform/text/cp1252.h"

#include <QStringDecoder>

namespace res {

std::string Cp1252FromUtf8(std::string_view utf8, const std::string& source, int line)
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

std::string Unescape(std::string_view escaped, std::string_view allowed, const std::string& source, int line)
{
    std::string out;
    for (size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] != '\\') {
            out += escaped[i];
            continue;
        }
        if (++i == escaped.size())
            throw FormatError(source, line, "a backslash ends the line");
        const char c = escaped[i];
        if (c != '\\' && allowed.find(c) == std::string_view::npos)
            throw FormatError(source, line, std::string("unknown escape \\") + c);
        out += c == 'r' ? '\r' : c == 'n' ? '\n' : c == 't' ? '\t' : '\\';
    }
    return out;
}

} // namespace res
