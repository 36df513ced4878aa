// The design view's format commands: a Format dialog works on the selected
// objects, applying each change at once and taking all of it back on
// Cancel, or, when the selection has no such attribute, on the attribute
// that new objects take; the appearance sheet works on one object the same
// way; the alignment commands and the format bar's refresh.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/views/design/design_styles.h"
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
#include "forms/edit/undo_list.h"
#include "forms/editor/form_editor.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/message_box.h"

#include <QAction>
#include <QToolBar>
#include <QWidget>

#include <functional>

namespace {

// The attribute selector of the line spacing.
constexpr int kLineSpacingAttribute = 4;

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

} // namespace

namespace {

// The one flow of the Format dialogs. With objects selected, the dialog
// runs under one snapshot of them, which Cancel puts back.
void RunFormatDialog(FDESIGNVIEW& view, bool fromSelection, const FormatSteps& steps)
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
    view.UpdateFormatBar();
}

} // namespace

void FDESIGNVIEW::RegisterFormatCommands()
{
    auto always = [](ui::CmdUI& cmdUI) {
        cmdUI.Enable(true);
        cmdUI.SetCheck(0);
    };
    AddCommand(ID_FORMAT_SHADOW, [this](unsigned) { OnFormatShadow(); });
    AddUpdate(ID_FORMAT_SHADOW, always);
    AddCommand(ID_FORMAT_LINE, [this](unsigned) { OnFormatLine(); });
    AddUpdate(ID_FORMAT_LINE, always);
    AddCommand(ID_FORMAT_SHADE, [this](unsigned) { OnFormatShade(); });
    AddUpdate(ID_FORMAT_SHADE, always);
    AddCommand(ID_FORMAT_FONT, [this](unsigned) { OnFormatFont(); });
    AddUpdate(ID_FORMAT_FONT, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    AddCommand(ID_FORMAT_TEXT_SPACING, [this](unsigned) { OnTextSpacing(); });
    AddUpdate(ID_FORMAT_TEXT_SPACING, [this](ui::CmdUI& cmdUI) {
        cmdUI.Enable(selection && selection->GetAttribute(kLineSpacingAttribute, 0) && !GetEditedObject());
    });
    AddCommand(ID_EDIT_APPEARANCE, [this](unsigned) { OnEditAppearance(); });
    AddUpdate(ID_EDIT_APPEARANCE, [this](ui::CmdUI& cmdUI) {
        FORMOBJ* first = selection ? selection->GetFirstSelected() : nullptr;
        cmdUI.Enable(selection && selection->GetCount() == 1 && first && first->GetType() != kTypeGroup
            && first->GetType() != kTypeOle && !GetEditedObject());
    });
    AddCommand(ID_TEXT_ALIGNMENT, [this](unsigned) { OnTextAlignmentMenu(); });
    AddUpdate(ID_TEXT_ALIGNMENT, [](ui::CmdUI& cmdUI) { cmdUI.Enable(true); });
    for (unsigned id = ID_ALIGN_LEFT; id <= ID_ALIGN_JUSTIFIED; ++id) {
        const auto code = static_cast<uint8_t>(AlignmentOfCommand(id));
        AddCommand(id, [this, code](unsigned) { SetTextAlignment(code); });
        AddUpdate(id, [this, code](ui::CmdUI& cmdUI) {
            cmdUI.Enable(true);
            cmdUI.SetCheck(barAlignment == code ? 1 : 0);
        });
    }
}

// Apply operations.

void FDESIGNVIEW::SetSelectionShadow(const SHADOW& shadow, uintptr_t flag)
{
    if (!selection)
        return;
    if (flag == 0) {
        selection->ChangeShadow(shadow, this);
    } else {
        VIEWDC dc(this);
        if (!SetupOwnDC(dc))
            return;
        selection->Invalidate(this);
        selection->SetShadow(shadow);
        selection->Invalidate(this);
    }
    UpdateFormatBar();
}

void FDESIGNVIEW::SetSelectionBorder(const BORDER& border, uintptr_t flag)
{
    if (!selection)
        return;
    // The query's flags say what was selected; objects keep their own.
    BORDER applied;
    applied.Copy(border);
    applied.reserved = 0;
    if (flag == 0) {
        selection->ChangeBorder(applied, this);
    } else {
        VIEWDC dc(this);
        if (!SetupOwnDC(dc))
            return;
        selection->Invalidate(this);
        selection->SetBorder(applied);
        selection->Invalidate(this);
    }
    UpdateFormatBar();
}

void FDESIGNVIEW::SetSelectionShade(const BASICSHADE& shade, uintptr_t flag)
{
    if (!selection)
        return;
    if (flag == 0) {
        selection->ChangeShade(shade, this);
    } else {
        VIEWDC dc(this);
        if (!SetupOwnDC(dc))
            return;
        selection->Invalidate(this);
        selection->SetShade(shade);
        selection->Invalidate(this);
    }
    UpdateFormatBar();
}

void FDESIGNVIEW::SetSelectionAlignment(uint8_t code, uintptr_t flag)
{
    if (!selection)
        return;
    if (flag == 0) {
        selection->ChangeAlignment(code, this);
    } else {
        VIEWDC dc(this);
        if (!SetupOwnDC(dc))
            return;
        selection->Invalidate(this);
        selection->SetAlignment(code);
        selection->Invalidate(this);
    }
    UpdateFormatBar();
}

void FDESIGNVIEW::SetSelectionLineSpacing(uint16_t spacing, uintptr_t)
{
    if (!selection)
        return;
    // The setter alone does not repaint; the change shows at once.
    selection->Invalidate(this);
    selection->SetAttribute(kLineSpacingAttribute, reinterpret_cast<uintptr_t>(&spacing));
    selection->Invalidate(this);
}

void FDESIGNVIEW::SetTextAlignment(uint8_t code)
{
    if (!selection)
        return;
    if (uint8_t shown = 0; selection->GetAlignment(&shown)) {
        selection->ChangeAlignment(code, this);
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetModified(true);
    } else {
        Styles().DropCurrentStyle();
        alignment = code;
        barAlignment = code;
    }
    UpdateFormatBar();
}

void FDESIGNVIEW::ApplyTextAttr(const TEXTATTR& change)
{
    if (!selection)
        return;
    if (TEXTATTR shown; selection->GetFont(&shown)) {
        selection->ApplyToSelected(change, this);
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetModified(true);
    } else {
        Styles().DropCurrentStyle();
        textAttr.Merge(change);
        currentFont = textAttr;
    }
    UpdateFormatBar();
}

// The format bar.

void FDESIGNVIEW::UpdateFormatBar()
{
    RefreshCurrentTextAttr();
    RefreshCurrentAlignment();
    ShowFormatBar();
    // A text being edited shows its characters' format, not a style.
    if (!selection || !selection->CanFormatText())
        Styles().RefreshStyleBox();
}

void FDESIGNVIEW::RefreshCurrentTextAttr()
{
    TEXTATTR shown;
    if (selection && selection->GetFont(&shown))
        SetTextAttr(shown);
    else if (FORMOBJ* style = Styles().GetCurrentStyle(); style && style->GetFont(&shown))
        SetTextAttr(shown);
    else
        SetTextAttr(currentFont);
}

void FDESIGNVIEW::RefreshCurrentAlignment()
{
    uint8_t shown = 0;
    if (selection && selection->GetAlignment(&shown))
        barAlignment = shown;
    else if (FORMOBJ* style = Styles().GetCurrentStyle(); style && style->GetAlignment(&shown))
        barAlignment = shown;
    else
        barAlignment = alignment;
}

// The current attributes.

int FDESIGNVIEW::GetCurrentShadow(SHADOW* out)
{
    if (selection && selection->GetShadow(out))
        return 1;
    if (FORMOBJ* style = Styles().GetCurrentStyle(); style && style->GetShadow(out))
        return 0;
    out->Copy(currentShadow);
    return 0;
}

int FDESIGNVIEW::GetCurrentBorder(BORDER* out)
{
    if (selection && selection->GetBorder(out) && !out->IsSpecialStyle())
        return 1;
    if (FORMOBJ* style = Styles().GetCurrentStyle(); style && style->GetBorder(out))
        return 0;
    out->Copy(currentBorder);
    return 0;
}

int FDESIGNVIEW::GetCurrentShade(BASICSHADE* out)
{
    if (selection && selection->GetShade(out) && !out->IsSpecialPattern())
        return 1;
    if (FORMOBJ* style = Styles().GetCurrentStyle(); style && style->GetShade(out))
        return 0;
    out->Copy(currentShade);
    out->noFill = currentShade.noFill;
    return 0;
}

// The Format dialogs.

void FDESIGNVIEW::OnFormatShadow()
{
    SHADOW current;
    const bool fromSelection = GetCurrentShadow(&current);
    const SHADOW old = current;
    SHADOWDLG dialog(GetWindow());
    dialog.SetShadow(current, this);
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetShadow().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        Styles().DropCurrentStyle();
        currentShadow.Copy(dialog.GetShadow());
    };
    steps.restoreNewObjects = [&] { currentShadow.Copy(old); };
    steps.repaintOnlyWhenChanged = true;
    RunFormatDialog(*this, fromSelection, steps);
}

