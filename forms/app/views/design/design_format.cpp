// The design view's format commands: a Format dialog works on the selected
// objects, applying each change at once and taking all of it back on
// Cancel, or, when the selection has no such attribute, on the attribute
// that new objects take; the appearance sheet works on one object the same
// way; the alignment commands and the format bar's refresh.
#include "forms/app/views/design/design_format.h"
#include "forms/app/views/design/design_styles.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/app/views/format_bar.h"
#include "forms/dialogs/appearance/align_menu.h"
#include "forms/dialogs/appearance/fontdialog.h"
#include "forms/dialogs/appearance/line_format_dlg.h"
#include "forms/dialogs/appearance/line_spacing_dlg.h"
#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/dialogs/appearance/shade_format_dlg.h"
#include "forms/dialogs/appearance/shadowdlg.h"
#include "forms/dialogs/appearance/spacing_page.h"
#include "forms/document/fdocument.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftextobj.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/message_box.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

#include <functional>

namespace {

// The view's dialog flag for the time a format dialog runs.
class DialogOpenScope {
public:
    explicit DialogOpenScope(FDESIGNVIEW& view)
        : view(view)
    {
        view.SetAppearanceSheetOpen(true);
    }
    ~DialogOpenScope() { view.SetAppearanceSheetOpen(false); }
    DialogOpenScope(const DialogOpenScope&) = delete;
    DialogOpenScope& operator=(const DialogOpenScope&) = delete;

private:
    FDESIGNVIEW& view;
};

// What a Format dialog command does with its dialog's value.
struct FormatSteps {
    // Runs the dialog; its result.
    std::function<int()> run;
    // Whether the dialog's value differs from the one it opened with.
    std::function<bool()> changed;
    // OK without a selection's value: the value goes to new objects.
    std::function<void()> keepForNewObjects;
    // Cancel with nothing selected: new objects' value as it was.
    std::function<void()> restoreNewObjects;
    // The shadow's dialog repaints on OK only when something changed.
    bool repaintOnlyWhenChanged = false;
};

// The one flow of the Format dialogs. With objects selected, the dialog
// runs under one snapshot of them, which Cancel puts back.
void RunFormatDialog(DESIGN_FORMAT& format, FDESIGNVIEW& view, bool fromSelection, const FormatSteps& steps)
{
    FDOCUMENT* doc = view.GetFormDocument();
    FSELECTION* selection = view.GetSelection();
    FORM_EDITOR* editor = view.GetEditor();
    if (!selection || !doc || !editor)
        return;
    const bool anySelected = selection->GetCount() > 0;
    const auto run = [&] {
        int result;
        {
            DialogOpenScope open(view);
            selection->Invalidate(&view);
            result = steps.run();
        }
        if (result == ui::IDOK) {
            if (fromSelection) {
                const bool changed = steps.changed();
                if (changed)
                    doc->SetModified(true);
                if (changed || !steps.repaintOnlyWhenChanged)
                    selection->Invalidate(&view);
            } else {
                steps.keepForNewObjects();
            }
            return true;
        }
        // Cancel takes back what new objects were given too, also when the
        // selected objects had no such attribute to change.
        if (!fromSelection || !anySelected)
            steps.restoreNewObjects();
        if (anySelected)
            selection->Invalidate(&view);
        return false;
    };
    if (anySelected)
        editor->ChangeUnderSnapshot(run);
    else
        run();
    format.UpdateFormatBar();
}

} // namespace

DESIGN_FORMAT::DESIGN_FORMAT(FDESIGNVIEW& view)
    : view(view)
{
    newObjects.border.roundedFlag = 1;
    newObjects.text.Reset();
}

void DESIGN_FORMAT::TakeDefaults(const DESIGN_DEFAULTS& kept)
{
    newObjects = kept;
    view.SetTextAttr(newObjects.text);
    barAlignment = newObjects.alignment;
}

