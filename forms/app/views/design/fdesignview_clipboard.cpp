// The design view's clipboard: Copy, Cut and Paste of form objects; the
// form editor places what is pasted or dropped.
#include "forms/app/views/design/fdesignview.h"

#include "forms/document/fdocument.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"
#include "forms/res/program_resources.h"

#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"

void FDESIGNVIEW::OnEditCopy()
{
    if (selection && selection->CanCopy())
        selection->Copy(this, nullptr);
}

void FDESIGNVIEW::OnEditCut()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !selection || !selection->CanCut())
        return;
    // A clipboard that refused the objects keeps them on the form.
    if (!selection->Copy(this, nullptr))
        return;
    DeleteSelection(false);
    doc->GetUndoList().Clear();
}

bool FDESIGNVIEW::CanPaste()
{
    return ui::IsClipboardFormatAvailable(kFormatSelection);
}

void FDESIGNVIEW::OnEditPaste()
{
    if (!GetFormDocument())
        return;
    const ui::DataObject data = ui::DataObject::FromClipboard();
    if (!data.IsAvailable(kFormatSelection))
        return;
    FSELECTION paste(nullptr);
    paste.PasteObjects(this, &data);
    PlacePasted(paste, nullptr);
}

bool FDESIGNVIEW::PlacePasted(FSELECTION& paste, const RECT* dropAt)
{
    if (!GetFormDocument() || !editor)
        return false;
    if (dropAt)
        return editor->PlaceDropped(paste, *dropAt);
    RECT visible = GetClientRect();
    ToLogicalRect(visible);
    return editor->PlacePasted(paste, visible, windowOrg);
}

void FDESIGNVIEW::PasteTooLarge()
{
    ui::MessageBox(ProgramResources().LoadString(kSelectionTooLarge), {});
}

void FDESIGNVIEW::PastePlaced()
{
    SetTool(kSelectionTool);
    UpdateWindow();
    ShowSelectionPosSize();
}
