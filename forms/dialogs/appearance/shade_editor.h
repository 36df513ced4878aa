// What the Shade page and the Shade Format dialog share: the swatches,
// pattern buttons, background buttons and transparent sample, their marks
// kept in step with the fill, and the handlers, which change the fill and
// report each change.
#pragma once

#include "forms/dialogs/appearance/shade_rules.h"
#include "forms/dialogs/controls/colour_button.h"
#include "forms/dialogs/controls/shade_pattern_button.h"
#include "forms/dialogs/controls/swatch_row.h"

#include <array>
#include <functional>

class SHADE_EDITOR {
public:
    SHADE_EDITOR(BASICSHADE& shade, std::function<void()> changed);

    // Takes the fill's marks (the other colour becomes the program-wide
    // one shown on 1026).
    void SetShade(const BASICSHADE& shade);
    // Attaches the buttons and marks the fill's swatch, pattern and
    // background, or only the transparent sample.
    void Init(ui::Dialog& dialog);
    // A control's notification; true when it was one of these controls.
    bool OnCommand(int id, unsigned code);
    const ShadeMarks& GetMarks() const { return marks; }

private:
    // Moves the marks to those of the changed fill.
    void UpdateMarks(bool fromOtherMenu);
    void MarkBackground(int button, int value);
    COLOUR_BUTTON* BackgroundButton(int id);

    BASICSHADE& shade;
    std::function<void()> changed;
    ui::Dialog* dialog = nullptr;
    SWATCH_ROW swatches;
    std::array<SHADE_PATTERN_BUTTON, kPatternCount> patterns;
    COLOUR_BUTTON black;
    COLOUR_BUTTON white;
    COLOUR_BUTTON other;
    COLOUR_BUTTON transparentSample;
    ShadeMarks marks;
};
