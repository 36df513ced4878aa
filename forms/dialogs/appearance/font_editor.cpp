#include "forms/dialogs/appearance/font_editor.h"

#include "forms/dialogs/controls/colours.h"
#include "forms/dialogs/controls/font_combos.h"
#include "forms/document/font_table.h"
#include "forms/model/fontface.h"

#include "platform/gdi/font_families.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/notifications.h"

#include <cstdio>

namespace {

constexpr uint16_t kTwipsPerPoint = 20;

} // namespace

FONT_EDITOR::FONT_EDITOR(std::function<void(const TEXTATTR&)> onChange)
    : apply(std::move(onChange))
{}

ICON_BUTTON& FONT_EDITOR::ToggleFor(int control)
{
    for (size_t i = 0; i < kStyleToggles.size(); ++i)
        if (kStyleToggles[i].control == control)
            return toggles[i];
    return toggles[0];
}

const ICON_BUTTON& FONT_EDITOR::Toggle(int control) const
{
    return const_cast<FONT_EDITOR*>(this)->ToggleFor(control);
}

void FONT_EDITOR::Init(ui::Dialog& owner)
{
    dialog = &owner;
    owner.GotoDlgCtrl(kFontNameCombo);
    if (!showSample) {
        owner.ShowItem(kSampleGroup, false);
        owner.ShowItem(kFontSample, false);
    }
    colourCombo.Attach(owner, kFontColourCombo);
    owner.ResetContent(kFontColourCombo);
    for (int i = 0; i < kColourCount; ++i)
        owner.AddString(kFontColourCombo, std::to_string(i), static_cast<uintptr_t>(i));
    if (faceNames.empty())
        FillFontNameCombo(owner, kFontNameCombo);
    else
        FillFontNameCombo(owner, kFontNameCombo, faceNames);
    sample.Attach(owner, kFontSample, &current);
    for (size_t i = 0; i < kStyleToggles.size(); ++i) {
        toggles[i].icon = kStyleToggles[i].icon;
        toggles[i].centreIcon = 1;
        toggles[i].Attach(owner, kStyleToggles[i].control);
    }
    initialised = 1;
    FillControls();
}

void FONT_EDITOR::Latch(int control, bool latched)
{
    ICON_BUTTON& button = ToggleFor(control);
    if (button.latched != static_cast<int>(latched)) {
        button.latched = latched;
        button.Redraw();
    }
}

void FONT_EDITOR::FillSizes(uint16_t wantedPoints, bool applyNearest)
{
    FillFontSizeCombo(*dialog, kFontSizeCombo, dialog->GetDlgItemText(kFontNameCombo), sizes);
    int at = SizeIndex(sizes, wantedPoints);
    if (at < 0 && applyNearest) {
        const uint16_t nearest = NearestSize(sizes, wantedPoints);
        change.size = static_cast<uint16_t>(nearest * kTwipsPerPoint);
        current.size = change.size;
        at = SizeIndex(sizes, nearest);
    }
    dialog->SetCurSel(kFontSizeCombo, at);
}

void FONT_EDITOR::FillControls()
{
    if (!initialised)
        return;
    if (current.face != kMixedWord) {
        const std::string name = GetFaceName(current.face);
        if (const int at = dialog->FindStringExact(kFontNameCombo, name); at >= 0)
            dialog->SetCurSel(kFontNameCombo, at);
        else
            dialog->SetDlgItemText(kFontNameCombo, name);
    }
    FillSizes(current.size == kMixedWord ? 0 : static_cast<uint16_t>(current.size / kTwipsPerPoint), false);
    Latch(kBoldButton, current.bold == 1);
    Latch(kItalicButton, current.italic == 1);
    const UnderlineLatches underline = LatchesOf(current.underline);
    Latch(kUnderlineButton, underline.single);
    Latch(kWordUnderlineButton, underline.word);
    Latch(kDoubleUnderlineButton, underline.dbl);
    dialog->CheckDlgButton(kStrikeOutBox, current.strike == 1);
    dialog->SetCurSel(kFontColourCombo, ComboIndexFromColour(current.colour));
}

void FONT_EDITOR::ChangeTypeface()
{
    const std::string name = dialog->GetDlgItemText(kFontNameCombo);
    const std::vector<gdi::FontFamily> families = gdi::EnumInstalledFontFamilies(name);
    FONT_TABLE* table = GetProgramFontTable();
    // An unknown face changes nothing: the object keeps its own.
    if (families.empty() || !table)
        return;
    const gdi::FontFamily& family = families.front();
    current.face = table->FindOrAdd(FONTFACE(family.faceName, family.pitchAndFamily, family.charSet));
    change.face = current.face;
    FillSizes(current.size == kMixedWord ? 0 : static_cast<uint16_t>(current.size / kTwipsPerPoint),
        current.size != kMixedWord);
    Changed();
}

void FONT_EDITOR::Changed()
{
    if (showSample)
        sample.Redraw();
    apply(change);
    change = MixedTextAttr();
}

bool FONT_EDITOR::OnCommand(int id, unsigned code)
{
    if (!dialog)
        return false;
    switch (id) {
    case kBoldButton:
    case kItalicButton:
        if (code == ui::BN_CLICKED) {
            const bool latched = !ToggleFor(id).latched;
            Latch(id, latched);
            uint8_t& field = id == kBoldButton ? current.bold : current.italic;
            field = latched ? 1 : 0;
            (id == kBoldButton ? change.bold : change.italic) = field;
            Changed();
        }
        return true;
    case kUnderlineButton:
    case kWordUnderlineButton:
    case kDoubleUnderlineButton:
        if (code == ui::BN_CLICKED) {
            UnderlineLatches latches {ToggleFor(kUnderlineButton).latched != 0,
                ToggleFor(kWordUnderlineButton).latched != 0, ToggleFor(kDoubleUnderlineButton).latched != 0};
            current.underline = change.underline = ToggleUnderline(latches, id);
            Latch(kUnderlineButton, latches.single);
            Latch(kWordUnderlineButton, latches.word);
            Latch(kDoubleUnderlineButton, latches.dbl);
            Changed();
        }
        return true;
    case kStrikeOutBox:
        if (code == ui::BN_CLICKED) {
            current.strike = change.strike = dialog->IsDlgButtonChecked(kStrikeOutBox) ? 1 : 0;
            Changed();
        }
        return true;
    case kFontSizeCombo:
        if (code == ui::CBN_SELCHANGE) {
            const int at = dialog->GetCurSel(kFontSizeCombo);
            if (at >= 0 && at < sizes.count) {
                current.size = change.size
                    = static_cast<uint16_t>(sizes.sizes[static_cast<size_t>(at)] * kTwipsPerPoint);
                Changed();
            }
        }
        return true;
    case kFontColourCombo:
        if (code == ui::CBN_SELCHANGE) {
            const int at = dialog->GetCurSel(kFontColourCombo);
            if (at >= 0) {
                current.colour = change.colour = ColourFromComboIndex(static_cast<unsigned>(at) + kFirstColourName);
                Changed();
            }
        }
        return true;
    case kFontNameCombo:
        if (code == ui::CBN_SELCHANGE)
            ChangeTypeface();
        return true;
    default:
        return false;
    }
}
