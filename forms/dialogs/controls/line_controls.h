// The line controls of the Border page and the Line Format dialog: the
// owner-drawn list of the five line styles, the combo of thicknesses in
// points, and the sample button that shows a border's line.
#pragma once

#include "forms/model/border.h"

#include "platform/ui/dialog/owner_draw.h"

namespace ui {
class Dialog;
}

// Draws a border's line across a rectangle (device pixels): nothing for
// no line; else narrowed by a sixth of its width on each side, the width
// in pixels of the screen, two strokes of (w - 1) / 2 with a pixel between
// them for a double line at least 3 pixels wide, else one stroke of w;
// centred vertically, dashed by the border's style.
void DrawLineSample(gdi::DC& dc, const BORDER& border, const gdi::RECT& rect);

class LINE_STYLE_LIST : public ui::OwnerDrawer {
public:
    // Fills the list with the style names.
    void Attach(ui::Dialog& dialog, int id);
    // A fifth of the list's client height.
    void MeasureItem(ui::MEASUREITEMSTRUCT& item) override;
    // Window colour (highlight when selected), focus rectangle, and a
    // 14-twip single line of the item's style in the text colour.
    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

    int count = 5;

private:
    ui::Dialog* dialog = nullptr;
    int id = 0;
};

class LINE_WIDTH_COMBO {
public:
    // Fills the combo with the listed thicknesses, each with " pt".
    void Attach(ui::Dialog& dialog, int id);

    int count = 6;
};

// The new (1022) or the old (1023) line of the Line Format dialog on a
// window-coloured field in a sunken frame.
class LINE_SAMPLE_BUTTON : public ui::OwnerDrawer {
public:
    void Attach(ui::Dialog& dialog, int id, const BORDER* border);
    void Redraw();
    void DrawItem(ui::DRAWITEMSTRUCT& item) override;

private:
    ui::Dialog* dialog = nullptr;
    int id = 0;
    const BORDER* border = nullptr;
};
