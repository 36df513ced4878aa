#include "forms/dialogs/data/field_valid.h"

#include "forms/dialogs/data/decimal_places.h"
#include "forms/dialogs/data/validation_rule.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QWidget>

namespace {

constexpr uint32_t kValidationPageId = 196;
constexpr int kOperatorList = 1345;
constexpr int kNot = 1346;
constexpr int kNotText = 1347;
constexpr int kValue1 = 1343;
constexpr int kAnd = 1369;
constexpr int kValue2 = 1344;
constexpr int kDecimalsLabel = 1373;
constexpr int kDecimals = 1370;
constexpr int kNoValidation = 1065;

bool KindHasRule(uint8_t kind)
{
    return kind == kKindNumber || kind == kKindDate || kind == kKindText || kind == kKindMemo;
}

} // namespace

FIELD_VALID::FIELD_VALID()
    : ui::PropertyPage(ProgramResources().LoadDialog(kValidationPageId))
{}

bool FIELD_VALID::OnInitDialog()
{
    initialised = true;
    Refresh();
    return true;
}

bool FIELD_VALID::OnSetActive()
{
    Refresh();
    return true;
}

void FIELD_VALID::Refresh()
{
    if (!initialised || !IsCreated() || !dataType)
        return;
    const uint8_t kind = dataType->GetTypeTag();
    const bool enabled = KindHasRule(kind);
    for (int id : {kValue1, kValue2, kAnd, kOperatorList, kNot, kDecimals})
        EnableItem(id, enabled);
    ResetContent(kOperatorList);
    for (uint16_t op : kRuleOperators)
        AddString(kOperatorList, ProgramResources().LoadString(op), op);
    const uint16_t op = dataType->GetRuleOperator();
    SetCurSel(kOperatorList, RuleOperatorPosition(op));
    int negate = 0;
    std::string value1;
    std::string value2;
    if (op != 0)
        dataType->GetRule(negate, value1, value2);
    SetDlgItemTextQuietly(kValue1, value1);
    SetDlgItemTextQuietly(kValue2, value2);
    const bool number = kind == kKindNumber;
    if (number) {
        std::string decimals;
        static_cast<NUMBERDATATYPE*>(dataType)->GetDecimalText(decimals);
        SetDlgItemTextQuietly(kDecimals, decimals);
    }
    CheckDlgButton(kNot, negate != 0);
    ShowItem(kNotText, negate != 0);
    EnableSecondValue();
    ShowItem(kDecimals, number);
    ShowItem(kDecimalsLabel, number);
    touched = false;
}

void FIELD_VALID::EnableSecondValue()
{
    const int at = GetCurSel(kOperatorList);
    const bool between = at >= 0 && GetItemData(kOperatorList, at) == kRuleBetween;
    const bool enabled = dataType && KindHasRule(dataType->GetTypeTag());
    EnableItem(kValue2, enabled && between);
    EnableItem(kAnd, enabled && between);
}

bool FIELD_VALID::OnCommand(int id, unsigned code)
{
    switch (id) {
    case kOperatorList:
        if (code == ui::CBN_SELCHANGE) {
            touched = true;
            EnableSecondValue();
        }
        return true;
    case kNot:
        if (code == ui::BN_CLICKED) {
            touched = true;
            ShowItem(kNotText, IsDlgButtonChecked(kNot));
        }
        return true;
    case kValue1:
    case kValue2:
        if (code == ui::EN_CHANGE)
            touched = true;
        return true;
    case kNoValidation:
        if (code == ui::BN_CLICKED) {
            SetDlgItemTextQuietly(kValue1, "");
            SetDlgItemTextQuietly(kValue2, "");
            SetDlgItemTextQuietly(kDecimals, "");
            SetCurSel(kOperatorList, 0);
            EnableItem(kValue2, false);
            EnableItem(kAnd, false);
            CheckDlgButton(kNot, false);
            ShowItem(kNotText, false);
            touched = true;
        }
        return true;
    default:
        return ui::PropertyPage::OnCommand(id, code);
    }
}

bool FIELD_VALID::OnKillActive()
{
    if (!dataType || !IsCreated())
        return true;
    auto* list = GetDlgItem(kOperatorList);
    if (!list || !list->isEnabled())
        return true;
    if (dataType->GetTypeTag() == kKindNumber) {
        int places = -1;
        if (const uint16_t refusal = ReadDecimalPlaces(GetDlgItemText(kDecimals), places)) {
            ui::MessageBox(ProgramResources().LoadString(refusal), {});
            GotoDlgCtrl(kDecimals);
            return false;
        }
        static_cast<NUMBERDATATYPE*>(dataType)->SetDecimalFromString(places < 0 ? "" : std::to_string(places));
    }
    if (!touched)
        return true;
    const int negate = IsDlgButtonChecked(kNot) ? 1 : 0;
    const int at = GetCurSel(kOperatorList);
    uint16_t op = at >= 0 ? static_cast<uint16_t>(GetItemData(kOperatorList, at)) : 0;
    const std::string value1 = GetDlgItemText(kValue1);
    if (value1.empty())
        op = 0;
    std::string value2;
    if (op == kRuleBetween && GetDlgItem(kValue2)->isEnabled())
        value2 = GetDlgItemText(kValue2);
    std::string message;
    if (!dataType->SetRule(op, negate, value1, value2, message)) {
        ui::MessageBox(message, {});
        GotoDlgCtrl(kValue1);
        return false;
    }
    touched = false;
    return true;
}
