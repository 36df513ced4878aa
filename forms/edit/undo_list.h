// A form document's undo list: the deletion that Undo Deletion can take
// back, and the snapshots that format dialogs take of the selection so that
// Cancel can put the old appearance back.
#pragma once

#include "forms/edit/undo_action.h"

#include <memory>
#include <vector>

class FORMOBJ;

class UNDO_LIST {
public:
    UNDO_LIST() = default;
    UNDO_LIST(const UNDO_LIST&) = delete;
    UNDO_LIST& operator=(const UNDO_LIST&) = delete;

    // Empties the list first when asked, then appends a record of the
    // request's kind, captured from the request (a record whose capture
    // failed restores nothing). A kind that makes no record empties the
    // list instead. Answers the record appended, or null.
    UNDO_ACTION* Record(const UNDO_REQUEST& request, int clearFirst);
    // A new record of the kind, null for an unknown kind.
    static std::unique_ptr<UNDO_ACTION> CreateAction(uint8_t kind);
    // Puts back what the last record holds; the record stays.
    void Undo();
    // Deletes the last record, or that record wherever it is.
    void DropLast();
    void Drop(const UNDO_ACTION* record);
    void Clear();

    bool IsEmpty() const { return records.empty(); }
    bool Contains(const UNDO_ACTION* record) const;
    // Undo Deletion's enable state: the last record holds deleted objects.
    // A snapshot that a format command left behind never enables it.
    bool CanUndoDeletion() const;
    // Hands an object that the recorded deletion has unlinked to the last
    // record; an object that record did not capture is deleted now.
    void Keep(std::unique_ptr<FORMOBJ> object);

private:
    std::vector<std::unique_ptr<UNDO_ACTION>> records;
};
