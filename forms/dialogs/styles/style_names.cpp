#include "forms/dialogs/styles/style_names.h"

#include "forms/res/program_resources.h"

#include "platform/text/cp1252.h"

#include <array>

namespace {

struct KindWord {
    uint8_t type;
    uint32_t stringId;
};

constexpr std::array<KindWord, 14> kKindWords = {{
    {0x13, 602},
    {0x16, 603},
    {0x15, 604},
    {0x0B, 605},
    {0x0E, 606},
    {0x14, 607},
    {0x12, 608},
    {0x11, 609},
    {0x10, 610},
    {0x17, 611},
    {0x18, 612},
    {0x0F, 613},
    {0x0D, 614},
    {0x0C, 615},
}};

bool IsBlank(unsigned char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

} // namespace

std::string StyleTypeWord(uint8_t type)
{
    for (const KindWord& kind : kKindWords)
        if (kind.type == type)
            return ProgramResources().LoadString(kind.stringId);
    return {};
}

std::string FormatStyleName(uint8_t type, std::string_view name)
{
    const std::string word = StyleTypeWord(type);
    if (word.empty())
        return ":" + std::string(name);
    return word + ": " + std::string(name);
}

uint8_t TypeFromStyleName(std::string_view entry)
{
    const size_t colon = entry.find(':');
    if (colon == std::string_view::npos)
        return 0;
    const std::string_view word = entry.substr(0, colon);
    for (const KindWord& kind : kKindWords)
        if (ProgramResources().LoadString(kind.stringId) == word)
            return kind.type;
    return 0;
}

std::string StyleNameWithoutType(std::string_view entry)
{
    const size_t colon = entry.find(':');
    if (colon == std::string_view::npos || colon + 2 >= entry.size())
        return {};
    return std::string(entry.substr(colon + 2));
}

uint16_t NormaliseStyleName(std::string& name)
{
    while (!name.empty() && IsBlank(static_cast<unsigned char>(name.back())))
        name.pop_back();
    if (name.empty())
        return kStyleNameEmpty;
    if (!text::IsAlpha(static_cast<unsigned char>(name.front())))
        return kStyleNameFirstLetter;
    for (const char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (!text::IsAlnum(u) && u != '_')
            return kStyleNameCharacters;
    }
    name = text::ToLower(name);
    name.front() = static_cast<char>(text::ToUpper(static_cast<unsigned char>(name.front())));
    return 0;
}
