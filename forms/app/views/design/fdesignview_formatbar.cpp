// The design view's side of the format bar: the text style and colour
// buttons, the typeface, size and rotation boxes read back when they lose
// the focus, and the bar shown from the selection or the new-object
// attributes.
#include "forms/app/views/bar_box_ids.h"
#include "forms/app/views/bar_combo_values.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/app/views/format_bar.h"
#include "forms/app/views/rotation_box.h"
#include "forms/dialogs/controls/colour_menu.h"
#include "forms/document/fdocument.h"
#include "forms/document/font_table.h"
#include "forms/model/fontface.h"
#include "forms/objects/fselection.h"
#include "forms/res/command_ids.h"

#include "platform/gdi/font_families.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/command_bar.h"

#include <QAction>
#include <QComboBox>
#include <QToolBar>
#include <QWidget>

namespace {

// A change record that changes nothing yet.
TEXTATTR NoChange()
{
    TEXTATTR change;
    change.SetMixed();
    return change;
}

// What the rotation box shows besides an angle: nothing, disabled; or
// nothing, enabled, for objects that turn but not all alike.
constexpr int kRotationNone = -1;
constexpr int kRotationMixed = -3;

// The selection's answer to the rotation box's query.
int SelectionRotation(FSELECTION* selection)
{
    constexpr uint16_t kUnanswered = 0xFFFF;
    uint16_t angle = kUnanswered;
    if (!selection || !selection->QueryAngle(&angle))
        return kRotationNone;
    return angle == kUnanswered ? kRotationMixed : angle;
}

} // namespace

