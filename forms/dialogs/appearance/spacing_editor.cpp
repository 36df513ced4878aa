#include "forms/dialogs/appearance/spacing_editor.h"

#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/notifications.h"

SPACING_EDITOR::SPACING_EDITOR(std::function<void(uint16_t)> onChange)
    : apply(std::move(onChange))
{}

void SPACING_EDITOR::SetSpacing(uint16_t spacing)
{
    value = spacing;
    tallest = spacing >= kTallestFontSpacing;
}

void SPACING_EDITOR::Init(ui::Dialog& owner)
{
    dialog = &owner;
    Fill();
    initialised = 1;
}

void SPACING_EDITOR::Fill()
{
    dialog->CheckRadioButton(
        kInchesRadio, kCentimetresRadio, units == kUnitCentimetres ? kCentimetresRadio : kInchesRadio);
    dialog->CheckDlgButton(kFixedHeightRadio, !tallest);
    dialog->CheckDlgButton(kTallestFontRadio, tallest);
    dialog->EnableItem(kSpacingValueEdit, !tallest);
    dialog->SetDlgItemTextQuietly(kSpacingValueEdit, tallest ? std::string() : SpacingText(value, units));
}

void SPACING_EDITOR::Take(uint16_t spacing)
{
    SetSpacing(spacing);
    apply(value);
    Fill();
}

bool SPACING_EDITOR::OnCommand(int id, unsigned code)
{
    if (!dialog)
        return false;
    const bool click = code == ui::BN_CLICKED;
    switch (id) {
    case kInchesRadio:
    case kCentimetresRadio:
        if (click) {
            units = id == kCentimetresRadio ? kUnitCentimetres : kUnitInches;
            Fill();
        }
        return true;
    case kSixLinesButton:
        if (click)
            Take(kSixLinesPerInch);
        return true;
    case kEightLinesButton:
        if (click)
            Take(kEightLinesPerInch);
        return true;
    case kFixedHeightRadio:
        if (click && tallest)
            Take(kEightLinesPerInch);
        return true;
    case kTallestFontRadio:
        if (click && !tallest)
            Take(kTallestFontSpacing);
        return true;
    case kSpacingValueEdit:
        if (code == ui::EN_CHANGE && initialised) {
            if (const auto spacing = ParseSpacing(dialog->GetDlgItemText(kSpacingValueEdit), units)) {
                SetSpacing(*spacing);
                apply(value);
            }
        }
        return true;
    default:
        return false;
    }
}
