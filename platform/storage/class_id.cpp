#include "platform/storage/class_id.h"

#include <algorithm>

namespace storage {
namespace {

// Byte positions in the file of the 16 bytes as the text spells them.
constexpr std::array<int, 16> kTextOrder = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
// Text positions after which a dash stands.
constexpr std::array<int, 4> kDashAfter = {3, 5, 7, 9};

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool DashAfter(int i)
{
    return std::find(kDashAfter.begin(), kDashAfter.end(), i) != kDashAfter.end();
}

} // namespace

bool ClassId::IsNull() const
{
    return std::all_of(bytes.begin(), bytes.end(), [](uint8_t b) { return b == 0; });
}

std::string ClassId::ToString() const
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string s = "{";
    for (int i = 0; i < 16; ++i) {
        uint8_t b = bytes[kTextOrder[i]];
        s += kHex[b >> 4];
        s += kHex[b & 15];
        if (DashAfter(i))
            s += '-';
    }
    return s + "}";
}

std::optional<ClassId> ClassId::FromString(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '{' && text.back() == '}')
        text = text.substr(1, text.size() - 2);
    if (text.size() != 36)
        return std::nullopt;
    ClassId id;
    size_t pos = 0;
    for (int i = 0; i < 16; ++i) {
        int hi = HexValue(text[pos]);
        int lo = HexValue(text[pos + 1]);
        if (hi < 0 || lo < 0)
            return std::nullopt;
        id.bytes[kTextOrder[i]] = static_cast<uint8_t>(hi * 16 + lo);
        pos += 2;
        if (DashAfter(i) && text[pos++] != '-')
            return std::nullopt;
    }
    return id;
}

} // namespace storage