void FDESIGNVIEW::RegisterFormatBarCommands()
{
    struct StyleButton {
        unsigned id;
        uint8_t TEXTATTR::*field;
        uint8_t value;
    };
    const StyleButton buttons[] = {
        {ID_TEXT_BOLD, &TEXTATTR::bold, 1},
        {ID_TEXT_ITALIC, &TEXTATTR::italic, 1},
        {ID_TEXT_UNDERLINE, &TEXTATTR::underline, kUnderlineSingle},
        {ID_TEXT_WORD_UNDERLINE, &TEXTATTR::underline, kUnderlineWord},
        {ID_TEXT_DOUBLE_UNDERLINE, &TEXTATTR::underline, kUnderlineDouble},
    };
    for (const StyleButton& button : buttons) {
        AddCommand(button.id, [this, button](unsigned) { ToggleTextStyle(button.field, button.value); });
        AddUpdate(button.id, [this, button](ui::CmdUI& cmdUI) {
            cmdUI.Enable(true);
            cmdUI.SetCheck(GetTextAttr().*button.field == button.value ? 1 : 0);
        });
    }
    AddCommand(ID_TEXT_COLOUR, [this](unsigned) { OnTextColour(); });
    AddUpdate(ID_TEXT_COLOUR, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    AddCommand(ID_SIZE_BOX, [this](unsigned) { OnSizeBox(); });
    AddCommand(ID_FACE_BOX, [this](unsigned) { OnFaceBox(); });
    AddCommand(ID_ROTATION_BOX, [this](unsigned) { OnRotationBox(); });
    // Between commands the bar follows the selection and the tool; a box
    // the user is typing in keeps its text.
    AddUpdate(ID_FACE_BOX, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        RefreshCurrentTextAttr();
        RefreshCurrentAlignment();
        FORMAT_BAR* bar = TextBar();
        if (!bar || bar->GetFaceCombo()->hasFocus() || bar->GetSizeCombo()->hasFocus())
            return;
        bar->SetTextFormat(GetTextAttr(), false);
        bar->SetAlignment(barAlignment);
    });
    AddUpdate(ID_SIZE_BOX, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    AddUpdate(ID_ROTATION_BOX, [this](ui::CmdUI& cmdUI) {
        const int angle = RotationToShow();
        cmdUI.Enable(angle != kRotationNone);
        FORMAT_BAR* bar = TextBar();
        if (bar && !bar->GetRotationCombo()->hasFocus() && angle != rotationShown)
            UpdateRotationBox();
    });
}

int FDESIGNVIEW::RotationToShow() const
{
    if (tool == kTypeText)
        return newTextRotation;
    if (tool == kSelectionTool)
        return SelectionRotation(selection.get());
    return kRotationNone;
}

void FDESIGNVIEW::ToggleTextStyle(uint8_t TEXTATTR::*field, uint8_t value)
{
    TEXTATTR change = NoChange();
    change.*field = GetTextAttr().*field == value ? 0 : value;
    TEXTATTR shown = GetTextAttr();
    shown.*field = change.*field;
    SetTextAttr(shown);
    ApplyTextAttr(change);
}

void FDESIGNVIEW::OnTextColour()
{
    COLOUR_MENU menu(1, 0);
    QPoint corner;
    QWidget* anchor = nullptr;
    if (FORMAT_BAR* bar = TextBar())
        for (QAction* action : bar->GetToolBar().actions())
            if (ui::CommandBar::CommandId(*action) == ID_TEXT_COLOUR)
                anchor = bar->GetToolBar().widgetForAction(action);
    if (anchor)
        corner = anchor->mapToGlobal(QPoint(0, anchor->height()));
    else if (QWidget* window = GetWindow())
        corner = window->mapToGlobal(QPoint(0, 0));
    const unsigned chosen = ui::TrackPopupMenu(menu.Menu(), {corner.x(), corner.y()}, GetWindow());
    if (chosen < kFirstColourName || chosen > kAutomaticColourId) {
        SetFocus();
        return;
    }
    TEXTATTR change = NoChange();
    change.colour = ColourFromMenuIndex(chosen);
    TEXTATTR shown = GetTextAttr();
    shown.colour = change.colour;
    SetTextAttr(shown);
    ApplyTextAttr(change);
    SetFocus();
}

void FDESIGNVIEW::OnSizeBox()
{
    FORMAT_BAR* bar = TextBar();
    if (!bar || !bar->GetSizeCombo() || bar->GetSizeCombo()->currentIndex() < 0)
        return;
    const uint16_t points = GetComboSelValue(*bar->GetSizeCombo(), bar->GetSizes());
    if (points == 0 || points * 20 == GetTextAttr().size)
        return;
    TEXTATTR change = NoChange();
    change.size = static_cast<uint16_t>(points * 20);
    TEXTATTR shown = GetTextAttr();
    shown.size = change.size;
    SetTextAttr(shown);
    ApplyTextAttr(change);
}

void FDESIGNVIEW::OnFaceBox()
{
    FORMAT_BAR* bar = TextBar();
    FONT_TABLE* table = GetProgramFontTable();
    if (!bar || !bar->GetFaceCombo() || !table)
        return;
    const std::string name = GetComboSelText(*bar->GetFaceCombo());
    const std::vector<gdi::FontFamily> families = gdi::EnumInstalledFontFamilies(name);
    if (families.empty()) {
        // A face nobody has keeps the current one.
        bar->SetTextFormat(GetTextAttr(), true);
        return;
    }
    const gdi::FontFamily& family = families.front();
    const uint16_t face = table->FindOrAdd(FONTFACE(family.faceName, family.pitchAndFamily, family.charSet));
    if (face == GetTextAttr().face)
        return;
    TEXTATTR change = NoChange();
    change.face = face;
    TEXTATTR shown = GetTextAttr();
    shown.face = face;
    SetTextAttr(shown);
    ApplyTextAttr(change);
}

void FDESIGNVIEW::OnRotationBox()
{
    if (!TextBar() || !TextBar()->GetRotationCombo() || !TextBar()->GetRotationCombo()->isEnabled())
        return;
    const uint16_t angle = ReadRotationBox(nullptr);
    rotationShown = angle;
    if (tool == kTypeText) {
        newTextRotation = angle;
        return;
    }
    if (tool != kSelectionTool)
        return;
    const int now = SelectionRotation(selection.get());
    if (now == kRotationNone || now == angle)
        return;
    selection->SetRotation(angle, this);
    if (FDOCUMENT* doc = GetFormDocument())
        doc->SetModified(true);
}

uint16_t FDESIGNVIEW::ReadRotationBox(const uint16_t* value)
{
    FORMAT_BAR* bar = TextBar();
    QComboBox* box = bar ? bar->GetRotationCombo() : nullptr;
    if (!box)
        return 0;
    return value ? ShowRotation(*box, *value) : ReadRotationCombo(*box);
}

void FDESIGNVIEW::UpdateRotationBox()
{
    FORMAT_BAR* bar = TextBar();
    QComboBox* box = bar ? bar->GetRotationCombo() : nullptr;
    if (!box)
        return;
    const int angle = RotationToShow();
    rotationShown = angle;
    box->setEnabled(angle != kRotationNone);
    if (angle >= 0) {
        const auto shown = static_cast<uint16_t>(angle);
        ReadRotationBox(&shown);
    } else {
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
}

void FDESIGNVIEW::ShowFormatBar()
{
    FORMAT_BAR* bar = TextBar();
    if (!bar)
        return;
    bar->SetTextFormat(GetTextAttr(), false);
    bar->SetAlignment(barAlignment);
    UpdateRotationBox();
}
