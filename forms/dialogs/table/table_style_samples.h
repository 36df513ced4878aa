// The Table Properties dialog's four style samples: owner-drawn buttons,
// each showing its table picture; exactly one is chosen, drawn pressed in
// with a frame round its picture.
#pragma once

#include "forms/dialogs/table/table_styles.h"

#include "platform/gdi/bitmap.h"
#include "platform/ui/dialog/owner_draw.h"

#include <array>

namespace ui {
class Dialog;
}

class TABLE_STYLE_SAMPLES : public ui::OwnerDrawer {
public:
    // Draws the dialog's four sample buttons from now on, `chosen` (an
    // index into kTableStyles) marked.
    void Attach(ui::Dialog& dialog, int chosen);
    // Marks a style: when it is not the chosen one already, the others lose
    // their mark and every button is drawn again.
    void Select(int index);
    int GetSelected() const { return selected; }

    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

private:
    ui::Dialog* dialog = nullptr;
    int selected = 0;
    // Each style's picture over the button face; null when it is missing.
    std::array<gdi::Bitmap, kTableStyles.size()> pictures;
};
