// How a colour menu item and a colour combo item are laid out: the swatch
// from left + 5 to left + 45, the colour's name at left + 50.
#pragma once

#include "platform/gdi/font.h"
#include "platform/gdi/types.h"
#include "platform/ui/dialog/owner_draw.h"

#include <string_view>

// The font of colour items: the dialog font.
gdi::LOGFONT ColourItemFont();

// Width: the name's + 50; height: the text's.
void MeasureColourItem(ui::MEASUREITEMSTRUCT& item, std::string_view name);

// Highlight background and text when selected (window colours otherwise), a
// focus rectangle when focused, the name at (left + 50, top + textOffset)
// and the swatch outlined with the current pen.
void DrawColourItem(ui::DRAWITEMSTRUCT& item, std::string_view name, gdi::COLORREF colour, int textOffset);