void DESIGN_FORMAT::RegisterCommands()
{
    auto always = [](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(0);
    };
    view.AddCommand(ID_FORMAT_SHADOW, [this](unsigned) { OnFormatShadow(); });
    view.AddUpdate(ID_FORMAT_SHADOW, always);
    view.AddCommand(ID_FORMAT_LINE, [this](unsigned) { OnFormatLine(); });
    view.AddUpdate(ID_FORMAT_LINE, always);
    view.AddCommand(ID_FORMAT_SHADE, [this](unsigned) { OnFormatShade(); });
    view.AddUpdate(ID_FORMAT_SHADE, always);
    view.AddCommand(ID_FORMAT_FONT, [this](unsigned) { OnFormatFont(); });
    view.AddUpdate(ID_FORMAT_FONT, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    view.AddCommand(ID_FORMAT_TEXT_SPACING, [this](unsigned) { OnTextSpacing(); });
    view.AddUpdate(ID_FORMAT_TEXT_SPACING, [this](ui::CmdUI& cmdUI) {
        FSELECTION* selection = view.GetSelection();
        cmdUI.Enable(selection && selection->GetAttribute(kAttrLineSpacing, 0) && !view.GetEditedObject());
    });
    view.AddCommand(ID_EDIT_APPEARANCE, [this](unsigned) { OnEditAppearance(); });
    view.AddUpdate(ID_EDIT_APPEARANCE, [this](ui::CmdUI& cmdUI) {
        FSELECTION* selection = view.GetSelection();
        FORMOBJ* first = selection ? selection->GetFirstSelected() : nullptr;
        cmdUI.Enable(selection && selection->GetCount() == 1 && first && first->GetType() != kTypeGroup
            && first->GetType() != kTypeOle && !view.GetEditedObject());
    });
    view.AddCommand(ID_TEXT_ALIGNMENT, [this](unsigned) { OnTextAlignmentMenu(); });
    view.AddUpdate(ID_TEXT_ALIGNMENT, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    for (unsigned id = ID_ALIGN_LEFT; id <= ID_ALIGN_JUSTIFIED; ++id) {
        const auto code = static_cast<uint8_t>(AlignmentOfCommand(id));
        view.AddCommand(id, [this, code](unsigned) { SetTextAlignment(code); });
        view.AddUpdate(id, [this, code](ui::CmdUI& cmdUI) {
            cmdUI.Enable(true);
            cmdUI.SetCheck(barAlignment == code ? 1 : 0);
        });
    }
    RegisterBarCommands();
}

// Apply operations.

void DESIGN_FORMAT::SetSelectionShadow(const SHADOW& shadow, uintptr_t flag)
{
    if (FORM_EDITOR* editor = view.GetEditor(); editor && editor->ApplyShadow(shadow, flag != 0))
        UpdateFormatBar();
}

void DESIGN_FORMAT::SetSelectionBorder(const BORDER& border, uintptr_t flag)
{
    if (FORM_EDITOR* editor = view.GetEditor(); editor && editor->ApplyBorder(border, flag != 0))
        UpdateFormatBar();
}

void DESIGN_FORMAT::SetSelectionShade(const BASICSHADE& shade, uintptr_t flag)
{
    if (FORM_EDITOR* editor = view.GetEditor(); editor && editor->ApplyShade(shade, flag != 0))
        UpdateFormatBar();
}

void DESIGN_FORMAT::SetSelectionAlignment(uint8_t code, uintptr_t flag)
{
    if (FORM_EDITOR* editor = view.GetEditor(); editor && editor->ApplyAlignment(code, flag != 0))
        UpdateFormatBar();
}

void DESIGN_FORMAT::SetSelectionLineSpacing(uint16_t spacing)
{
    if (FORM_EDITOR* editor = view.GetEditor())
        editor->ApplyLineSpacing(spacing);
}

void DESIGN_FORMAT::SetTextAlignment(uint8_t code)
{
    FORM_EDITOR* editor = view.GetEditor();
    if (!editor)
        return;
    if (!editor->ChangeAlignment(code)) {
        view.Styles().DropCurrentStyle();
        newObjects.alignment = code;
        barAlignment = code;
    }
    UpdateFormatBar();
}

void DESIGN_FORMAT::ApplyTextAttr(const TEXTATTR& change)
{
    FORM_EDITOR* editor = view.GetEditor();
    if (!editor)
        return;
    if (!editor->ChangeTextAttr(change)) {
        view.Styles().DropCurrentStyle();
        TEXTATTR merged = view.GetTextAttr();
        merged.Merge(change);
        view.SetTextAttr(merged);
        newObjects.text = merged;
    }
    UpdateFormatBar();
}

// The format bar.

void DESIGN_FORMAT::UpdateFormatBar()
{
    RefreshCurrentTextAttr();
    RefreshCurrentAlignment();
    ShowFormatBar();
    // A text being edited shows its characters' format, not a style.
    if (FSELECTION* selection = view.GetSelection(); !selection || !selection->CanFormatText())
        view.Styles().RefreshStyleBox();
}

void DESIGN_FORMAT::RefreshCurrentTextAttr()
{
    TEXTATTR shown;
    if (FSELECTION* selection = view.GetSelection(); selection && selection->GetFont(&shown))
        view.SetTextAttr(shown);
    else if (FORMOBJ* style = view.Styles().GetCurrentStyle(); style && style->GetFont(&shown))
        view.SetTextAttr(shown);
    else
        view.SetTextAttr(newObjects.text);
}

void DESIGN_FORMAT::RefreshCurrentAlignment()
{
    uint8_t shown = 0;
    if (FSELECTION* selection = view.GetSelection(); selection && selection->GetAlignment(&shown))
        barAlignment = shown;
    else if (FORMOBJ* style = view.Styles().GetCurrentStyle(); style && style->GetAlignment(&shown))
        barAlignment = shown;
    else
        barAlignment = newObjects.alignment;
}

// The current attributes.

int DESIGN_FORMAT::GetCurrentShadow(SHADOW* out)
{
    if (FSELECTION* selection = view.GetSelection(); selection && selection->GetShadow(out))
        return 1;
    if (FORMOBJ* style = view.Styles().GetCurrentStyle(); style && style->GetShadow(out))
        return 0;
    out->Copy(newObjects.shadow);
    return 0;
}

int DESIGN_FORMAT::GetCurrentBorder(BORDER* out)
{
    if (FSELECTION* selection = view.GetSelection(); selection && selection->GetBorder(out) && !out->IsSpecialStyle())
        return 1;
    if (FORMOBJ* style = view.Styles().GetCurrentStyle(); style && style->GetBorder(out))
        return 0;
    out->Copy(newObjects.border);
    return 0;
}

int DESIGN_FORMAT::GetCurrentShade(BASICSHADE* out)
{
    if (FSELECTION* selection = view.GetSelection(); selection && selection->GetShade(out) && !out->IsSpecialPattern())
        return 1;
    if (FORMOBJ* style = view.Styles().GetCurrentStyle(); style && style->GetShade(out))
        return 0;
    out->Copy(newObjects.shade);
    out->noFill = newObjects.shade.noFill;
    return 0;
}

// The Format dialogs.

void DESIGN_FORMAT::OnFormatShadow()
{
    SHADOW current;
    const bool fromSelection = GetCurrentShadow(&current);
    const SHADOW old = current;
    SHADOWDLG dialog(view.GetWindow());
    dialog.SetShadow(current, &view);
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetShadow().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        view.Styles().DropCurrentStyle();
        newObjects.shadow.Copy(dialog.GetShadow());
    };
    steps.restoreNewObjects = [&] { newObjects.shadow.Copy(old); };
    steps.repaintOnlyWhenChanged = true;
    RunFormatDialog(*this, view, fromSelection, steps);
}

void DESIGN_FORMAT::OnFormatLine()
{
    BORDER current;
    const bool fromSelection = GetCurrentBorder(&current);
    BORDER old;
    old.Copy(current);
    LINE_FORMAT_DLG dialog(current, &view, view.GetWindow());
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetBorder().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        view.Styles().DropCurrentStyle();
        newObjects.border.Copy(dialog.GetBorder());
        newObjects.border.reserved = 0;
    };
    steps.restoreNewObjects = [&] { newObjects.border.Copy(old); };
    RunFormatDialog(*this, view, fromSelection, steps);
}

