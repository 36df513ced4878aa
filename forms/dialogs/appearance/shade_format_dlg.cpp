#include "forms/dialogs/appearance/shade_format_dlg.h"

#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kShadeFormatId = 154;
}

SHADE_FORMAT_DLG::SHADE_FORMAT_DLG(const BASICSHADE& from, OBJECT_VIEW* target, QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kShadeFormatId), parent)
    , editor(working, [this] { Changed(); })
    , view(target)
{
    initial.Copy(from);
    initial.noFill = from.noFill;
    editor.SetShade(from);
}

bool SHADE_FORMAT_DLG::OnInitDialog()
{
    editor.Init(*this);
    newSample.Attach(*this, kNewShadeSample, &working);
    oldSample.Attach(*this, kOldShadeSample, &initial);
    return ui::Dialog::OnInitDialog();
}

bool SHADE_FORMAT_DLG::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::Dialog::OnCommand(id, code);
}

void SHADE_FORMAT_DLG::Changed()
{
    newSample.Redraw();
    if (view)
        view->SetSelectionShade(working, 0);
}
