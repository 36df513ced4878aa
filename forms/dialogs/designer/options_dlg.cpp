#include "forms/dialogs/designer/options_dlg.h"

#include "forms/res/program_resources.h"

namespace {

constexpr int kInches = 1240;
constexpr int kCentimetres = 1241;
constexpr int kOutlines = 1223;
constexpr int kBaselines = 1313;
constexpr int kMargins = 1314;

} // namespace

OPTIONS_DLG::OPTIONS_DLG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kOptionsDialogId), parent)
{}

bool OPTIONS_DLG::OnInitDialog()
{
    CheckRadioButton(kInches, kCentimetres, units == 1 ? kCentimetres : kInches);
    CheckDlgButton(kOutlines, checkBoxOutlines != 0);
    CheckDlgButton(kBaselines, baselines != 0);
    CheckDlgButton(kMargins, margins != 0);
    return ui::Dialog::OnInitDialog();
}

void OPTIONS_DLG::OnOK()
{
    units = IsDlgButtonChecked(kInches) ? 0 : 1;
    checkBoxOutlines = IsDlgButtonChecked(kOutlines) ? 1 : 0;
    baselines = IsDlgButtonChecked(kBaselines) ? 1 : 0;
    margins = IsDlgButtonChecked(kMargins) ? 1 : 0;
    EndDialog(1);
}
