#include "forms/dialogs/designer/align_objects_dlg.h"

#include "forms/dialogs/designer/edit_number.h"
#include "forms/fields/datatypes/number_text.h"
#include "forms/res/program_resources.h"

#include "platform/ui/dialog/notifications.h"
#include "platform/ui/message_box.h"

#include <QLineEdit>

#include <cstdio>

namespace {

constexpr int kAcrossEdit = 1212;
constexpr int kDownEdit = 1213;
constexpr int kEachOther = 1209;
constexpr int kTopLeftMargin = 1210;
constexpr int kPosition = 1211;

// The radio buttons and the values they stand for.
struct Choice {
    int id;
    uint8_t AlignSettings::*member;
    uint8_t value;
};
constexpr Choice kChoices[] = {
    {1201, &AlignSettings::horizontal, 0},
    {1202, &AlignSettings::horizontal, 2},
    {1203, &AlignSettings::horizontal, 1},
    {1204, &AlignSettings::horizontal, 3},
    {1205, &AlignSettings::vertical, 0},
    {1206, &AlignSettings::vertical, 4},
    {1207, &AlignSettings::vertical, 1},
    {1208, &AlignSettings::vertical, 5},
    {kEachOther, &AlignSettings::relative, 7},
    {kTopLeftMargin, &AlignSettings::relative, 6},
    {kPosition, &AlignSettings::relative, 8},
};

std::string WithBound(const char* text, double bound)
{
    char number[48];
    std::snprintf(number, sizeof number, "%.3f.", bound);
    return std::string(text) + number;
}

} // namespace

std::optional<AlignSettings::Problem> AlignSettings::CheckPosition() const
{
    if (relative != 8 || (horizontal == 0 && vertical == 0))
        return std::nullopt;
    if (across < leftMargin)
        return Problem {
            WithBound("The minimum value for Across is the position of the left margin ", leftMargin), kAcrossEdit};
    if (across > rightMargin)
        return Problem {
            WithBound("The maximum value for Across is the position of the right margin  ", rightMargin), kAcrossEdit};
    if (down < topMargin)
        return Problem {
            WithBound("The minimum value for Down is the position of the top margin ", topMargin), kDownEdit};
    if (down > bottomMargin)
        return Problem {
            WithBound("The maximum value for Down is the position of the bottom margin ", bottomMargin), kDownEdit};
    return std::nullopt;
}

uint32_t AlignSettings::Code() const
{
    return horizontal | (static_cast<uint32_t>(vertical) << 8) | (static_cast<uint32_t>(relative) << 16);
}

ALIGN_OBJECTS_DLG::ALIGN_OBJECTS_DLG(QWidget* parent)
    : ui::Dialog(ProgramResources().LoadDialog(kAlignDialogId), parent)
{}

void ALIGN_OBJECTS_DLG::EnablePosition(bool enable)
{
    EnableItem(kAcrossEdit, enable);
    EnableItem(kDownEdit, enable);
}

bool ALIGN_OBJECTS_DLG::OnInitDialog()
{
    settings.across = settings.leftMargin;
    settings.down = settings.topMargin;
    settings.horizontal = 0;
    settings.vertical = 0;
    for (const int id : {kAcrossEdit, kDownEdit})
        if (auto* edit = Item<QLineEdit>(id))
            edit->setMaxLength(5);
    SetDlgItemTextQuietly(kAcrossEdit, FormatFixed(settings.across, 3));
    SetDlgItemTextQuietly(kDownEdit, FormatFixed(settings.down, 3));
    CheckRadioButton(1201, 1204, 1201);
    CheckRadioButton(1205, 1208, 1205);
    if (settings.relative == 7) {
        CheckRadioButton(kEachOther, kPosition, kEachOther);
        EnablePosition(false);
    } else if (settings.relative == 8) {
        EnableItem(kEachOther, false);
        CheckRadioButton(kEachOther, kPosition, kPosition);
        EnablePosition(true);
    } else {
        settings.relative = 6;
        EnableItem(kEachOther, false);
        CheckRadioButton(kEachOther, kPosition, kTopLeftMargin);
        EnablePosition(false);
    }
    return ui::Dialog::OnInitDialog();
}

bool ALIGN_OBJECTS_DLG::OnCommand(int id, unsigned code)
{
    if (code == ui::BN_CLICKED)
        for (const Choice& choice : kChoices)
            if (choice.id == id) {
                settings.*choice.member = choice.value;
                if (choice.member == &AlignSettings::relative)
                    EnablePosition(id == kPosition);
                return true;
            }
    return ui::Dialog::OnCommand(id, code);
}

void ALIGN_OBJECTS_DLG::OnOK()
{
    // The position edits count only for a position; otherwise they are
    // disabled and whatever they hold is left alone.
    for (const auto& [id, value] : {std::pair {kAcrossEdit, &settings.across}, std::pair {kDownEdit, &settings.down}}) {
        if (settings.relative != 8)
            break;
        const std::optional<double> number = ParseNumberText(GetDlgItemText(id));
        if (!number) {
            ui::MessageBox(ProgramResources().LoadString(kEnterANumber), {}, ui::MB_OK | ui::MB_ICONEXCLAMATION);
            GotoDlgCtrl(id);
            return;
        }
        *value = *number;
    }
    if (const std::optional<AlignSettings::Problem> problem = settings.CheckPosition()) {
        ui::MessageBox(problem->message, {}, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        GotoDlgCtrl(problem->control);
        return;
    }
    EndDialog(1);
}
