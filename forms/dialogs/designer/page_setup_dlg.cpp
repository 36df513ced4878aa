#include "forms/dialogs/designer/page_setup_dlg.h"

#include "forms/dialogs/designer/edit_number.h"
#include "forms/dialogs/designer/grid_values.h"
#include "forms/document/print/paper.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

#include <optional>
#include <utility>

namespace {

struct LengthEdit {
    int id;
    int32_t PageSetupValues::*value;
};
// In the order of the data exchange.
constexpr LengthEdit kLengthEdits[] = {
    {kWidthEdit, &PageSetupValues::width},
    {kHeightEdit, &PageSetupValues::height},
    {kLeftEdit, &PageSetupValues::left},
    {kTopEdit, &PageSetupValues::top},
    {kRightEdit, &PageSetupValues::right},
    {kBottomEdit, &PageSetupValues::bottom},
};

} // namespace

PAGE_SETUP_DLG::PAGE_SETUP_DLG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kPageSetupDialogId), parent)
{}

bool PAGE_SETUP_DLG::OnInitDialog()
{
    std::string name;
    for (int i = 0; PAPER::GetName(i, name); ++i)
        AddString(kPaperList, name);
    CheckRadioButton(
        kInchesRadio, kCentimetresRadio, values.unit == kUnitCentimetres ? kCentimetresRadio : kInchesRadio);
    CheckRadioButton(kPortrait, kLandscape, values.orientation ? kLandscape : kPortrait);
    CheckDlgButton(kContentsOnly, values.contentsOnly);
    for (const LengthEdit& edit : kLengthEdits)
        if (auto* line = Item<QLineEdit>(edit.id))
            line->setMaxLength(5);
    WriteLengths();
    SyncPaperFromSize();
    return ui::Dialog::OnInitDialog();
}

void PAGE_SETUP_DLG::WriteLengths()
{
    for (const LengthEdit& edit : kLengthEdits) {
        const std::string text = PageLengthText(values.*edit.value, values.unit);
        shown[edit.id] = text;
        SetDlgItemTextQuietly(edit.id, text);
    }
}

bool PAGE_SETUP_DLG::ReadLengths(bool report)
{
    for (const LengthEdit& edit : kLengthEdits) {
        const std::string text = GetDlgItemText(edit.id);
        if (text == shown[edit.id])
            continue;
        const std::optional<double> number = ParseNumberText(text);
        if (!number) {
            if (!report)
                continue;
            ui::MessageBox(ProgramResources().LoadString(kEnterANumber), {}, ui::MB_OK | ui::MB_ICONEXCLAMATION);
            GotoDlgCtrl(edit.id);
            return false;
        }
        values.*edit.value = PageLengthTwips(*number, values.unit);
        shown[edit.id] = text;
    }
    return true;
}

void PAGE_SETUP_DLG::ReadRadios()
{
    values.contentsOnly = IsDlgButtonChecked(kContentsOnly);
    const int orientation = IsDlgButtonChecked(kLandscape) ? 1 : 0;
    if (orientation != values.orientation) {
        values.orientation = orientation;
        std::swap(values.width, values.height);
        WriteLengths();
    }
}

void PAGE_SETUP_DLG::SyncPaperFromSize()
{
    int index = PAPER::kCustom;
    PAPER::FindSize(values.width, values.height, index);
    SetCurSel(kPaperList, index);
}

void PAGE_SETUP_DLG::SyncPaperFromList()
{
    int32_t width = 0;
    int32_t height = 0;
    if (!PAPER::GetSize(GetCurSel(kPaperList), width, height) || width == 0 || height == 0)
        return;
    if (values.orientation)
        std::swap(width, height);
    values.width = width;
    values.height = height;
    WriteLengths();
}

bool PAGE_SETUP_DLG::OnCommand(int id, unsigned code)
{
    if (id == kPaperList && (code == ui::CBN_SELCHANGE || code == ui::CBN_CLOSEUP)) {
        SyncPaperFromList();
        return true;
    }
    if ((id == kPortrait || id == kLandscape) && code == ui::BN_CLICKED) {
        ReadLengths(false);
        ReadRadios();
        return true;
    }
    if ((id == kInchesRadio || id == kCentimetresRadio) && code == ui::BN_CLICKED) {
        const uint8_t chosen = IsDlgButtonChecked(kCentimetresRadio) ? kUnitCentimetres : kUnitInches;
        if (chosen != values.unit) {
            ReadLengths(false);
            values.unit = chosen;
            WriteLengths();
        }
        return true;
    }
    if (code == ui::EN_KILLFOCUS) {
        for (const LengthEdit& edit : kLengthEdits)
            if (edit.id == id) {
                // Errors wait for OK: a message box here would take the
                // focus again while it is moving.
                ReadLengths(false);
                SyncPaperFromSize();
                return true;
            }
    }
    return ui::Dialog::OnCommand(id, code);
}

void PAGE_SETUP_DLG::OnOK()
{
    if (!ReadLengths(true))
        return;
    ReadRadios();
    if (const std::optional<PageSetupValues::Problem> problem = values.Check()) {
        ui::MessageBox(problem->message, {}, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        GotoDlgCtrl(problem->control);
        return;
    }
    EndDialog(1);
}
