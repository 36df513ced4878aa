// The design view's format bar: the text style and colour buttons, the
// typeface, size and rotation boxes read back when they lose the focus,
// and the bar shown from the selection or the new-object attributes.
#include "forms/app/views/design/design_format.h"
#include "forms/app/views/design/design_styles.h"

#include "forms/app/views/bar_box_ids.h"
#include "forms/app/views/bar_combo_values.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/app/views/format_bar.h"
#include "forms/app/views/rotation_box.h"
#include "forms/dialogs/controls/colour_menu.h"
#include "forms/document/font_table.h"
#include "forms/editor/form_editor.h"
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

FORMAT_BAR* DESIGN_FORMAT::Bar() const
{
    VIEW_HOST* host = view.GetViewHost();
    return host ? host->GetTextToolBar() : nullptr;
}

void DESIGN_FORMAT::RegisterBarCommands()
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
        view.AddCommand(button.id, [this, button](unsigned) { ToggleTextStyle(button.field, button.value); });
        view.AddUpdate(button.id, [this, button](ui::CmdUI& cmdUI) {
            cmdUI.Enable(true);
            cmdUI.SetCheck(view.GetTextAttr().*button.field == button.value ? 1 : 0);
        });
    }
    view.AddCommand(ID_TEXT_COLOUR, [this](unsigned) { OnTextColour(); });
    view.AddUpdate(ID_TEXT_COLOUR, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    view.AddCommand(ID_SIZE_BOX, [this](unsigned) { OnSizeBox(); });
    view.AddCommand(ID_FACE_BOX, [this](unsigned) { OnFaceBox(); });
    view.AddCommand(ID_ROTATION_BOX, [this](unsigned) { OnRotationBox(); });
    // Between commands the bar follows the selection and the tool; a box
    // the user is typing in keeps its text.
    view.AddUpdate(ID_FACE_BOX, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        RefreshCurrentTextAttr();
        RefreshCurrentAlignment();
        FORMAT_BAR* bar = Bar();
        if (!bar || bar->GetFaceCombo()->hasFocus() || bar->GetSizeCombo()->hasFocus())
            return;
        bar->SetTextFormat(view.GetTextAttr(), false);
        bar->SetAlignment(barAlignment);
    });
    view.AddUpdate(ID_SIZE_BOX, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    view.AddUpdate(ID_ROTATION_BOX, [this](ui::CmdUI& cmdUI) {
        const int angle = RotationToShow();
        cmdUI.Enable(angle != kRotationNone);
        FORMAT_BAR* bar = Bar();
        if (bar && !bar->GetRotationCombo()->hasFocus() && angle != rotationShown)
            UpdateRotationBox();
    });
}

int DESIGN_FORMAT::RotationToShow() const
{
    if (view.GetTool() == kTypeText)
        return newTextRotation;
    if (view.GetTool() == kSelectionTool)
        return SelectionRotation(view.GetSelection());
    return kRotationNone;
}

void DESIGN_FORMAT::ToggleTextStyle(uint8_t TEXTATTR::*field, uint8_t value)
{
    TEXTATTR change = NoChange();
    change.*field = view.GetTextAttr().*field == value ? 0 : value;
    TEXTATTR shown = view.GetTextAttr();
    shown.*field = change.*field;
    view.SetTextAttr(shown);
    view.ApplyTextAttr(change);
}

void DESIGN_FORMAT::OnTextColour()
{
    COLOUR_MENU menu(1, 0);
    QPoint corner;
    QWidget* anchor = nullptr;
    if (FORMAT_BAR* bar = Bar())
        for (QAction* action : bar->GetToolBar().actions())
            if (ui::CommandBar::CommandId(*action) == ID_TEXT_COLOUR)
                anchor = bar->GetToolBar().widgetForAction(action);
    if (anchor)
        corner = anchor->mapToGlobal(QPoint(0, anchor->height()));
    else if (QWidget* window = view.GetWindow())
        corner = window->mapToGlobal(QPoint(0, 0));
    const unsigned chosen = ui::TrackPopupMenu(menu.Menu(), {corner.x(), corner.y()}, view.GetWindow());
    if (chosen < kFirstColourName || chosen > kAutomaticColourId) {
        view.SetFocus();
        return;
    }
    TEXTATTR change = NoChange();
    change.colour = ColourFromMenuIndex(chosen);
    TEXTATTR shown = view.GetTextAttr();
    shown.colour = change.colour;
    view.SetTextAttr(shown);
    view.ApplyTextAttr(change);
    view.SetFocus();
}

void DESIGN_FORMAT::OnSizeBox()
{
    FORMAT_BAR* bar = Bar();
    if (!bar || !bar->GetSizeCombo() || bar->GetSizeCombo()->currentIndex() < 0)
        return;
    const uint16_t points = GetComboSelValue(*bar->GetSizeCombo(), bar->GetSizes());
    if (points == 0 || points * 20 == view.GetTextAttr().size)
        return;
    TEXTATTR change = NoChange();
    change.size = static_cast<uint16_t>(points * 20);
    TEXTATTR shown = view.GetTextAttr();
    shown.size = change.size;
    view.SetTextAttr(shown);
    view.ApplyTextAttr(change);
}

void DESIGN_FORMAT::OnFaceBox()
{
    FORMAT_BAR* bar = Bar();
    FONT_TABLE* table = GetProgramFontTable();
    if (!bar || !bar->GetFaceCombo() || !table)
        return;
    const std::string name = GetComboSelText(*bar->GetFaceCombo());
    const std::vector<gdi::FontFamily> families = gdi::EnumInstalledFontFamilies(name);
    if (families.empty()) {
        // A face nobody has keeps the current one.
        bar->SetTextFormat(view.GetTextAttr(), true);
        return;
    }
    const gdi::FontFamily& family = families.front();
    const uint16_t face = table->FindOrAdd(FONTFACE(family.faceName, family.pitchAndFamily, family.charSet));
    if (face == view.GetTextAttr().face)
        return;
    TEXTATTR change = NoChange();
    change.face = face;
    TEXTATTR shown = view.GetTextAttr();
    shown.face = face;
    view.SetTextAttr(shown);
    view.ApplyTextAttr(change);
}

void DESIGN_FORMAT::OnRotationBox()
{
    if (!Bar() || !Bar()->GetRotationCombo() || !Bar()->GetRotationCombo()->isEnabled())
        return;
    const uint16_t angle = ReadRotationBox(nullptr);
    rotationShown = angle;
    if (view.GetTool() == kTypeText) {
        newTextRotation = angle;
        return;
    }
    if (view.GetTool() != kSelectionTool)
        return;
    const int now = SelectionRotation(view.GetSelection());
    if (now == kRotationNone || now == angle)
        return;
    if (FORM_EDITOR* editor = view.GetEditor())
        editor->ChangeRotation(angle);
}

uint16_t DESIGN_FORMAT::ReadRotationBox(const uint16_t* value)
{
    FORMAT_BAR* bar = Bar();
    QComboBox* box = bar ? bar->GetRotationCombo() : nullptr;
    if (!box)
        return 0;
    return value ? ShowRotation(*box, *value) : ReadRotationCombo(*box);
}

void DESIGN_FORMAT::UpdateRotationBox()
{
    FORMAT_BAR* bar = Bar();
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

void DESIGN_FORMAT::ShowFormatBar()
{
    FORMAT_BAR* bar = Bar();
    if (!bar)
        return;
    bar->SetTextFormat(view.GetTextAttr(), false);
    bar->SetAlignment(barAlignment);
    UpdateRotationBox();
}
