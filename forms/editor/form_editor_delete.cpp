// The form editor's deletion of the selected objects and Undo Deletion:
// the undo list takes what the selection unlinks and gives it back.
#include "forms/editor/form_editor.h"

#include "forms/document/fdocument.h"
#include "forms/edit/undo_action.h"
#include "forms/edit/undo_list.h"
#include "forms/model/fobjlist.h"
#include "forms/model/object_view.h"
#include "forms/objects/fselection.h"

bool FORM_EDITOR::DeleteSelection(bool ask)
{
    if (selection.GetCount() == 0)
        return false;
    FOBJLIST& objects = document.GetObjects();
    // A group's member hands what it unlinks over itself (KeepDeleted).
    const bool member = selection.GetOwningGroup() != nullptr;
    std::vector<FORMOBJ*> chosen;
    for (FORMOBJ* o = member ? nullptr : objects.GetHead(); o; o = o->GetNext())
        if (o->IsSelected(nullptr))
            chosen.push_back(o);
    const uint16_t before = objects.GetCount();
    deletionKept = false;
    selection.Delete(&view, 0, ask ? 0 : 1);
    // Unlinked objects were freed by the selection, unless the undo record
    // took them: the record then owns them.
    if (deletionKept)
        for (FORMOBJ* o : chosen)
            if (!objects.Contains(o))
                document.GetUndoList().Keep(std::unique_ptr<FORMOBJ>(o));
    deletionKept = false;
    const bool deleted = objects.GetCount() != before;
    if (deleted)
        document.SetModified(true);
    return deleted;
}

bool FORM_EDITOR::RecordDeletionUndo()
{
    const UNDO_REQUEST request {&document.GetObjects(), &document, kUndoOrder};
    // A deletion that the record would not capture (a member inside a
    // group) is not kept: the list is emptied and the selection frees it.
    if (!UNDO_LIST::CreateAction(kUndoOrder)->Capture(request)) {
        document.GetUndoList().Clear();
        return false;
    }
    deletionKept = document.GetUndoList().Record(request, 1) != nullptr;
    return deletionKept;
}

void FORM_EDITOR::KeepDeleted(std::unique_ptr<FORMOBJ> unlinked, bool kept)
{
    if (kept)
        document.GetUndoList().Keep(std::move(unlinked));
}

bool FORM_EDITOR::CanUndoDeletion() const
{
    return document.GetUndoList().CanUndoDeletion();
}

bool FORM_EDITOR::UndoDeletion()
{
    if (!CanUndoDeletion())
        return false;
    UNDO_LIST& undo = document.GetUndoList();
    selection.Deselect(&view);
    undo.Undo();
    undo.DropLast();
    selection.UndoDelete(&view);
    selection.Invalidate(&view);
    return true;
}
