// The default palette of a Windows display and the system colours, fixed
// here to the classic grey set whatever the desktop theme, so that what the
// system saves and draws is the same everywhere.
#pragma once

#include "platform/gdi/types.h"

#include <array>

namespace gdi {

// The 20 static colours, in palette order.
const std::array<COLORREF, 20>& DefaultPalette();

// The button face: always light grey, whatever the desktop theme.
constexpr COLORREF kButtonFaceColour = RGB(0xC0, 0xC0, 0xC0);

// System colour indexes.
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;
constexpr int COLOR_BTNTEXT = 18;
constexpr int COLOR_BTNHIGHLIGHT = 20;

// The classic colours: white windows with black text, a navy highlight
// with white text, a light grey button face with a grey shadow and a white
// highlight. Indexes not listed give black.
constexpr COLORREF GetSysColor(int index)
{
    switch (index) {
    case COLOR_WINDOW:
    case COLOR_HIGHLIGHTTEXT:
    case COLOR_BTNHIGHLIGHT:
        return RGB(0xFF, 0xFF, 0xFF);
    case COLOR_HIGHLIGHT:
        return RGB(0x00, 0x00, 0x80);
    case COLOR_BTNFACE:
        return kButtonFaceColour;
    case COLOR_BTNSHADOW:
    case COLOR_GRAYTEXT:
        return RGB(0x80, 0x80, 0x80);
    default:
        return RGB(0x00, 0x00, 0x00);
    }
}

} // namespace gdi
