// An undo record of deleted objects: the selected objects of a page list
// with their places in it, or a group's selected member with its index in
// the member list, taken before they are unlinked, then kept by the record
// until they are put back in their places or the record is deleted.
#pragma once

#include "forms/edit/undo_action.h"

#include <memory>
#include <optional>
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
    // Takes over a captured object once it has been unlinked (for a member
    // that dissolved its group of two, the group holding it); false (the
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

    // A deleted member of a group (undo_order_member.cpp).
    struct MemberCase {
        FORMOBJ* group = nullptr;
        // The list that holds the group.
        FOBJLIST* container = nullptr;
        // A group of two dissolves: the other member takes the group's
        // place in the container, losing its radio-button mark.
        FORMOBJ* remaining = nullptr;
        bool remainingRadio = false;
        std::unique_ptr<FORMOBJ> keptGroup;
    };
    int CaptureMember(FORMOBJ* member, FORMOBJ* group, FOBJLIST* container);
    bool KeepMember(std::unique_ptr<FORMOBJ>& object);
    void RestoreMember();

    std::optional<MemberCase> memberCase;
    FOBJLIST* list = nullptr;
    FillingOrder* fillingOrder = nullptr;
    std::vector<Entry> entries;
};
