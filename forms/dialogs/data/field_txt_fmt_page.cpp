#include "forms/dialogs/data/field_txt_fmt_page.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"

namespace {
constexpr uint32_t kTextFormatPageId = 2035;
constexpr int kAllowFormatting = 1223;
} // namespace

FIELD_TXT_FMT_PAGE::FIELD_TXT_FMT_PAGE()
    : ui::PropertyPage(ProgramResources().LoadDialog(kTextFormatPageId))
{}

bool FIELD_TXT_FMT_PAGE::OnInitDialog()
{
    const bool memo = dataType && dataType->GetTypeTag() == kKindMemo;
    if (memo)
        allowFormatting = dataType->KeepsFormatting() == 1;
    CheckDlgButton(kAllowFormatting, memo && allowFormatting);
    EnableItem(kAllowFormatting, memo);
    return true;
}

bool FIELD_TXT_FMT_PAGE::OnCommand(int id, unsigned code)
{
    if (id == kAllowFormatting && code == ui::BN_CLICKED) {
        allowFormatting = IsDlgButtonChecked(kAllowFormatting);
        if (dataType)
            dataType->SetKeepsFormatting(allowFormatting ? 1 : 0);
        return true;
    }
    return ui::PropertyPage::OnCommand(id, code);
}
