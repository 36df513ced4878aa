#include "forms/dialogs/table/table_props_dlg.h"

#include "forms/dialogs/data/framework_messages.h"
#include "forms/dialogs/table/table_counts.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

#include <string>

namespace {

constexpr int kNameEdit = 1269;
constexpr int kColumnsEdit = 1215;
constexpr int kRowsEdit = 1214;
constexpr int kMostNameLength = 20;

// "This many columns will result in all the columns being resized."
constexpr unsigned kAllColumnsResized = 294;
// "This many rows will result in all the rows being resized."
constexpr unsigned kAllRowsResized = 135;
// The framework's "Please enter an integer." and "Please enter an integer
// between %1 and %2.".
constexpr unsigned kEnterAnInteger = 61712;
constexpr unsigned kEnterAnIntegerBetween = 61714;

} // namespace

TABLE_PROPS_DLG::TABLE_PROPS_DLG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kTablePropsDialogId), parent)
{}

bool TABLE_PROPS_DLG::OnInitDialog()
{
    openingName = name;
    if (auto* edit = Item<QLineEdit>(kNameEdit))
        edit->setMaxLength(kMostNameLength);
    SetDlgItemTextQuietly(kNameEdit, name);
    SetDlgItemTextQuietly(kColumnsEdit, std::to_string(columns));
    SetDlgItemTextQuietly(kRowsEdit, std::to_string(rows));
    samples.Attach(*this, TableStyleOf(columnHeaders, rowHeaders));
    return ui::Dialog::OnInitDialog();
}

bool TABLE_PROPS_DLG::OnCommand(int id, unsigned code)
{
    if (const int style = TableStyleOfControl(id); style >= 0) {
        if (code == ui::BN_CLICKED)
            samples.Select(style);
        return true;
    }
    return ui::Dialog::OnCommand(id, code);
}

bool TABLE_PROPS_DLG::ReadCount(int edit, int limit, int& count)
{
    const std::optional<int> number = ParseWholeNumber(GetDlgItemText(edit));
    if (number && *number >= 1 && *number <= limit) {
        count = *number;
        return true;
    }
    const std::string message = number
        ? FillPercentArguments(ProgramResources().LoadString(kEnterAnIntegerBetween), "1", std::to_string(limit))
        : ProgramResources().LoadString(kEnterAnInteger);
    ui::MessageBox(message, {}, ui::MB_OK | ui::MB_ICONEXCLAMATION);
    GotoDlgCtrl(edit);
    return false;
}

bool TABLE_PROPS_DLG::ConfirmResize(
    int edit, int limit, const ResizeCheck& resizes, unsigned message, bool chosenColumns, bool chosenRows)
{
    if (!resizes)
        return true;
    // A count the ranges refuse gets their message, not this question.
    const std::optional<int> count = ParseWholeNumber(GetDlgItemText(edit));
    if (!count || *count < 1 || *count > limit || !resizes(*count, chosenColumns, chosenRows))
        return true;
    if (ui::MessageBox(ProgramResources().LoadString(message), {}, ui::MB_OKCANCEL | ui::MB_ICONQUESTION) == ui::IDOK)
        return true;
    GotoDlgCtrl(edit);
    return false;
}

void TABLE_PROPS_DLG::OnOK()
{
    std::string typed = GetDlgItemText(kNameEdit);
    if (typed != openingName && checkName && !checkName(typed)) {
        GotoDlgCtrl(kNameEdit);
        return;
    }
    SetDlgItemText(kNameEdit, typed);

    const TableStyle& style = kTableStyles[static_cast<size_t>(samples.GetSelected())];
    const int columnLimit = TableCountLimit(pageColumns);
    const int rowLimit = TableCountLimit(pageRows);
    if (!ConfirmResize(
            kColumnsEdit, columnLimit, resizesAllColumns, kAllColumnsResized, style.columnHeaders, style.rowHeaders)
        || !ConfirmResize(kRowsEdit, rowLimit, resizesAllRows, kAllRowsResized, style.columnHeaders, style.rowHeaders))
        return;

    int readRows = 0;
    int readColumns = 0;
    if (!ReadCount(kRowsEdit, rowLimit, readRows) || !ReadCount(kColumnsEdit, columnLimit, readColumns))
        return;
    name = GetDlgItemText(kNameEdit);
    rows = readRows;
    columns = readColumns;
    columnHeaders = style.columnHeaders;
    rowHeaders = style.rowHeaders;
    EndDialog(1);
}
