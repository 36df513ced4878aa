// What the Spacing page and the Text line spacing dialog share: the value,
// the tallest-font flag and the unit the controls show, their filling and
// their handlers, which report each new spacing.
#pragma once

#include "forms/dialogs/appearance/spacing_rules.h"

#include <cstdint>
#include <functional>

namespace ui {
class Dialog;
}

class SPACING_EDITOR {
public:
    explicit SPACING_EDITOR(std::function<void(uint16_t)> apply);

    // The value and its tallest-font flag (65535 or more).
    void SetSpacing(uint16_t value);
    uint16_t GetSpacing() const { return value; }
    void SetUnits(uint8_t unit) { units = unit; }
    uint8_t GetUnits() const { return units; }

    // Fills the controls; the edit's changes count from now on.
    void Init(ui::Dialog& dialog);
    bool OnCommand(int id, unsigned code);

private:
    // The controls from the value and unit; the edit is set quietly.
    void Fill();
    void Take(uint16_t spacing);

    std::function<void(uint16_t)> apply;
    ui::Dialog* dialog = nullptr;
    uint16_t value = kTallestFontSpacing;
    uint8_t tallest = 1;
    uint8_t units = kUnitInches;
    uint8_t initialised = 0;
};
