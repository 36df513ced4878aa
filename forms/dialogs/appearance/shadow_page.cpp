#include "forms/dialogs/appearance/shadow_page.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kShadowPageId = 2046;
}

SHADOWPP::SHADOWPP(OBJAPPDLG* sheet)
    : ui::PropertyPage(ProgramResources().LoadDialog(kShadowPageId))
    , owner(sheet)
    , editor(shadow, [this] { OnShadowChanged(); })
{}

bool SHADOWPP::OnInitDialog()
{
    editor.Init(*this, true);
    return true;
}

bool SHADOWPP::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::PropertyPage::OnCommand(id, code);
}

void SHADOWPP::OnShadowChanged()
{
    if (styleSheet)
        styleSheet->ApplyShadow(shadow);
    else if (owner && owner->GetView())
        owner->GetView()->SetSelectionShadow(shadow, owner->ApplyFlag());
}
