// An undo record of deleted objects: the selected objects of a page list
// with their places in it, taken before they are unlinked, then kept by the
// record until they are put back in their places or the record is deleted.
#pragma once

#include "forms/app/edit/undo_action.h"

#include <memory>
#include <vector>

class FORMOBJ;

class UNDO_ORDER : public UNDO_ACTION {
public:
    uint8_t GetKind() const override { return kUndoOrder; }
    // Notes every selected object of the list with its index in the list
    // and renumbers the filling order; 0 without a list or a filling order,
    // or when nothing is selected.
    int Capture(const UNDO_REQUEST& request) override;
    // Links every kept object back at its index, selected, and puts its
    // fields back into the filling order; the objects then belong to the
    // list again.
    int Restore() override;
    // Takes over a captured object once it has been unlinked; false (the
    // object stays with the caller) when the record did not capture it or
    // keeps it already.
    bool Keep(std::unique_ptr<FORMOBJ>& object);

private:
    struct Entry {
        FORMOBJ* object;
        uint16_t index;
        std::unique_ptr<FORMOBJ> kept;
    };

    // Links the object before the object `index - current` steps on from
    // `start`, or at the tail when the walk runs off the end.
    void InsertAtIndex(std::unique_ptr<FORMOBJ> object, uint16_t index, FORMOBJ* start, uint16_t current);

    FOBJLIST* list = nullptr;
    FillingOrder* fillingOrder = nullptr;
    std::vector<Entry> entries;
};
