// An undo record of the appearance of the selected objects: copies taken
// before a format dialog changes them, from which Cancel puts the old
// appearance back.
#pragma once

#include "forms/edit/undo_action.h"

#include <memory>
#include <utility>
#include <vector>

class FORMOBJ;

class UNDO_SNAPSHOT : public UNDO_ACTION {
public:
    uint8_t GetKind() const override { return kUndoSnapshot; }
    // Clones every selected object of the list, in list order.
    int Capture(const UNDO_REQUEST& request) override;
    // Every captured object takes its clone's appearance again; the clones
    // stay in the record.
    int Restore() override;

private:
    // Each captured object with its clone, which the record owns.
    std::vector<std::pair<FORMOBJ*, std::unique_ptr<FORMOBJ>>> copies;
};
