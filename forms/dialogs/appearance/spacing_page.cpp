#include "forms/dialogs/appearance/spacing_page.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kSpacingPageId = 2099;
}

LSPACEDLG::LSPACEDLG(OBJAPPDLG* sheet)
    : ui::PropertyPage(ProgramResources().LoadDialog(kSpacingPageId))
    , owner(sheet)
    , editor([this](uint16_t value) {
        if (styleSheet)
            styleSheet->ApplyLineSpacing(value);
        else if (owner && owner->GetView())
            owner->GetView()->SetSelectionLineSpacing(value, owner->ApplyFlag());
    })
{}

bool LSPACEDLG::OnInitDialog()
{
    editor.Init(*this);
    return true;
}

bool LSPACEDLG::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::PropertyPage::OnCommand(id, code);
}
