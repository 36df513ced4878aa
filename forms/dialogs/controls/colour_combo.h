// A combo box of the 16 colours (and "Automatic"), each item a swatch and
// the colour's name. The owner fills it with items whose data are 0 to 16.
#pragma once

#include "platform/ui/dialog/owner_draw.h"

namespace ui {
class Dialog;
}

class COLOUR_COMBO : public ui::OwnerDrawer {
public:
    void Attach(ui::Dialog& dialog, int id);

    // The name's height and 2 pixels above and below it.
    void MeasureItem(ui::MEASUREITEMSTRUCT& item) override;
    void DrawItem(ui::DRAWITEMSTRUCT& item) override;
};
