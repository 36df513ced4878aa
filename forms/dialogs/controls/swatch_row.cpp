#include "forms/dialogs/controls/swatch_row.h"

void SWATCH_ROW::Attach(ui::Dialog& dialog, int index)
{
    selected = index;
    for (int i = 0; i < kColourCount; ++i) {
        swatches[static_cast<size_t>(i)].selected = i == selected;
        swatches[static_cast<size_t>(i)].Attach(dialog, static_cast<int>(kFirstSwatchId) + i);
    }
}

void SWATCH_ROW::Mark(int index)
{
    if (index == selected)
        return;
    if (selected >= 0 && selected < kColourCount) {
        swatches[static_cast<size_t>(selected)].selected = 0;
        swatches[static_cast<size_t>(selected)].Redraw();
    }
    selected = index;
    if (selected >= 0 && selected < kColourCount) {
        swatches[static_cast<size_t>(selected)].selected = 1;
        swatches[static_cast<size_t>(selected)].Redraw();
    }
}

bool SWATCH_ROW::Select(int id)
{
    const int index = id - static_cast<int>(kFirstSwatchId);
    if (index == selected || index < 0 || index >= kColourCount)
        return false;
    Mark(index);
    return true;
}
