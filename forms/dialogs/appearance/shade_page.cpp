#include "forms/dialogs/appearance/shade_page.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kShadePageId = 194;
}

SHADEPAGE::SHADEPAGE(OBJAPPDLG* sheet)
    : ui::PropertyPage(ProgramResources().LoadDialog(kShadePageId))
    , owner(sheet)
    , editor(shade, [this] { OnShadeChanged(); })
{}

bool SHADEPAGE::OnInitDialog()
{
    editor.Init(*this);
    return true;
}

bool SHADEPAGE::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::PropertyPage::OnCommand(id, code);
}

void SHADEPAGE::OnShadeChanged()
{
    if (styleSheet)
        styleSheet->ApplyShade(shade);
    else if (owner && owner->GetView())
        owner->GetView()->SetSelectionShade(shade, owner->ApplyFlag());
}
