#include "forms/dialogs/appearance/line_spacing_dlg.h"

#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kLineSpacingId = 2120;
}

LINE_SPACING_DLG::LINE_SPACING_DLG(OBJECT_VIEW* target, QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kLineSpacingId), parent)
    , editor([this](uint16_t value) {
        if (view)
            view->SetSelectionLineSpacing(value, 0);
    })
    , view(target)
{}

bool LINE_SPACING_DLG::OnInitDialog()
{
    editor.Init(*this);
    return ui::Dialog::OnInitDialog();
}

bool LINE_SPACING_DLG::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::Dialog::OnCommand(id, code);
}
