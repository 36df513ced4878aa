// A format command's snapshot of the selected objects, for the time the
// command's dialog runs: taken when the command starts, put back on Cancel,
// and dropped when the command ends, whatever its result, so that it never
// stays in the undo list.
#pragma once

class FOBJLIST;
class UNDO_ACTION;
class UNDO_LIST;

class UndoSnapshotScope {
public:
    UndoSnapshotScope(UNDO_LIST& list, FOBJLIST* objectList);
    ~UndoSnapshotScope();
    UndoSnapshotScope(const UndoSnapshotScope&) = delete;
    UndoSnapshotScope& operator=(const UndoSnapshotScope&) = delete;

    // Cancel: every captured object takes its old appearance again.
    void Restore();

private:
    UNDO_LIST& list;
    UNDO_ACTION* record;
};
