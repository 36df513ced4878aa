// A format command's snapshot that is always dropped.
#include "forms/app/edit/undo_snapshot_scope.h"

#include "forms/app/edit/undo_list.h"

UNDO_SNAPSHOT_SCOPE::UNDO_SNAPSHOT_SCOPE(UNDO_LIST& list, FOBJLIST* objectList)
    : list(list), record(list.Record({objectList, nullptr, kUndoSnapshot}, 0))
{
}

UNDO_SNAPSHOT_SCOPE::~UNDO_SNAPSHOT_SCOPE()
{
    list.Drop(record);
}

void UNDO_SNAPSHOT_SCOPE::Restore()
{
    // The list may have been emptied while the dialog ran.
    if (list.Contains(record))
        record->Restore();
}
