// What the Shadow dialog and the Shadow page share: the colour swatches and
// corner buttons and their handlers, which change the shadow and report
// each change.
#pragma once

#include "forms/dialogs/controls/icon_button.h"
#include "forms/dialogs/controls/swatch_row.h"
#include "forms/model/shadow.h"

#include <array>
#include <functional>

class SHADOW_EDITOR {
public:
    SHADOW_EDITOR(SHADOW& shadow, std::function<void()> changed);

    // The swatch of the shadow's colour is the one to mark.
    void SetShadow(const SHADOW& shadow);
    // Attaches the buttons and latches the corner of the offsets; with
    // `applyCorner` the corner is chosen as a click would (its offsets
    // written and reported), else only latched.
    void Init(ui::Dialog& dialog, bool applyCorner);
    bool OnCommand(int id, unsigned code);
    int GetCorner() const { return corner; }
    int GetSwatch() const { return swatch; }
    const ICON_BUTTON& CornerButton(int index) const { return corners[static_cast<size_t>(index)]; }

private:
    void LatchCorner(int index);
    void ChooseCorner(int index);

    SHADOW& shadow;
    std::function<void()> changed;
    SWATCH_ROW swatches;
    std::array<ICON_BUTTON, 5> corners;
    int swatch = 0;
    int corner = 0;
};
