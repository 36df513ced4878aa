// Feeds arbitrary bytes to the style entry parser and the name check, as a
// style box or a list may hand them over: the parts never reach past the
// entry, a kind found formats back to the entry's own word, and a name the
// check accepts passes it again unchanged.
#include "forms/dialogs/styles/style_names.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string entry(reinterpret_cast<const char*>(data), size);
    const uint8_t type = TypeFromStyleName(entry);
    const std::string name = StyleNameWithoutType(entry);
    if (name.size() > entry.size())
        std::abort();
    if (!name.empty() && entry.compare(entry.size() - name.size(), name.size(), name) != 0)
        std::abort();
    if (type != 0 && FormatStyleName(type, name) != entry.substr(0, entry.find(':')) + ": " + name
        && entry.find(':') + 1 < entry.size() && entry[entry.find(':') + 1] == ' ')
        std::abort();
    std::string checked = name;
    if (NormaliseStyleName(checked) == 0) {
        std::string again = checked;
        if (NormaliseStyleName(again) != 0 || again != checked)
            std::abort();
    }
    return 0;
}
