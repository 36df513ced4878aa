// Object names: default names made of the kind's type name and a number,
// and the check of a name that a user types (Windows-1252 letter rules).
#include "forms/model/formobj.h"

#include "platform/text/cp1252.h"

#include <limits>

namespace {

constexpr uint16_t kNameEmpty = 132;
constexpr uint16_t kNameBadCharacters = 133;
constexpr uint16_t kNameIsDefault = 134;

// Longest number part of a default name, in digits.
constexpr size_t kMaxDefaultDigits = 5;

bool IsDigitChar(char c)
{
    auto u = static_cast<unsigned char>(c);
    return text::IsAlnum(u) && !text::IsAlpha(u);
}

// The number after the type name, or -1 when the rest is not a default
// name's number (too long or not digits).
long DefaultNumberPart(std::string_view name, const std::string& typeName)
{
    if (name.find(typeName) == std::string_view::npos)
        return -1;
    std::string_view rest = name.substr(std::min(typeName.size(), name.size()));
    if (rest.size() > kMaxDefaultDigits)
        return -1;
    long value = 0;
    for (char c : rest) {
        if (!IsDigitChar(c))
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

void FORMOBJ::GetTypeName(std::string& out) const
{
    out.clear();
}

std::string& FORMOBJ::GetDefaultName(std::string& out, int16_t number) const
{
    GetTypeName(out);
    out += std::to_string(number);
    return out;
}

int FORMOBJ::IsDefaultName(std::string_view candidate) const
{
    std::string typeName;
    GetTypeName(typeName);
    return DefaultNumberPart(candidate, typeName) >= 0 ? 1 : 0;
}

uint16_t FORMOBJ::GetDefaultNumber(std::string_view candidate) const
{
    std::string typeName;
    GetTypeName(typeName);
    // A default name whose number is beyond 16 bits has no number.
    const long value = DefaultNumberPart(candidate, typeName);
    return value > 0 && value <= std::numeric_limits<uint16_t>::max() ? uint16_t(value) : 0;
}

uint16_t FORMOBJ::CheckName(std::string_view candidate) const
{
    if (candidate.empty())
        return kNameEmpty;
    if (!text::IsAlpha(static_cast<unsigned char>(candidate.front())))
        return kNameBadCharacters;
    for (char c : candidate) {
        if (c != '_' && !text::IsAlnum(static_cast<unsigned char>(c)))
            return kNameBadCharacters;
    }
    std::string working = text::ToLower(candidate);
    working[0] = static_cast<char>(text::ToUpper(static_cast<unsigned char>(working[0])));
    return IsDefaultName(working) ? kNameIsDefault : 0;
}
