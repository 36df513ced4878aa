#include "forms/dialogs/appearance/font_page.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

namespace {
constexpr uint32_t kTextPageId = 182;
}

FONT_PAGE::FONT_PAGE(OBJAPPDLG* sheet)
    : ui::PropertyPage(ProgramResources().LoadDialog(kTextPageId))
    , owner(sheet)
    , editor([this](const TEXTATTR& change) {
        if (styleSheet)
            styleSheet->ApplyFont(change);
        else if (owner && owner->GetView())
            owner->GetView()->ApplyTextAttr(change);
    })
{}

bool FONT_PAGE::OnInitDialog()
{
    editor.Init(*this);
    return false;
}

bool FONT_PAGE::OnCommand(int id, unsigned code)
{
    return editor.OnCommand(id, code) || ui::PropertyPage::OnCommand(id, code);
}
