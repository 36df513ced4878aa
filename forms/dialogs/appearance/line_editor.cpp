#include "forms/dialogs/appearance/line_editor.h"

#include "forms/dialogs/appearance/line_rules.h"

#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/notifications.h"

LINE_EDITOR::LINE_EDITOR(BORDER& edited, std::function<void()> onChange)
    : border(edited)
    , changed(std::move(onChange))
{}

void LINE_EDITOR::SetBorder(const BORDER& from)
{
    border.Copy(from);
    swatch = SwatchOfColour(border.colour);
}

void LINE_EDITOR::Init(ui::Dialog& owner)
{
    dialog = &owner;
    swatches.Attach(owner, swatch);
    styleList.Attach(owner, kLineStyleList);
    widthCombo.Attach(owner, kLineWidthCombo);

    const bool roundable = border.roundedFlag != 0;
    owner.EnableItem(kRoundCornersBox, roundable);
    owner.ShowItem(kRoundCornersBox, roundable);
    owner.CheckDlgButton(kRoundCornersBox, roundable && border.rounding != 0);

    const std::string width = WidthText(border.width);
    if (const int at = owner.FindStringExact(kLineWidthCombo, width); at >= 0)
        owner.SetCurSel(kLineWidthCombo, at);
    owner.SetDlgItemText(kLineWidthCombo, width);

    ShowLineType(ApplyWidthRule(border));
    if (border.reserved) {
        owner.SetCurSel(kLineStyleList, 0);
        owner.EnableItem(kLineStyleList, false);
        ShowLineType(ApplyStyleRule(border, 0));
    } else if (const int index = StyleListIndex(border.style); index >= 0) {
        owner.SetCurSel(kLineStyleList, index);
        ShowLineType(ApplyStyleRule(border, index));
    }
}

void LINE_EDITOR::ShowLineType(bool doubleAllowed)
{
    if (const int radio = LineTypeRadio(border.lineType))
        dialog->CheckRadioButton(kLineNoneRadio, kLineDoubleRadio, radio);
    dialog->EnableItem(kLineDoubleRadio, doubleAllowed);
}

void LINE_EDITOR::TakeWidth(uint16_t width)
{
    border.SetWidth(width);
    ShowLineType(ApplyWidthRule(border));
}

void LINE_EDITOR::WidthLostFocus()
{
    std::string text = dialog->GetDlgItemText(kLineWidthCombo);
    int at = dialog->FindStringExact(kLineWidthCombo, text);
    if (at < 0 && text.find(" pt") == std::string::npos) {
        text += " pt";
        at = dialog->FindStringExact(kLineWidthCombo, text);
        if (at < 0 && ParseWidth(text))
            dialog->SetDlgItemText(kLineWidthCombo, text);
    }
    if (at >= 0)
        dialog->SetCurSel(kLineWidthCombo, at);
}

bool LINE_EDITOR::OnCommand(int id, unsigned code)
{
    if (!dialog)
        return false;
    if (SWATCH_ROW::IsSwatch(id)) {
        if (code == ui::BN_CLICKED && swatches.Select(id)) {
            swatch = swatches.GetSelected();
            border.SetColour(ColourFromSwatchId(static_cast<unsigned>(id)));
            changed();
        }
        return true;
    }
    switch (id) {
    case kLineNoneRadio:
    case kLineNoneRadio + 1:
    case kLineDoubleRadio:
        if (code == ui::BN_CLICKED) {
            border.SetLineType(static_cast<uint16_t>(id - kLineNoneRadio));
            changed();
        }
        return true;
    case kRoundCornersBox:
        if (code == ui::BN_CLICKED) {
            ToggleRounding(border);
            changed();
        }
        return true;
    case kLineStyleList:
        if (code == ui::LBN_SELCHANGE) {
            if (const int index = dialog->GetCurSel(kLineStyleList); index >= 0) {
                ShowLineType(ApplyStyleRule(border, index));
                changed();
            }
        }
        return true;
    case kLineWidthCombo:
        if (code == ui::CBN_SELCHANGE) {
            const std::string text = dialog->GetItemText(kLineWidthCombo, dialog->GetCurSel(kLineWidthCombo));
            dialog->SetDlgItemText(kLineWidthCombo, text);
            if (const auto width = ParseWidth(text))
                TakeWidth(*width);
            changed();
        } else if (code == ui::CBN_EDITCHANGE) {
            const double typed = TypedWidth(dialog->GetDlgItemText(kLineWidthCombo));
            if (typed >= 0.5 && typed <= 10) {
                if (const auto width = ParseWidth(dialog->GetDlgItemText(kLineWidthCombo)))
                    TakeWidth(*width);
                changed();
            }
        } else if (code == ui::CBN_KILLFOCUS) {
            WidthLostFocus();
        }
        return true;
    default:
        return false;
    }
}
