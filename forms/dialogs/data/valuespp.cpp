#include "forms/dialogs/data/valuespp.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/key_filter.h"
#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

#include <QWidget>
#include <algorithm>
#include <array>

namespace {

constexpr uint32_t kValuesPageId = 2056;
constexpr int kEntry = 1061;
constexpr int kList = 1070;
constexpr int kAdd = 1308;
constexpr int kInsert = 1309;
constexpr int kEdit = 1067;
constexpr int kDelete = 1068;
constexpr int kUp = 1069;
constexpr int kDown = 1071;
constexpr int kPermit = 1307;
constexpr int kHint = 1403;
constexpr int kInitial = 1375;
constexpr int kClear = 1065;
constexpr int kAutoIncrement = 1374;
constexpr int kChecked = 1240;
constexpr int kUnchecked = 1241;
constexpr int kMostEntry = 100;
constexpr uint32_t kAddText = 440;
constexpr uint32_t kEndAddText = 441;
constexpr uint32_t kNotAllOfType = 599;

constexpr std::array<int, 8> kListControls = {kList, kAdd, kInsert, kDelete, kEdit, kUp, kDown, kPermit};

} // namespace

VALUESPP::VALUESPP()
    : ui::PropertyPage(ProgramResources().LoadDialog(kValuesPageId))
{}

VALUESPP::~VALUESPP() = default;

void VALUESPP::Init(const LISTBOXVALUES* values, DATATYPE* type, uint32_t documentCounter)
{
    counter = documentCounter;
    dataType = type;
    mode = kIdle;
    list.reset();
    if (values) {
        list = std::make_unique<LISTBOXVALUES>();
        list->CopyFrom(*values);
        if (list->nCount != values->nCount)
            list.reset();
    }
}

void VALUESPP::EnableListValues(bool on)
{
    if (on && !list)
        list = std::make_unique<LISTBOXVALUES>();
}

void VALUESPP::SetListEnabled(bool on)
{
    if (on == listEnabled)
        return;
    listEnabled = on;
    if (IsCreated()) {
        EnableListControls();
        EnableItem(kEntry, false);
        UpdateButtons();
    }
}

void VALUESPP::EnableListControls()
{
    for (int id : kListControls)
        EnableItem(id, list && listEnabled);
}

void VALUESPP::UpdateButtons()
{
    if (!IsCreated())
        return;
    const bool usable = list && listEnabled;
    for (int id : {kAdd, kInsert, kDelete, kEdit, kUp, kDown})
        EnableItem(id, false);
    if (!usable)
        return;
    EnableItem(kAdd, mode == kIdle || mode == kAdding);
    if (mode != kIdle || list->nCount == 0)
        return;
    for (int id : {kInsert, kDelete, kEdit, kUp, kDown})
        EnableItem(id, true);
    const int at = GetCurSel(kList);
    if (at <= 0)
        EnableItem(kUp, false);
    if (at < 0 || at >= list->nCount - 1)
        EnableItem(kDown, false);
}

void VALUESPP::FillList(int select)
{
    ResetContent(kList);
    if (!list)
        return;
    for (uint16_t i = 0; i < list->nCount; ++i)
        AddString(kList, list->pValues[i]);
    if (list->nCount > 0)
        SetCurSel(kList, std::clamp(select, 0, list->nCount - 1));
}

void VALUESPP::ShowSelected()
{
    const int at = GetCurSel(kList);
    SetDlgItemTextQuietly(kEntry, list && at >= 0 && at < list->nCount ? list->pValues[at] : "");
}

bool VALUESPP::OnInitDialog()
{
    ShowItem(kHint, false);
    if (auto* edit = Item<QLineEdit>(kEntry))
        edit->setMaxLength(kMostEntry);
    EnableItem(kEntry, false);
    for (const res::DialogControl& control : Definition().controls) {
        const int id = control.id;
        const bool button
            = control.kind == res::ControlKind::PushButton || control.kind == res::ControlKind::DefPushButton;
        ui::InstallKeyFilter(GetDlgItem(id),
            [this, id, button](ui::FilteredKey key) { return OnPageKey(id, button, static_cast<int>(key)); });
    }
    FillList(0);
    ShowSelected();
    CheckDlgButton(kPermit, list && !list->bListOnly);
    EnableListControls();
    if (list)
        GotoDlgCtrl(kList);
    UpdateButtons();
    RefreshInitialValue();
    return false;
}

