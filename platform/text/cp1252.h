// Windows-1252 text: the one place where stored 8-bit text meets Unicode,
// and the letter and case rules of that code page.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace text {

// Unicode code point of a Windows-1252 byte. Total: the five bytes the code
// page leaves undefined map to the C1 controls of the same value.
char32_t ToUnicode(unsigned char byte);

// Windows-1252 byte of a code point, or -1 when the code page has none.
int FromUnicode(char32_t codePoint);

QString ToQString(std::string_view cp1252);
// Characters without a Windows-1252 byte become `replacement`.
std::string FromQString(const QString& text, char replacement = '?');

std::string ToUtf8(std::string_view cp1252);
std::string FromUtf8(std::string_view utf8, char replacement = '?');

// Letter and case rules of Windows-1252 (not of the C locale).
bool IsAlpha(unsigned char c);
bool IsDigit(unsigned char c);
bool IsAlnum(unsigned char c);
bool IsUpper(unsigned char c);
bool IsLower(unsigned char c);
unsigned char ToUpper(unsigned char c);
unsigned char ToLower(unsigned char c);
std::string ToUpper(std::string_view s);
std::string ToLower(std::string_view s);

// Case-insensitive comparison by upper-cased bytes: <0, 0 or >0.
int CompareNoCase(std::string_view a, std::string_view b);
bool EqualNoCase(std::string_view a, std::string_view b);

} // namespace text
