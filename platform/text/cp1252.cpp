#include "platform/text/cp1252.h"

#include <array>

namespace text {
namespace {

// 0x80..0x9F; the undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC,
    0x0081,
    0x201A,
    0x0192,
    0x201E,
    0x2026,
    0x2020,
    0x2021,
    0x02C6,
    0x2030,
    0x0160,
    0x2039,
    0x0152,
    0x008D,
    0x017D,
    0x008F,
    0x0090,
    0x2018,
    0x2019,
    0x201C,
    0x201D,
    0x2022,
    0x2013,
    0x2014,
    0x02DC,
    0x2122,
    0x0161,
    0x203A,
    0x0153,
    0x009D,
    0x017E,
    0x0178,
};

} // namespace

char32_t ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return kHighControls[byte - 0x80];
    return byte;
}

int FromUnicode(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<int>(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == cp)
            return 0x80 + i;
    return -1;
}

QString ToQString(std::string_view s)
{
    QString out;
    out.reserve(static_cast<qsizetype>(s.size()));
    for (unsigned char c : s)
        out.append(QChar(static_cast<char16_t>(ToUnicode(c))));
    return out;
}

std::string FromQString(const QString& s, char replacement)
{
    std::string out;
    out.reserve(static_cast<size_t>(s.size()));
    for (char32_t cp : s.toStdU32String()) {
        int b = FromUnicode(cp);
        out.push_back(b < 0 ? replacement : static_cast<char>(b));
    }
    return out;
}

std::string ToUtf8(std::string_view s)
{
    return ToQString(s).toStdString();
}

std::string FromUtf8(std::string_view utf8, char replacement)
{
    return FromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())), replacement);
}

bool IsUpper(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return true;
    if (c == 0x8A || c == 0x8C || c == 0x8E || c == 0x9F)
        return true;
    return c >= 0xC0 && c <= 0xDE && c != 0xD7;
}

bool IsLower(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return true;
    if (c == 0x83 || c == 0x9A || c == 0x9C || c == 0x9E || c == 0xAA || c == 0xB5 || c == 0xBA)
        return true;
    return c >= 0xDF && c != 0xF7;
}

bool IsAlpha(unsigned char c)
{
    return IsUpper(c) || IsLower(c);
}

bool IsDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

bool IsAlnum(unsigned char c)
{
    return IsAlpha(c) || IsDigit(c);
}

unsigned char ToUpper(unsigned char c)
{
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 0x20);
    switch (c) {
    case 0x9A:
        return 0x8A;
    case 0x9C:
        return 0x8C;
    case 0x9E:
        return 0x8E;
    case 0xFF:
        return 0x9F;
    default:
        break;
    }
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return static_cast<unsigned char>(c - 0x20);
    return c;
}

unsigned char ToLower(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A:
        return 0x9A;
    case 0x8C:
        return 0x9C;
    case 0x8E:
        return 0x9E;
    case 0x9F:
        return 0xFF;
    default:
        break;
    }
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return static_cast<unsigned char>(c + 0x20);
    return c;
}

std::string ToUpper(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(ToUpper(static_cast<unsigned char>(c)));
    return out;
}

std::string ToLower(std::string_view s)
{
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(ToLower(static_cast<unsigned char>(c)));
    return out;
}

int CompareNoCase(std::string_view a, std::string_view b)
{
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        int ca = ToUpper(static_cast<unsigned char>(a[i]));
        int cb = ToUpper(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca - cb;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

} // namespace text
