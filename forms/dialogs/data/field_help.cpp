#include "forms/dialogs/data/field_help.h"

#include "forms/dialogs/data/framework_messages.h"

#include "forms/res/program_resources.h"

#include "platform/ui/message_box.h"

namespace {
constexpr uint32_t kHelpPageId = 195;
constexpr int kHelpEdit = 1334;
constexpr uint32_t kTooManyCharacters = 61716;
} // namespace

FIELD_HELP::FIELD_HELP()
    : ui::PropertyPage(ProgramResources().LoadDialog(kHelpPageId))
{}

bool FIELD_HELP::OnInitDialog()
{
    SetDlgItemTextQuietly(kHelpEdit, text);
    return true;
}

bool FIELD_HELP::OnKillActive()
{
    std::string typed = GetDlgItemText(kHelpEdit);
    if (typed.size() > kMostHelpCharacters) {
        ui::MessageBox(FillPercentArguments(
                           ProgramResources().LoadString(kTooManyCharacters), std::to_string(kMostHelpCharacters)),
            {});
        GotoDlgCtrl(kHelpEdit);
        return false;
    }
    text = std::move(typed);
    return true;
}
