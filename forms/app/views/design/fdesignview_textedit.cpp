// The design view around a text typed in place: the clipboard commands go
// to the open editor first, the editor follows zoom and scrolling, and the
// Text Format dialog works on the editor's selection.
#include "forms/app/views/design/fdesignview.h"

#include "forms/dialogs/appearance/fontdialog.h"
#include "forms/document/fdocument.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/objects/fheader.h"
#include "forms/objects/fselection.h"
#include "forms/objects/ftable.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/message_box.h"

namespace {

// The commands the open editor takes before the view.
bool IsEditorCommand(unsigned id)
{
    return id == ID_EDIT_CLEAR || id == ID_EDIT_COPY || id == ID_EDIT_CUT || id == ID_EDIT_PASTE;
}

} // namespace

FORMOBJ* FDESIGNVIEW::GetEditedObject() const
{
    if (!selection || selection->GetCount() != 1)
        return nullptr;
    FORMOBJ* one = selection->GetFirstSelected();
    return one && one->EditHookState() ? one : nullptr;
}

FHEADER* FDESIGNVIEW::GetEditedHeader() const
{
    if (!selection || selection->GetCount() != 1)
        return nullptr;
    auto* table = dynamic_cast<FTABLE*>(selection->GetFirstSelected());
    return table ? table->GetEditedHeader() : nullptr;
}

TEXTEDITWND* FDESIGNVIEW::GetSelectedRichText() const
{
    FORMOBJ* edited = GetEditedObject();
    // A table answers with its header's editor.
    if (!edited && GetEditedHeader())
        edited = selection->GetFirstSelected();
    uintptr_t window = 0;
    if (!edited || !edited->GetRichText(&window))
        return nullptr;
    return reinterpret_cast<TEXTEDITWND*>(window);
}

bool FDESIGNVIEW::OnCmdMsg(unsigned id, ui::CmdCode code, ui::CmdUI* cmdUI)
{
    if (IsEditorCommand(id))
        if (TEXTEDITWND* editor = GetSelectedRichText()) {
            if (code == ui::CmdCode::Update && cmdUI)
                cmdUI->Enable(editor->IsCommandEnabled(id));
            else if (code == ui::CmdCode::Command)
                editor->OnCommand(id);
            return true;
        }
    return FBASEVIEW::OnCmdMsg(id, code, cmdUI);
}

void FDESIGNVIEW::FollowEditedObject()
{
    FORMOBJ* edited = GetEditedObject();
    if (!edited)
        edited = GetEditedHeader();
    if (edited)
        edited->EditHookCommand(reinterpret_cast<uintptr_t>(static_cast<OBJECT_VIEW*>(this)));
}

bool FDESIGNVIEW::FormatEditedText()
{
    TEXTEDITWND* editor = GetSelectedRichText();
    if (!editor)
        return false;
    // The dialog shows the format of the selected characters and applies
    // its changes to them as they are made; Cancel gives back the text and
    // the selection as they were.
    const RICHEDITOR::SNAPSHOT before = editor->SaveState();
    FDOCUMENT* doc = GetFormDocument();
    const bool wasModified = doc && doc->IsModified();
    const TEXTATTR current = editor->GetSelectionAttr();
    FONTDIALOG dialog(this, GetWindow());
    dialog.SetFont(current);
    const int result = dialog.DoModal();
    if (TEXTEDITWND* still = GetSelectedRichText(); still == editor) {
        if (result != ui::IDOK) {
            editor->RestoreState(before);
            if (doc)
                doc->SetModified(wasModified);
        }
        editor->SetFocus();
    }
    format->UpdateFormatBar();
    return true;
}
