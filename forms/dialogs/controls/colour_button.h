// A colour swatch button (controls 1024 to 1043): 1024 white, 1025 black,
// 1026 the colour last picked with "Other...", 1027 to 1042 the 16
// colours, 1043 the sample of a transparent fill; a sunken frame, and an
// inner black frame while selected. Other ids draw nothing.
#pragma once

#include "platform/ui/dialog/owner_draw.h"

namespace ui {
class Dialog;
}

class COLOUR_BUTTON : public ui::OwnerDrawer {
public:
    void Attach(ui::Dialog& dialog, int id);
    void Redraw();

    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

    int selected = 0;

private:
    ui::Dialog* dialog = nullptr;
    int id = 0;
};
