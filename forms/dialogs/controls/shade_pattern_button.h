// A pattern button of the Shade page and the Shade Format dialog (1002 to
// 1021: the pattern of its position in the edited colours; 1022 and 1023:
// the edited and the initial fill itself, white on white when transparent),
// in the swatches' sunken frame with their selection frame.
#pragma once

#include "forms/model/shade.h"

#include "platform/ui/dialog/owner_draw.h"

namespace ui {
class Dialog;
}

class SHADE_PATTERN_BUTTON : public ui::OwnerDrawer {
public:
    // The button draws the fill it is given (the owner's edited, working
    // or initial fill).
    void Attach(ui::Dialog& dialog, int id, const BASICSHADE* shade);
    // The fill to draw from now on.
    void Show(const BASICSHADE* shown) { shade = shown; }
    void Redraw();
    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

    int selected = 0;

private:
    ui::Dialog* dialog = nullptr;
    int id = 0;
    const BASICSHADE* shade = nullptr;
};

// The fill a pattern button shows for a fill: the position's pattern in
// its colours, or for the samples the fill itself, white on white when it
// is transparent.
BASICSHADE ShownPattern(int id, const BASICSHADE& shade);
