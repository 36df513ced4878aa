#include "forms/dialogs/designer/griddialog.h"

#include "forms/dialogs/designer/edit_number.h"
#include "forms/fields/datatypes/number_text.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

namespace {

constexpr int kInches = 1241;
constexpr int kCentimetres = 1242;

struct GridEdit {
    int id;
    double GridValues::*value;
    double most;
};
constexpr GridEdit kGridEdits[] = {
    {1000, &GridValues::hSpacing, kMaxGridSpacing},
    {1001, &GridValues::vSpacing, kMaxGridSpacing},
    {1410, &GridValues::hOffset, kMaxGridOffset},
    {1062, &GridValues::vOffset, kMaxGridOffset},
};

} // namespace

GRIDDIALOG::GRIDDIALOG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kGridDialogId), parent)
{}

bool GRIDDIALOG::OnInitDialog()
{
    for (const int id : {1000, 1001})
        if (auto* edit = Item<QLineEdit>(id))
            edit->setMaxLength(5);
    CheckRadioButton(kInches, kCentimetres, values.unit == kUnitCentimetres ? kCentimetres : kInches);
    WriteEdits();
    return ui::Dialog::OnInitDialog();
}

void GRIDDIALOG::WriteEdits()
{
    for (const GridEdit& edit : kGridEdits)
        SetDlgItemTextQuietly(edit.id, FormatFixed(values.*edit.value, 3));
}

bool GRIDDIALOG::ReadEdits(bool checkRanges)
{
    GridValues read = values;
    for (const GridEdit& edit : kGridEdits) {
        const std::optional<double> number = ParseNumberText(GetDlgItemText(edit.id));
        std::string problem;
        if (!number)
            problem = ProgramResources().LoadString(kEnterANumber);
        else if (checkRanges && (*number < 0 || *number > edit.most))
            problem = RangeMessage(0, edit.most);
        if (!problem.empty()) {
            ui::MessageBox(problem, {}, ui::MB_OK | ui::MB_ICONEXCLAMATION);
            GotoDlgCtrl(edit.id);
            return false;
        }
        read.*edit.value = *number;
    }
    values = read;
    return true;
}

bool GRIDDIALOG::OnCommand(int id, unsigned code)
{
    if ((id == kInches || id == kCentimetres) && code == ui::BN_CLICKED) {
        const uint8_t chosen = IsDlgButtonChecked(kCentimetres) ? kUnitCentimetres : kUnitInches;
        if (chosen != values.unit && ReadEdits(false)) {
            values.SwitchUnit(chosen);
            WriteEdits();
        }
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

void GRIDDIALOG::OnOK()
{
    if (ReadEdits(true))
        EndDialog(1);
}
