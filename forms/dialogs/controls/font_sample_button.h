// The sample of the Text page and the Text Format dialog: "AaBbYyZz" in
// the font being edited, centred on the button face.
#pragma once

#include "forms/model/textattr.h"

#include "platform/ui/dialog/owner_draw.h"

#include <string>

namespace ui {
class Dialog;
}

class FONT_SAMPLE_BUTTON : public ui::OwnerDrawer {
public:
    // The button shows the format it is given (the owner's current one).
    void Attach(ui::Dialog& dialog, int id, const TEXTATTR* format);
    void Redraw();
    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

private:
    ui::Dialog* dialog = nullptr;
    int id = 0;
    const TEXTATTR* format = nullptr;
    std::string text;
};
