#include "platform/storage/element_name.h"

#include "platform/text/cp1252.h"

namespace storage {

bool IsValidElementName(std::string_view name)
{
    // Every Windows-1252 character is one UTF-16 unit, so bytes count characters.
    if (name.empty() || name.size() > 31)
        return false;
    return name.find_first_of(std::string_view("\0\\/:!", 5)) == std::string_view::npos;
}

int CompareElementNames(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return text::CompareNoCase(a, b);
}

} // namespace storage
