#include "forms/dialogs/styles/new_style_dlg.h"

#include "forms/dialogs/styles/style_names.h"
#include "forms/dialogs/styles/style_site.h"
#include "forms/document/fdocument.h"
#include "forms/document/style_kinds.h"
#include "forms/model/formobj.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

namespace {

constexpr int kNameEdit = 1229;
constexpr int kTypeList = 1235;
constexpr int kNext = 1228;
// String ": " after each kind's word.
constexpr uint32_t kEntrySeparator = 120;

// The kinds a new style may have.
bool OfferedKind(uint8_t type)
{
    return type == kTypeButton || type == kTypeTable || (type >= kTypeEllipse && type <= kTypeLine);
}

void Tell(uint16_t stringId)
{
    ui::MessageBox(ProgramResources().LoadString(stringId), {});
}

} // namespace

NEW_STYLE_DLG::NEW_STYLE_DLG(STYLE_SITE& owner, QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kNewStyleDialogId), parent)
    , site(owner)
{}

uint8_t NEW_STYLE_DLG::GetType() const
{
    return TypeFromStyleName(typeEntry);
}

bool NEW_STYLE_DLG::OnInitDialog()
{
    if (auto* edit = Item<QLineEdit>(kNameEdit))
        edit->setMaxLength(kStyleNameLimit);
    const std::string separator = ProgramResources().LoadString(kEntrySeparator);
    for (int i = 0; i < kStyleObjectKinds; ++i)
        if (OfferedKind(kStyleKinds[static_cast<size_t>(i)]))
            AddString(kTypeList, StyleTypeWord(kStyleKinds[static_cast<size_t>(i)]) + separator);
    name.clear();
    typeEntry.clear();
    UpdateNext();
    return ui::Dialog::OnInitDialog();
}

bool NEW_STYLE_DLG::OnCommand(int id, unsigned code)
{
    if (id == kNameEdit && code == ui::EN_CHANGE) {
        name = GetDlgItemText(kNameEdit);
        UpdateNext();
        return true;
    }
    if (id == kTypeList && code == ui::LBN_SELCHANGE) {
        typeEntry = GetDlgItemText(kTypeList);
        UpdateNext();
        return true;
    }
    if (id == kNext && code == ui::BN_CLICKED) {
        OnNext();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void NEW_STYLE_DLG::UpdateNext()
{
    EnableItem(kNext, !name.empty() && !typeEntry.empty());
}

void NEW_STYLE_DLG::OnNext()
{
    name = GetDlgItemText(kNameEdit);
    if (name.empty()) {
        Tell(kStyleNameEmpty);
        GotoDlgCtrl(kNameEdit);
        return;
    }
    const uint8_t type = GetType();
    if (const uint16_t refusal = NormaliseStyleName(name)) {
        Tell(refusal);
        GotoDlgCtrl(kNameEdit);
        return;
    }
    FDOCUMENT* document = site.GetStyleDocument();
    if (document && document->FindObjectByName(type, name)) {
        Tell(kStyleExists);
        GotoDlgCtrl(kNameEdit);
        return;
    }
    if (!site.NewStyleObject(type)) {
        Tell(kStyleKindNotBuilt);
        return;
    }
    EndDialog(1);
}
