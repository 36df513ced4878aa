// The 16 colour swatches (1027 to 1042) of an appearance dialog with the
// one that is marked selected.
#pragma once

#include "forms/dialogs/controls/colour_button.h"
#include "forms/dialogs/controls/colours.h"

#include <array>

class SWATCH_ROW {
public:
    // Attaches the swatches and marks the one given (-1: none).
    void Attach(ui::Dialog& dialog, int selected);
    // Marks another swatch (-1: none), redrawing the two that changed.
    void Mark(int index);
    // Whether the control is one of the swatches.
    static bool IsSwatch(int id)
    {
        return id >= static_cast<int>(kFirstSwatchId) && id <= static_cast<int>(kLastSwatchId);
    }
    // Moves the mark to the swatch of a control; false when it was there.
    bool Select(int id);
    int GetSelected() const { return selected; }

private:
    std::array<COLOUR_BUTTON, kColourCount> swatches;
    int selected = 0;
};