void FDESIGNVIEW::OnFormatLine()
{
    BORDER current;
    const bool fromSelection = GetCurrentBorder(&current);
    BORDER old;
    old.Copy(current);
    LINE_FORMAT_DLG dialog(current, this, GetWindow());
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetBorder().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        Styles().DropCurrentStyle();
        currentBorder.Copy(dialog.GetBorder());
        currentBorder.reserved = 0;
    };
    steps.restoreNewObjects = [&] { currentBorder.Copy(old); };
    RunFormatDialog(*this, fromSelection, steps);
}

void FDESIGNVIEW::OnFormatShade()
{
    BASICSHADE current;
    const bool fromSelection = GetCurrentShade(&current);
    BASICSHADE old;
    old.Copy(current);
    old.noFill = current.noFill;
    SHADE_FORMAT_DLG dialog(current, this, GetWindow());
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetShade().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        Styles().DropCurrentStyle();
        currentShade.Copy(dialog.GetShade());
        currentShade.noFill = dialog.GetShade().noFill;
    };
    steps.restoreNewObjects = [&] {
        currentShade.Copy(old);
        currentShade.noFill = old.noFill;
    };
    RunFormatDialog(*this, fromSelection, steps);
}

void FDESIGNVIEW::OnFormatFont()
{
    if (!selection || (selection->CanFormatText() && FormatEditedText()))
        return;
    TEXTATTR current;
    const bool fromSelection = selection->GetFont(&current);
    if (!fromSelection)
        current = textAttr;
    const TEXTATTR old = current;
    const TEXTATTR oldNew = currentFont;
    FONTDIALOG dialog(this, GetWindow());
    dialog.SetFont(current);
    FormatSteps steps;
    steps.run = [&] { return dialog.DoModal(); };
    steps.changed = [&] { return !dialog.GetFont().IsEqual(old); };
    steps.keepForNewObjects = [&] {
        Styles().DropCurrentStyle();
        currentFont = dialog.GetFont();
        SetTextAttr(currentFont);
    };
    steps.restoreNewObjects = [&] {
        currentFont = oldNew;
        SetTextAttr(old);
    };
    RunFormatDialog(*this, fromSelection, steps);
    selection->Invalidate(this);
}