void VALUESPP::RefreshInitialValue()
{
    if (!IsCreated() || !dataType)
        return;
    const uint8_t kind = dataType->GetTypeTag();
    const bool check = kind == kKindCheckBox;
    ShowItem(kChecked, check);
    ShowItem(kUnchecked, check);
    ShowItem(kInitial, !check);
    ShowItem(kClear, !check);
    ShowItem(kAutoIncrement, kind == kKindNumber);
    if (check) {
        const bool on = static_cast<CHECK_DATATYPE*>(dataType)->nInitial != 0;
        CheckRadioButton(kChecked, kUnchecked, on ? kChecked : kUnchecked);
        return;
    }
    if (kind == kKindNumber)
        CheckDlgButton(kAutoIncrement, static_cast<NUMBERDATATYPE*>(dataType)->bAutoIncrement != 0);
    std::string initial;
    dataType->GetInitialValue(initial, counter);
    SetDlgItemTextQuietly(kInitial, initial);
}

bool VALUESPP::OnSetActive()
{
    EnableListControls();
    if (mode == kIdle)
        EnableItem(kEntry, false);
    UpdateButtons();
    RefreshInitialValue();
    return true;
}

void VALUESPP::StartEntry(Mode newMode)
{
    mode = newMode;
    EnableItem(kEntry, true);
    if (newMode == kEditing)
        ShowSelected();
    else
        SetDlgItemTextQuietly(kEntry, "");
    if (newMode == kAdding) {
        SetDlgItemTextQuietly(kAdd, ProgramResources().LoadString(kEndAddText));
        ShowItem(kHint, true);
    }
    GotoDlgCtrl(kEntry);
    UpdateButtons();
}

void VALUESPP::EndEntry()
{
    if (mode == kAdding) {
        SetDlgItemTextQuietly(kAdd, ProgramResources().LoadString(kAddText));
        ShowItem(kHint, false);
    }
    mode = kIdle;
    ShowSelected();
    EnableItem(kEntry, false);
    GotoDlgCtrl(kList);
    UpdateButtons();
}

bool VALUESPP::Commit()
{
    if (!list || !dataType)
        return false;
    const std::string text = GetDlgItemText(kEntry);
    std::string message;
    if (!dataType->SetText(text, message, 0)) {
        ui::MessageBox(message, {});
        GotoDlgCtrl(kEntry);
        return false;
    }
    const int at = GetCurSel(kList);
    int select = at;
    switch (mode) {
    case kInserting:
        list->InsertValueAt(text, static_cast<uint16_t>(std::max(0, at)));
        select = std::max(0, at);
        break;
    case kAdding:
        list->AppendValue(text);
        select = list->nCount - 1;
        break;
    case kEditing:
        if (at >= 0)
            list->SetEntry(text, static_cast<uint16_t>(at));
        break;
    default:
        return true;
    }
    FillList(select);
    if (mode == kAdding) {
        // The next Add starts at once.
        SetDlgItemTextQuietly(kEntry, "");
        GotoDlgCtrl(kEntry);
    } else {
        mode = kIdle;
        EnableItem(kEntry, false);
        GotoDlgCtrl(kList);
    }
    UpdateButtons();
    return true;
}

