// One record of a document's undo list, and the request from which it is
// taken: a record captures the selected objects of an object list and can
// put them back the way they were.
#pragma once

#include <cstdint>

class FillingOrder;
class FOBJLIST;

// Kinds of undo record.
enum : uint8_t {
    kUndoSnapshot = 1,
    kUndoOrder = 2,
};

struct UNDO_REQUEST {
    // The page list whose selected objects are concerned.
    FOBJLIST* objectList = nullptr;
    // The document's filling order, or null.
    FillingOrder* fillingOrder = nullptr;
    uint8_t kind = 0;
};

class UNDO_ACTION {
public:
    virtual ~UNDO_ACTION() = default;
    virtual uint8_t GetKind() const = 0;
    // 1 when the selected objects were captured, 0 when the request lacks
    // what the record needs.
    virtual int Capture(const UNDO_REQUEST& request) = 0;
    // Puts the captured objects back; 1 when done.
    virtual int Restore() = 0;
};
