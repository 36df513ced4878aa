// A push button that draws an icon and an optional caption right of it,
// and can stay latched: drawn pressed while the flag is set.
#pragma once

#include "platform/gdi/font.h"
#include "platform/gdi/types.h"
#include "platform/ui/dialog/owner_draw.h"

#include <cstdint>
#include <string>

namespace ui {
class Dialog;
}

class ICON_BUTTON : public ui::OwnerDrawer {
public:
    // The button draws for control `id` of the dialog from now on, in the
    // dialog's font.
    void Attach(ui::Dialog& dialog, int id);
    // Draws the button again as it now is (after a change of its members).
    void Redraw();

    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

    uint16_t icon = 0;
    int latched = 0;
    int centreIcon = 0;
    uint16_t disabledIcon = 0;
    std::string caption; // Windows-1252
    gdi::COLORREF textColour = 0;
    // The caption's font; Attach sets the dialog's.
    gdi::LOGFONT font;

private:
    ui::Dialog* dialog = nullptr;
    int id = 0;
};
