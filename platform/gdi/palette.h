// The default palette of a Windows display and the system colours that are
// fixed here because the system saves them into files.
#pragma once

#include "platform/gdi/types.h"

#include <array>

namespace gdi {

// The 20 static colours, in palette order.
const std::array<COLORREF, 20>& DefaultPalette();

// The button face: always light grey, whatever the desktop theme.
constexpr COLORREF kButtonFaceColour = RGB(0xC0, 0xC0, 0xC0);

} // namespace gdi
