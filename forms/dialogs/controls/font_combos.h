// Filling a dialog's typeface and point-size combo boxes from the font
// lists.
#pragma once

#include "forms/document/font_lists.h"

#include <string_view>

namespace ui {
class Dialog;
}

// Refills the combo with the installed faces (or the names given), keeping
// the selected face selected when it is still listed.
void FillFontNameCombo(ui::Dialog& dialog, int id);
void FillFontNameCombo(ui::Dialog& dialog, int id, const std::vector<std::string>& names);
// Refills the combo with the face's sizes, "%i" each, small to large, and
// answers them in `list`; returns 1.
int FillFontSizeCombo(ui::Dialog& dialog, int id, std::string_view face, FontSizeList& list);
