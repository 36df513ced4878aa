// Element names of compound files: which names are allowed and in what order
// elements stand in a storage.
#pragma once

#include <string_view>

namespace storage {

// 1 to 31 characters, without NUL, '\\', '/', ':' or '!'.
bool IsValidElementName(std::string_view name);

// Compound-file order: shorter names first, then by upper-cased characters.
int CompareElementNames(std::string_view a, std::string_view b);

} // namespace storage
