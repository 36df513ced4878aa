#include "forms/document/style_kinds.h"

int StyleKindIndex(uint8_t type)
{
    for (size_t i = 0; i < kStyleKinds.size(); ++i)
        if (kStyleKinds[i] == type)
            return static_cast<int>(i);
    return -1;
}

const std::string& STYLE_KINDS::GetCurrentName(uint8_t type) const
{
    static const std::string none;
    const int index = StyleKindIndex(type);
    return index < 0 ? none : names[static_cast<size_t>(index)];
}

void STYLE_KINDS::SetCurrentName(uint8_t type, std::string_view name)
{
    if (const int index = StyleKindIndex(type); index >= 0)
        names[static_cast<size_t>(index)] = name;
}

void STYLE_KINDS::Clear()
{
    for (std::string& name : names)
        name.clear();
}
