// What the Text page and the Text Format dialog share: the current format
// the controls show, the change record that carries the one field the last
// control changed, the controls' filling and their handlers. Each change is
// handed to the owner and the change record is mixed again.
#pragma once

#include "forms/dialogs/appearance/font_rules.h"
#include "forms/dialogs/controls/colour_combo.h"
#include "forms/dialogs/controls/font_sample_button.h"
#include "forms/dialogs/controls/icon_button.h"
#include "forms/document/font_lists.h"
#include "forms/model/textattr.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class FONT_EDITOR {
public:
    // `apply` receives the change record of each change.
    explicit FONT_EDITOR(std::function<void(const TEXTATTR&)> apply);

    void SetFont(const TEXTATTR& format) { current = format; }
    const TEXTATTR& GetFont() const { return current; }
    // The faces the font combo lists (the installed ones when not given).
    void SetFaceNames(std::vector<std::string> names) { faceNames = std::move(names); }
    // With 0 the sample and its frame are hidden.
    void ShowSample(int show) { showSample = show; }

    void Init(ui::Dialog& dialog);
    bool OnCommand(int id, unsigned code);
    const ICON_BUTTON& Toggle(int control) const;

private:
    void FillControls();
    void FillSizes(uint16_t wantedPoints, bool applyNearest);
    void ChangeTypeface();
    void Latch(int control, bool latched);
    ICON_BUTTON& ToggleFor(int control);
    void Changed();

    std::function<void(const TEXTATTR&)> apply;
    ui::Dialog* dialog = nullptr;
    TEXTATTR current;
    TEXTATTR change = MixedTextAttr();
    COLOUR_COMBO colourCombo;
    FONT_SAMPLE_BUTTON sample;
    std::array<ICON_BUTTON, kStyleToggles.size()> toggles;
    FontSizeList sizes;
    std::vector<std::string> faceNames;
    int initialised = 0;
    int showSample = 1;
};
