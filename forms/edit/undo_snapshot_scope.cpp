// A format command's snapshot that is always dropped.
#include "forms/edit/undo_snapshot_scope.h"

#include "forms/edit/undo_list.h"

UndoSnapshotScope::UndoSnapshotScope(UNDO_LIST& list, FOBJLIST* objectList)
    : list(list)
    , record(list.Record({objectList, nullptr, kUndoSnapshot}, 0))
{}

UndoSnapshotScope::~UndoSnapshotScope()
{
    list.Drop(record);
}

void UndoSnapshotScope::Restore()
{
    // The list may have been emptied while the dialog ran.
    if (list.Contains(record))
        record->Restore();
}
