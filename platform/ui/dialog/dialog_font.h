// The dialog font: definitions name the Windows face ("MS Sans Serif"),
// which is mapped here, in this one place, to the metric-compatible face
// that fontconfig has; dialog units come from the mapped font's base units.
#pragma once

#include "platform/gdi/font.h"
#include "platform/gdi/types.h"

#include <QFont>
#include <string>
#include <string_view>

namespace ui {

// The face a dialog draws with for the face its definition names.
std::string MapDialogFace(std::string_view face);

// The dialog font at the screen's 96 dpi: the mapped face, its em height
// the point size in pixels.
gdi::LOGFONT DialogLogFont(int points, std::string_view face);
QFont DialogQFont(int points, std::string_view face);

// Windows' base units of a font: the average width of the 52 letters,
// rounded to whole pixels, and the character cell's height.
struct DialogBaseUnits {
    int x = 0;
    int y = 0;
    friend bool operator==(const DialogBaseUnits&, const DialogBaseUnits&) = default;
};
DialogBaseUnits BaseUnitsOf(const gdi::LOGFONT& font);

// Dialog units to pixels: x × base x / 4, y × base y / 8, each rounded as
// MulDiv rounds.
gdi::RECT MapDialogRect(int x, int y, int width, int height, DialogBaseUnits base);

} // namespace ui
