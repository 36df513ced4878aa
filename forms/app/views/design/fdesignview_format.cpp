// The design view's side of its format commands: what the appearance
// pages, the Format dialogs and the edit sites ask of it through
// OBJECT_VIEW goes to its DESIGN_FORMAT, the appearance sheet's snapshot
// to its form editor; and a double click opens the selection's properties.
#include "forms/app/views/design/fdesignview.h"

#include "forms/dialogs/appearance/objappdlg.h"
#include "forms/document/fdocument.h"
#include "forms/editor/form_editor.h"
#include "forms/objects/fselection.h"

#include "platform/ui/message_box.h"

void FDESIGNVIEW::SetSelectionShadow(const SHADOW& shadow, uintptr_t flag)
{
    format->SetSelectionShadow(shadow, flag);
}

void FDESIGNVIEW::SetSelectionBorder(const BORDER& border, uintptr_t flag)
{
    format->SetSelectionBorder(border, flag);
}

void FDESIGNVIEW::SetSelectionShade(const BASICSHADE& shade, uintptr_t flag)
{
    format->SetSelectionShade(shade, flag);
}

void FDESIGNVIEW::SetSelectionAlignment(uint8_t code, uintptr_t flag)
{
    format->SetSelectionAlignment(code, flag);
}

void FDESIGNVIEW::SetSelectionLineSpacing(uint16_t spacing, uintptr_t)
{
    format->SetSelectionLineSpacing(spacing);
}

void FDESIGNVIEW::ApplyTextAttr(const TEXTATTR& change)
{
    format->ApplyTextAttr(change);
}

void FDESIGNVIEW::UpdateFormatBar(int)
{
    format->UpdateFormatBar();
}

int FDESIGNVIEW::RunAppearanceSheet(uint16_t captionId, FORMOBJ& object)
{
    const int result = format->RunAppearanceSheet(captionId, object);
    // What the sheet kept changes the form, whatever the object then
    // answers its opener (a table's cell answers 0).
    if (result == ui::IDOK || result == kSheetResultData)
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetModified(true);
    return result;
}

void FDESIGNVIEW::RecordSelectionUndo()
{
    if (editor)
        editor->RecordSelectionUndo();
}

void FDESIGNVIEW::UndoLast()
{
    if (editor)
        editor->UndoLast();
}

void FDESIGNVIEW::DropLastUndo()
{
    if (editor)
        editor->DropLastUndo();
}

void FDESIGNVIEW::OnLButtonDblClk()
{
    if (!selection || tool != kSelectionTool || selection->GetCount() == 0 || GetEditedObject() || GetEditedHeader())
        return;
    const int answer = selection->ShowProperties(this);
    // A text object's properties are its text, and a table header's its
    // heading, typed in place: the editor keeps the focus.
    if (GetEditedObject() || GetEditedHeader()) {
        format->UpdateFormatBar();
        return;
    }
    if (answer == 1)
        if (FDOCUMENT* doc = GetFormDocument())
            doc->SetModified(true);
    format->UpdateFormatBar();
    SetFocus();
}
