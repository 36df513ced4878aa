#include "forms/dialogs/designer/toolbars_dlg.h"

#include "forms/res/program_resources.h"

#include <array>

namespace {

// The check boxes in tab order.
constexpr std::array<int, 8> kBoxes = {1404, 1405, 1406, 1407, 1224, 1225, 1226, 1409};
constexpr size_t kOptionCount = 3;
constexpr size_t kMaxBars = kBoxes.size() - kOptionCount;

} // namespace

TOOLBARS_DLG::TOOLBARS_DLG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kToolbarsDialogId), parent)
{}

void TOOLBARS_DLG::SetToolbarState(const ToolbarState& given)
{
    state = given;
    if (state.bars.size() > kMaxBars)
        state.bars.resize(kMaxBars);
}

bool TOOLBARS_DLG::OnInitDialog()
{
    size_t box = 0;
    for (const ToolbarState::Bar& bar : state.bars) {
        CheckDlgButton(kBoxes[box], bar.shown != 0);
        SetDlgItemText(kBoxes[box], bar.name);
        ++box;
    }
    const std::pair<const char*, uint32_t> options[kOptionCount]
        = {{"C&olour Buttons", state.colour}, {"&Large Buttons", state.large}, {"&Show ToolTips", state.toolTips}};
    for (const auto& [text, on] : options) {
        CheckDlgButton(kBoxes[box], on != 0);
        SetDlgItemText(kBoxes[box], text);
        ++box;
    }
    for (; box < kBoxes.size(); ++box) {
        ShowItem(kBoxes[box], false);
        EnableItem(kBoxes[box], false);
    }
    return ui::Dialog::OnInitDialog();
}

void TOOLBARS_DLG::OnOK()
{
    size_t box = 0;
    for (ToolbarState::Bar& bar : state.bars) {
        if (!GetDlgItem(kBoxes[box])) {
            EndDialog(2);
            return;
        }
        bar.shown = IsDlgButtonChecked(kBoxes[box++]) ? 1 : 0;
    }
    for (uint32_t* option : {&state.colour, &state.large, &state.toolTips})
        *option = IsDlgButtonChecked(kBoxes[box++]) ? 1 : 0;
    EndDialog(1);
}
