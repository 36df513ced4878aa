#include "forms/dialogs/data/field_type.h"

#include "forms/dialogs/data/data_props_sheet.h"
#include "forms/dialogs/data/valuespp.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/model/formobj.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

namespace {

constexpr uint32_t kGeneralPageId = 2020;
constexpr int kNameEdit = 1222;
constexpr int kNameGroup = 1273;
constexpr int kActAsList = 1310;
constexpr int kProtect = 1371;
constexpr int kMandatory = 1313;
constexpr int kSaveInDb = 1372;
constexpr int kMaxName = 35;
constexpr uint16_t kRadioGroupRefusal = 151;
// "&Column name": the group's caption on a table column's sheet.
constexpr uint16_t kColumnNameCaption = 209;

struct TypeButton {
    int control;
    uint8_t kind;
    uint16_t icon;
    uint16_t disabledIcon; // 0: always offered
};
// Bar code and picture come with their kinds; until then their buttons
// are disabled and show greyed icons.
constexpr std::array<TypeButton, 7> kButtons = {
    {{1235, kKindText, 2027, 0}, {1068, kKindMemo, 2108, 0}, {1236, kKindNumber, 2028, 0}, {1070, kKindDate, 2029, 0},
        {1067, kKindPicture, 2032, 2033}, {1069, kKindBarcode, 2031, 2034}, {1071, kKindCheckBox, 2065, 0}}};

int ButtonOfKind(uint8_t kind)
{
    for (size_t i = 0; i < kButtons.size(); ++i)
        if (kButtons[i].kind == kind)
            return static_cast<int>(i);
    return -1;
}

bool KindTakesList(uint8_t kind)
{
    return kind == kKindNumber || kind == kKindDate || kind == kKindText || kind == kKindMemo;
}

} // namespace

FIELD_TYPE::FIELD_TYPE()
    : ui::PropertyPage(ProgramResources().LoadDialog(kGeneralPageId))
{}

FIELD_TYPE::~FIELD_TYPE() = default;

void FIELD_TYPE::InitFromField(FORMOBJ* target, DATA_PROPS_SHEET* owner)
{
    object = target;
    sheet = owner;
    kindSlots = std::make_unique<DATATYPE_SLOTS>(sheet->CurrentSlot());
    uint8_t flag = 0;
    if (object->GetAttribute(6, reinterpret_cast<uintptr_t>(&flag)))
        protect = flag != 0;
    if (object->GetAttribute(7, reinterpret_cast<uintptr_t>(&flag)))
        saveInDb = flag != 0;
    if (object->GetAttribute(5, reinterpret_cast<uintptr_t>(&flag)))
        mandatory = flag != 0;
    name = object->GetName();
    const uint8_t kind = sheet->GetDataType()->GetTypeTag();
    selected = ButtonOfKind(kind);
    actAsListBox = KindTakesList(kind) && sheet->Values().GetList();
}

bool FIELD_TYPE::OnInitDialog()
{
    SetDlgItemTextQuietly(kNameEdit, name);
    if (object->GetType() == kTypeColumn)
        SetDlgItemText(kNameGroup, ProgramResources().LoadString(kColumnNameCaption));
    if (auto* edit = Item<QLineEdit>(kNameEdit))
        edit->setMaxLength(kMaxName);
    for (size_t i = 0; i < kButtons.size(); ++i) {
        ICON_BUTTON& b = buttons[i];
        b.icon = kButtons[i].icon;
        b.disabledIcon = kButtons[i].disabledIcon;
        b.centreIcon = 1;
        b.latched = static_cast<int>(i) == selected ? 1 : 0;
        b.Attach(*this, kButtons[i].control);
        EnableItem(kButtons[i].control, kButtons[i].disabledIcon == 0);
    }
    const uint8_t kind = sheet->GetDataType()->GetTypeTag();
    EnableItem(kActAsList, KindTakesList(kind));
    CheckDlgButton(kActAsList, actAsListBox);
    if (kind == kKindCheckBox) {
        mandatory = false;
        EnableItem(kMandatory, false);
    }
    CheckDlgButton(kProtect, protect);
    CheckDlgButton(kMandatory, mandatory);
    CheckDlgButton(kSaveInDb, saveInDb);
    return true;
}

void FIELD_TYPE::Press(int button, bool down)
{
    if (button < 0)
        return;
    buttons[static_cast<size_t>(button)].latched = down ? 1 : 0;
    if (IsCreated())
        buttons[static_cast<size_t>(button)].Redraw();
}

void FIELD_TYPE::OnTypeButton(int button)
{
    if (button == selected)
        return;
    if (selected >= 0 && kButtons[static_cast<size_t>(selected)].kind == kKindCheckBox) {
        auto* check = dynamic_cast<CHECK_DATATYPE*>(sheet->GetDataType());
        if (check && check->bRadio) {
            ui::MessageBox(ProgramResources().LoadString(kRadioGroupRefusal), {});
            return;
        }
    }
    const int old = selected;
    selected = button;
    SetDataType();
    if (selected == button) {
        Press(old, false);
        Press(button, true);
    }
}

void FIELD_TYPE::SetDataType()
{
    const uint8_t kind = kButtons[static_cast<size_t>(selected)].kind;
    const int before = ButtonOfKind(sheet->GetDataType()->GetTypeTag());
    if (!kindSlots->Select(kind)) {
        selected = before;
        return;
    }
    DATATYPE* current = sheet->GetDataType();
    current->InitialiseValue();
    if (KindTakesList(kind)) {
        EnableItem(kActAsList, true);
    } else {
        actAsListBox = false;
        CheckDlgButton(kActAsList, false);
        EnableItem(kActAsList, false);
    }
    if (kind == kKindCheckBox) {
        mandatory = false;
        CheckDlgButton(kMandatory, false);
        EnableItem(kMandatory, false);
    } else {
        EnableItem(kMandatory, true);
    }
    sheet->ChangeDataType(current);
}

bool FIELD_TYPE::OnCommand(int id, unsigned code)
{
    if (code != ui::BN_CLICKED)
        return ui::PropertyPage::OnCommand(id, code);
    for (size_t i = 0; i < kButtons.size(); ++i)
        if (kButtons[i].control == id) {
            OnTypeButton(static_cast<int>(i));
            return true;
        }
    switch (id) {
    case kActAsList:
        actAsListBox = !actAsListBox;
        CheckDlgButton(kActAsList, actAsListBox);
        sheet->SetActAsListBox(actAsListBox);
        return true;
    case kMandatory:
        mandatory = IsDlgButtonChecked(kMandatory);
        if (mandatory) {
            protect = false;
            CheckDlgButton(kProtect, false);
        }
        return true;
    case kProtect:
        protect = IsDlgButtonChecked(kProtect);
        if (protect) {
            mandatory = false;
            CheckDlgButton(kMandatory, false);
        }
        return true;
    default:
        return ui::PropertyPage::OnCommand(id, code);
    }
}

bool FIELD_TYPE::OnKillActive()
{
    saveInDb = IsDlgButtonChecked(kSaveInDb);
    std::string typed = GetDlgItemText(kNameEdit);
    if (typed == name)
        return true;
    OBJECT_DOCUMENT* document = sheet->GetView() ? sheet->GetView()->GetObjectDocument() : nullptr;
    if (!object->ExtCheck(typed, reinterpret_cast<uintptr_t>(document))) {
        GotoDlgCtrl(kNameEdit);
        return false;
    }
    name = typed;
    SetDlgItemTextQuietly(kNameEdit, name);
    return true;
}
