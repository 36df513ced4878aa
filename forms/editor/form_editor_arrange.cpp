// The form editor's arrange operations: groups and radio groups made and
// dissolved, the selection brought to the front or sent to the back, and
// aligned.
#include "forms/editor/form_editor.h"

#include "forms/document/fdocument.h"
#include "forms/model/object_view.h"
#include "forms/objects/fselection.h"

void FORM_EDITOR::AfterStructuralEdit()
{
    document.GetUndoList().Clear();
    document.SetModified(true);
    view.UpdateWindow();
}

bool FORM_EDITOR::Group()
{
    if (selection.GetCount() < 2)
        return false;
    selection.Group(&view);
    AfterStructuralEdit();
    return true;
}

bool FORM_EDITOR::Ungroup()
{
    if (!selection.CanUngroup())
        return false;
    selection.Ungroup(&view);
    AfterStructuralEdit();
    return true;
}

bool FORM_EDITOR::GroupRadioButtons()
{
    if (!selection.CanGroupRadioButtons())
        return false;
    selection.GroupRadioButtons(&view);
    AfterStructuralEdit();
    return true;
}

void FORM_EDITOR::BringToFront()
{
    if (!selection.CanBringToFront())
        return;
    selection.BringToFront(&view);
    document.SetModified(true);
    view.UpdateWindow();
}

void FORM_EDITOR::SendToBack()
{
    if (!selection.CanSendToBack())
        return;
    selection.SendToBack(&view);
    document.SetModified(true);
    view.UpdateWindow();
}

void FORM_EDITOR::Align(uint32_t code, int32_t across, int32_t down)
{
    selection.Invalidate(&view);
    const int moved = selection.Align(&view, code, across, down);
    selection.Invalidate(&view);
    if (moved)
        document.SetModified(true);
    view.UpdateWindow();
}