void DESIGN_FORMAT::OnFormatShade()
{
    BASICSHADE current;
    const bool fromSelection = GetCurrentShade(&current);
    BASICSHADE old;
    old.Copy(current);
    old.noFill = current.noFill;
    SHADE_FORMAT_DLG dialog(current, &view, view.GetWindow());
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetShade().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        view.Styles().DropCurrentStyle();
        newObjects.shade.Copy(dialog.GetShade());
        newObjects.shade.noFill = dialog.GetShade().noFill;
    };
    steps.restoreNewObjects = [&] {
        newObjects.shade.Copy(old);
        newObjects.shade.noFill = old.noFill;
    };
    RunFormatDialog(*this, view, fromSelection, steps);
}

void DESIGN_FORMAT::OnFormatFont()
{
    FSELECTION* selection = view.GetSelection();
    if (!selection || ((selection->CanFormatText() || view.GetEditedHeader()) && view.FormatEditedText()))
        return;
    TEXTATTR current;
    const bool fromSelection = selection->GetFont(&current);
    if (!fromSelection)
        current = view.GetTextAttr();
    const TEXTATTR old = current;
    const TEXTATTR oldNew = newObjects.text;
    FONTDIALOG dialog(&view, view.GetWindow());
    dialog.SetFont(current);
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetFont().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        view.Styles().DropCurrentStyle();
        newObjects.text = dialog.GetFont();
        view.SetTextAttr(newObjects.text);
    };
    steps.restoreNewObjects = [&] {
        newObjects.text = oldNew;
        view.SetTextAttr(old);
    };
    RunFormatDialog(*this, view, fromSelection, steps);
    selection->Invalidate(&view);
}