bool VALUESPP::OnPageKey(int id, bool pushButton, int key)
{
    const auto which = static_cast<ui::FilteredKey>(key);
    if (mode == kIdle) {
        // Escape must not close the sheet from this page, nor Enter press
        // its OK: Enter on one of the page's buttons presses that button.
        if (which == ui::FilteredKey::Enter && pushButton)
            SendCommand(id, ui::BN_CLICKED);
        return which != ui::FilteredKey::Tab;
    }
    switch (which) {
    case ui::FilteredKey::Enter:
        Commit();
        return true;
    case ui::FilteredKey::Escape:
        EndEntry();
        return true;
    case ui::FilteredKey::Tab: {
        const Mode was = mode;
        const bool empty = GetDlgItemText(kEntry).empty();
        if (!(was == kAdding && empty))
            Commit();
        if (was == kAdding) {
            mode = kAdding;
            EndEntry();
            return true;
        }
        const int at = GetCurSel(kList);
        if (list && at + 1 < list->nCount)
            SetCurSel(kList, at + 1);
        mode = kIdle;
        EndEntry();
        return true;
    }
    }
    return false;
}

void VALUESPP::CheckAllValues()
{
    if (!list || !listEnabled || !dataType)
        return;
    for (uint16_t i = 0; i < list->nCount; ++i) {
        std::string message;
        if (!dataType->SetText(list->pValues[i], message, 0)) {
            ui::MessageBox(ProgramResources().LoadString(kNotAllOfType), {});
            return;
        }
    }
}

bool VALUESPP::OnKillActive()
{
    if (!dataType || !IsCreated())
        return true;
    if (dataType->GetTypeTag() == kKindCheckBox) {
        static_cast<CHECK_DATATYPE*>(dataType)->nInitial = IsDlgButtonChecked(kChecked) ? 1 : 0;
    } else {
        if (dataType->GetTypeTag() == kKindNumber)
            static_cast<NUMBERDATATYPE*>(dataType)->bAutoIncrement = IsDlgButtonChecked(kAutoIncrement) ? 1 : 0;
        std::string message;
        if (!dataType->SetInitialValue(GetDlgItemText(kInitial), message, counter)) {
            ui::MessageBox(message, {});
            GotoDlgCtrl(kInitial);
            return false;
        }
    }
    if (list && listEnabled && mode != kIdle) {
        if (!GetDlgItemText(kEntry).empty() && !Commit())
            return false;
        EndEntry();
    }
    CheckAllValues();
    return true;
}

bool VALUESPP::OnCommand(int id, unsigned code)
{
    if (id == kList) {
        if (code == ui::LBN_SELCHANGE) {
            mode = kIdle;
            ShowSelected();
            EnableItem(kEntry, false);
            UpdateButtons();
        }
        return true;
    }
    if (code != ui::BN_CLICKED)
        return ui::PropertyPage::OnCommand(id, code);
    const int at = GetCurSel(kList);
    switch (id) {
    case kAdd:
        if (mode == kAdding) {
            if (GetDlgItemText(kEntry).empty() || Commit())
                EndEntry();
        } else {
            StartEntry(kAdding);
        }
        return true;
    case kInsert:
        StartEntry(kInserting);
        return true;
    case kEdit:
        if (at >= 0)
            StartEntry(kEditing);
        return true;
    case kDelete:
        if (list && at >= 0 && at < list->nCount) {
            list->RemoveEntry(static_cast<uint16_t>(at));
            FillList(std::min(at, list->nCount - 1));
            ShowSelected();
            UpdateButtons();
        }
        return true;
    case kUp:
    case kDown: {
        const int other = id == kUp ? at - 1 : at + 1;
        if (list && at >= 0 && other >= 0 && other < list->nCount) {
            list->SwapEntries(static_cast<uint16_t>(at), static_cast<uint16_t>(other));
            FillList(other);
            UpdateButtons();
        }
        return true;
    }
    case kPermit:
        if (list)
            list->bListOnly = IsDlgButtonChecked(kPermit) ? 0 : 1;
        return true;
    case kClear:
        if (dataType && dataType->GetTypeTag() == kKindNumber) {
            static_cast<NUMBERDATATYPE*>(dataType)->bAutoIncrement = 0;
            CheckDlgButton(kAutoIncrement, false);
        }
        SetDlgItemTextQuietly(kInitial, "");
        return true;
    default:
        return ui::PropertyPage::OnCommand(id, code);
    }
}