void FDESIGNVIEW::OnTextSpacing()
{
    if (!selection || !GetFormDocument() || !editor)
        return;
    editor->ChangeUnderSnapshot([this] {
        uint16_t spacing = kTallestFontSpacing;
        selection->GetAttribute(kLineSpacingAttribute, reinterpret_cast<uintptr_t>(&spacing));
        const uint16_t old = spacing;
        LINE_SPACING_DLG dialog(this, GetWindow());
        dialog.SetSpacing(spacing);
        dialog.SetUnits(static_cast<uint8_t>(unit));
        int result;
        {
            DialogOpenScope open(*this);
            result = dialog.DoModal();
        }
        selection->Invalidate(this);
        if (result == ui::IDCANCEL)
            return false;
        if (dialog.GetSpacing() != old)
            GetFormDocument()->SetModified(true);
        return true;
    });
}

// The appearance sheet.

void FDESIGNVIEW::RecordSelectionUndo()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    UNDO_LIST& list = doc->GetUndoList();
    if (sheetSnapshot && list.Contains(sheetSnapshot))
        list.Drop(sheetSnapshot);
    sheetSnapshot = list.Record({&doc->GetObjects(), nullptr, kUndoSnapshot}, 0);
}

void FDESIGNVIEW::UndoLast()
{
    FDOCUMENT* doc = GetFormDocument();
    if (doc && sheetSnapshot && doc->GetUndoList().Contains(sheetSnapshot))
        sheetSnapshot->Restore();
}

void FDESIGNVIEW::DropLastUndo()
{
    FDOCUMENT* doc = GetFormDocument();
    if (doc && sheetSnapshot && doc->GetUndoList().Contains(sheetSnapshot))
        doc->GetUndoList().Drop(sheetSnapshot);
    sheetSnapshot = nullptr;
}

int FDESIGNVIEW::RunAppearanceSheet(uint16_t captionId, FORMOBJ& object)
{
    OBJAPPDLG sheet(captionId, GetWindow(), 0);
    if (!sheet.InitFromObject(&object, this))
        return -1;
    if (LSPACEDLG* spacing = sheet.GetSpacingPage())
        spacing->SetUnits(static_cast<uint8_t>(unit));
    return sheet.DoModal();
}

void FDESIGNVIEW::OnEditAppearance()
{
    FORMOBJ* first = selection ? selection->GetFirstSelected() : nullptr;
    if (!first)
        return;
    int kept;
    {
        DialogOpenScope open(*this);
        selection->Invalidate(this);
        kept = first->ShowAppearanceDialog(this, kObjectAppearanceCaption);
    }
    selection->Invalidate(this);
    // What the sheet kept is a change of the form, as with a double click.
    if (kept == 1)
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetModified(true);
    UpdateFormatBar();
    SetFocus();
}

void FDESIGNVIEW::OnLButtonDblClk()
{
    if (!selection || tool != kSelectionTool || selection->GetCount() == 0 || GetEditedObject())
        return;
    const int answer = selection->ShowProperties(this);
    // A text object's properties are its text, typed in place: the editor
    // keeps the focus.
    if (GetEditedObject()) {
        UpdateFormatBar();
        return;
    }
    if (answer == 1)
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetModified(true);
    UpdateFormatBar();
    SetFocus();
}

void FDESIGNVIEW::OnTextAlignmentMenu()
{
    ALIGN_MENU menu;
    QPoint corner;
    QWidget* owner = GetWindow();
    QWidget* anchor = nullptr;
    if (FORMAT_BAR* bar = TextBar()) {
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
