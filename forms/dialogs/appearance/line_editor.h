// What the Border page and the Line Format dialog share: their controls'
// filling from a border and their handlers, which change the border and
// report each change.
#pragma once

#include "forms/dialogs/controls/line_controls.h"
#include "forms/dialogs/controls/swatch_row.h"
#include "forms/model/border.h"

#include <functional>

class LINE_EDITOR {
public:
    LINE_EDITOR(BORDER& border, std::function<void()> changed);

    // The swatch of the border's colour is the one to mark.
    void SetBorder(const BORDER& border);
    // Fills the controls from the border (applying nothing).
    void Init(ui::Dialog& dialog);
    // A control's notification; true when it was one of these controls.
    bool OnCommand(int id, unsigned code);
    int GetSwatch() const { return swatch; }

private:
    void TakeWidth(uint16_t width);
    // The line-type radios and "Double" as the border now is.
    void ShowLineType(bool doubleAllowed);
    void WidthLostFocus();

    BORDER& border;
    std::function<void()> changed;
    ui::Dialog* dialog = nullptr;
    SWATCH_ROW swatches;
    LINE_WIDTH_COMBO widthCombo;
    LINE_STYLE_LIST styleList;
    int swatch = 0;
};
