#include "forms/dialogs/appearance/line_page.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kBorderPageId = 193;
}

LINEPAGE::LINEPAGE(OBJAPPDLG* sheet)
    : ui::PropertyPage(ProgramResources().LoadDialog(kBorderPageId))
    , owner(sheet)
    , editor(border, [this] { OnBorderChanged(); })
{}

bool LINEPAGE::OnInitDialog()
{
    editor.Init(*this);
    initialised = 1;
    return true;
}

bool LINEPAGE::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::PropertyPage::OnCommand(id, code);
}

void LINEPAGE::OnBorderChanged()
{
    if (styleSheet)
        styleSheet->ApplyBorder(border);
    else if (owner && owner->GetView())
        owner->GetView()->SetSelectionBorder(border, owner->ApplyFlag());
}
