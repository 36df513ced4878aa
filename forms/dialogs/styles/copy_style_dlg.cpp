#include "forms/dialogs/styles/copy_style_dlg.h"

#include "forms/dialogs/styles/style_names.h"
#include "forms/document/fdocument.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

namespace {

constexpr int kSourceText = 1231;
constexpr int kNameEdit = 1230;
constexpr int kNext = 1;

} // namespace

COPY_STYLE_DLG::COPY_STYLE_DLG(FDOCUMENT& doc, std::string sourceEntry, QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kCopyStyleDialogId), parent)
    , document(doc)
    , source(std::move(sourceEntry))
    , name(source)
{}

bool COPY_STYLE_DLG::OnInitDialog()
{
    if (auto* edit = Item<QLineEdit>(kNameEdit))
        edit->setMaxLength(kStyleNameLimit);
    SetDlgItemText(kSourceText, source);
    EnableItem(kNext, !GetDlgItemText(kNameEdit).empty());
    return ui::Dialog::OnInitDialog();
}

bool COPY_STYLE_DLG::OnCommand(int id, unsigned code)
{
    if (id == kNameEdit && code == ui::EN_CHANGE) {
        EnableItem(kNext, !GetDlgItemText(kNameEdit).empty());
        return true;
    }
    if (id == kNext && code == ui::BN_CLICKED) {
        OnNext();
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void COPY_STYLE_DLG::OnNext()
{
    const uint8_t type = TypeFromStyleName(source);
    std::string typed = GetDlgItemText(kNameEdit);
    if (const uint16_t refusal = NormaliseStyleName(typed)) {
        ui::MessageBox(ProgramResources().LoadString(refusal), {});
        GotoDlgCtrl(kNameEdit);
        return;
    }
    if (document.FindObjectByName(type, typed)) {
        ui::MessageBox(ProgramResources().LoadString(kStyleExists), {});
        GotoDlgCtrl(kNameEdit);
        return;
    }
    name = typed;
    EndDialog(1);
}
