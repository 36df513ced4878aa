#include "forms/dialogs/appearance/shadowdlg.h"

#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

SHADOWDLG::SHADOWDLG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kShadowDialogId), parent)
    , editor(shadow, [this] { Apply(); })
{}

void SHADOWDLG::SetShadow(const SHADOW& edited, OBJECT_VIEW* target)
{
    editor.SetShadow(edited);
    view = target;
}

bool SHADOWDLG::OnInitDialog()
{
    editor.Init(*this, false);
    return ui::Dialog::OnInitDialog();
}

bool SHADOWDLG::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::Dialog::OnCommand(id, code);
}

void SHADOWDLG::Apply()
{
    if (view)
        view->SetSelectionShadow(shadow, 0);
}
