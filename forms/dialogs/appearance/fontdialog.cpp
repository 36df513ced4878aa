#include "forms/dialogs/appearance/fontdialog.h"

#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kTextFormatId = 2216;
}

FONTDIALOG::FONTDIALOG(OBJECT_VIEW* target, QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kTextFormatId), parent)
    , view(target)
    , editor([this](const TEXTATTR& change) {
        if (view)
            view->ApplyTextAttr(change);
    })
{}

bool FONTDIALOG::OnInitDialog()
{
    editor.Init(*this);
    return false;
}

bool FONTDIALOG::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::Dialog::OnCommand(id, code);
}
