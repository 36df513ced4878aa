// The design view's clipboard: Copy, Cut and Paste of form objects; the
// form editor places what is pasted or dropped.
#include "forms/app/views/design/design_clipboard.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/document/fdocument.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftextobj.h"
#include "forms/res/command_ids.h"
#include "forms/res/program_resources.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/message_box.h"

namespace {

// The text of a copied text object, in the editor's formats.
void CopyTextObject(FORMOBJ& object, OBJECT_VIEW* view, ui::DataSource& into)
{
    if (auto* text = dynamic_cast<FTEXTOBJ*>(&object))
        text->CopyTextToClipboard(view, into);
}

} // namespace

void DESIGN_CLIPBOARD::RegisterCommands()
{
    view.AddCommand(ID_EDIT_COPY, [this](unsigned) { OnEditCopy(); });
    view.AddUpdate(ID_EDIT_COPY, [this](ui::CmdUI& cmdUI) {
        FSELECTION* selection = view.GetSelection();
        cmdUI.Enable(selection && selection->CanCopy());
    });
    view.AddCommand(ID_EDIT_CUT, [this](unsigned) { OnEditCut(); });
    view.AddUpdate(ID_EDIT_CUT, [this](ui::CmdUI& cmdUI) {
        FSELECTION* selection = view.GetSelection();
        cmdUI.Enable(selection && selection->CanCut());
    });
    view.AddCommand(ID_EDIT_PASTE, [this](unsigned) { OnEditPaste(); });
    view.AddUpdate(ID_EDIT_PASTE, [this](ui::CmdUI& cmdUI) { cmdUI.Enable(view.GetSelection() && CanPaste()); });
    // Linked objects come with embedding.
    view.AddUpdate(ID_EDIT_PASTE_LINK, [](ui::CmdUI& cmdUI) { cmdUI.Enable(false); });
}

void DESIGN_CLIPBOARD::RegisterTextCopy()
{
    FSELECTION::SetTextCopy(&CopyTextObject);
}

void DESIGN_CLIPBOARD::OnEditCopy()
{
    FSELECTION* selection = view.GetSelection();
    if (selection && selection->CanCopy())
        selection->Copy(&view, nullptr);
}

void DESIGN_CLIPBOARD::OnEditCut()
{
    FDOCUMENT* doc = view.GetFormDocument();
    FSELECTION* selection = view.GetSelection();
    if (!doc || !selection || !selection->CanCut())
        return;
    // A clipboard that refused the objects keeps them on the form.
    if (!selection->Copy(&view, nullptr))
        return;
    view.DeleteSelection(false);
    doc->GetUndoList().Clear();
}

bool DESIGN_CLIPBOARD::CanPaste()
{
    return ui::IsClipboardFormatAvailable(kFormatSelection);
}

void DESIGN_CLIPBOARD::OnEditPaste()
{
    if (!view.GetFormDocument())
        return;
    const ui::DataObject data = ui::DataObject::FromClipboard();
    if (!data.IsAvailable(kFormatSelection))
        return;
    FSELECTION paste(nullptr);
    paste.PasteObjects(&view, &data);
    PlacePasted(paste, nullptr);
}

bool DESIGN_CLIPBOARD::PlacePasted(FSELECTION& paste, const RECT* dropAt)
{
    FORM_EDITOR* editor = view.GetEditor();
    if (!view.GetFormDocument() || !editor)
        return false;
    if (dropAt)
        return editor->PlaceDropped(paste, *dropAt);
    RECT visible = view.GetClientRect();
    view.ToLogicalRect(visible);
    return editor->PlacePasted(paste, visible, view.GetScrollPos());
}

void DESIGN_CLIPBOARD::PasteTooLarge()
{
    ui::MessageBox(ProgramResources().LoadString(kSelectionTooLarge), {});
}

void DESIGN_CLIPBOARD::PastePlaced()
{
    view.SetTool(kSelectionTool);
    view.UpdateWindow();
    view.ShowSelectionPosSize();
}
