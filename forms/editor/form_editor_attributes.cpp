// The form editor's changes of the selected objects' attributes: under one
// undo snapshot, and the styles they follow.
#include "forms/editor/form_editor.h"

#include "forms/document/fdocument.h"
#include "forms/edit/undo_snapshot_scope.h"
#include "forms/objects/fselection.h"

bool FORM_EDITOR::ChangeUnderSnapshot(const std::function<bool()>& change)
{
    UndoSnapshotScope snapshot(document.GetUndoList(), &document.GetObjects());
    if (change())
        return true;
    snapshot.Restore();
    selection.Invalidate(&view);
    return false;
}

bool FORM_EDITOR::FollowStyle(uint8_t type, const std::string& name)
{
    document.SetModified(true);
    FORMOBJ* style = type && !name.empty() ? document.FindObjectByName(type, name) : nullptr;
    if (!style)
        return false;
    selection.ApplyMasterIfType(type, style, &view);
    return true;
}

void FORM_EDITOR::DetachStyle()
{
    document.SetModified(true);
    selection.ReleaseMaster();
    selection.Invalidate(&view);
}
