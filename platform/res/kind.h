// The kinds of resource a program carries. Ids repeat across kinds, so a
// resource is named by its kind and its id together.
#pragma once

#include <cstdint>
#include <string_view>

namespace res {

enum class Kind : std::uint8_t { String, Menu, Accelerator, Dialog, Bitmap, Icon, Cursor };

std::string_view KindName(Kind kind);

} // namespace res
