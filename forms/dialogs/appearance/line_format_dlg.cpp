#include "forms/dialogs/appearance/line_format_dlg.h"

#include "forms/dialogs/appearance/line_rules.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kLineFormatId = 197;
}

LINE_FORMAT_DLG::LINE_FORMAT_DLG(const BORDER& from, OBJECT_VIEW* target, QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kLineFormatId), parent)
    , editor(border, [this] { Changed(); })
    , view(target)
{
    editor.SetBorder(from);
    initial.Copy(from);
}

bool LINE_FORMAT_DLG::OnInitDialog()
{
    newSample.Attach(*this, kNewLineSample, &border);
    oldSample.Attach(*this, kOldLineSample, &initial);
    editor.Init(*this);
    return ui::Dialog::OnInitDialog();
}

bool LINE_FORMAT_DLG::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::Dialog::OnCommand(id, code);
}

void LINE_FORMAT_DLG::Changed()
{
    newSample.Redraw();
    if (view)
        view->SetSelectionBorder(border, 0);
}