void DESIGN_FORMAT::OnTextSpacing()
{
    FSELECTION* selection = view.GetSelection();
    FORM_EDITOR* editor = view.GetEditor();
    if (!selection || !view.GetFormDocument() || !editor)
        return;
    editor->ChangeUnderSnapshot([this, selection] {
        uint16_t spacing = kTallestFontSpacing;
        selection->GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
        const uint16_t old = spacing;
        LINE_SPACING_DLG dialog(&view, view.GetWindow());
        dialog.SetSpacing(spacing);
        dialog.SetUnits(static_cast<uint8_t>(view.GetUnit()));
        int result;
        {
            DialogOpenScope open(view);
            result = dialog.DoModal();
        }
        selection->Invalidate(&view);
        if (result == ui::IDCANCEL)
            return false;
        if (dialog.GetSpacing() != old)
            view.GetFormDocument()->SetModified(true);
        return true;
    });
}

// The appearance sheet.

int DESIGN_FORMAT::RunAppearanceSheet(uint16_t captionId, FORMOBJ& object)
{
    OBJAPPDLG sheet(captionId, view.GetWindow(), 0);
    if (!sheet.InitFromObject(&object, &view))
        return -1;
    if (LSPACEDLG* spacing = sheet.GetSpacingPage())
        spacing->SetUnits(static_cast<uint8_t>(view.GetUnit()));
    return sheet.DoModal();
}

void DESIGN_FORMAT::OnEditAppearance()
{
    FSELECTION* selection = view.GetSelection();
    FORMOBJ* first = selection ? selection->GetFirstSelected() : nullptr;
    if (!first)
        return;
    int kept;
    {
        DialogOpenScope open(view);
        selection->Invalidate(&view);
        kept = first->ShowAppearanceDialog(&view, kObjectAppearanceCaption);
    }
    selection->Invalidate(&view);
    // What the sheet kept is a change of the form, as with a double click.
    if (kept == 1)
        if (FDOCUMENT* doc = view.GetFormDocument())
            doc->SetModified(true);
    UpdateFormatBar();
    view.SetFocus();
}

void DESIGN_FORMAT::OnTextAlignmentMenu()
{
    ALIGN_MENU menu;
    QPoint corner;
    QWidget* owner = view.GetWindow();
    QWidget* anchor = nullptr;
    if (FORMAT_BAR* bar = Bar()) {
        for (QAction* action : bar->GetToolBar().actions())
            if (ui::CommandBar::CommandId(*action) == ID_TEXT_ALIGNMENT)
                anchor = bar->GetToolBar().widgetForAction(action);
    }
    if (anchor)
        corner = anchor->mapToGlobal(QPoint(0, anchor->height()));
    else if (owner)
        corner = owner->mapToGlobal(QPoint(0, 0));
    const unsigned chosen = ui::TrackPopupMenu(menu.Menu(), {corner.x(), corner.y()}, owner);
    if (const int code = AlignmentOfCommand(chosen); code >= 0)
        SetTextAlignment(static_cast<uint8_t>(code));
}
