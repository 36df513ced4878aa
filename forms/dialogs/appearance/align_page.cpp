#include "forms/dialogs/appearance/align_page.h"

#include "forms/dialogs/appearance/align_rules.h"
#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/styles/stylesheet.h"
#include "forms/model/object_view.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

namespace {
constexpr uint32_t kAlignPageId = 2019;
}

ALIGNPAGE::ALIGNPAGE(OBJAPPDLG* sheet)
    : ui::PropertyPage(ProgramResources().LoadDialog(kAlignPageId))
    , owner(sheet)
{}

bool ALIGNPAGE::OnInitDialog()
{
    if (const int radio = AlignRadio(alignment))
        CheckDlgButton(radio, true);
    return true;
}

bool ALIGNPAGE::OnCommand(int id, unsigned code)
{
    for (const AlignChoice& choice : kAlignChoices)
        if (choice.control == id) {
            if (code == ui::BN_CLICKED) {
                alignment = choice.value;
                OnAlignChanged();
            }
            return true;
        }
    return ui::PropertyPage::OnCommand(id, code);
}

void ALIGNPAGE::OnAlignChanged()
{
    if (styleSheet)
        styleSheet->ApplyAlignment(alignment);
    else if (owner && owner->GetView())
        owner->GetView()->SetSelectionAlignment(alignment, owner->ApplyFlag());
}
