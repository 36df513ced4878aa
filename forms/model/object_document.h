// What form objects and their record stream ask of the document they belong
// to; the form document implements it.
#pragma once

#include <cstdint>
#include <string_view>

class FORMOBJ;

class OBJECT_DOCUMENT {
public:
    virtual ~OBJECT_DOCUMENT() = default;

    // Seconds since 1970 taken when the document was made; the selection
    // compares it to tell a paste into the same document.
    virtual uint32_t GetCreationStamp() const = 0;
    // Set while the document saves in its alternative format.
    virtual bool IsAlternativeFormat() const = 0;
    // The code of that format, handed to the objects' savability test.
    virtual uint16_t GetAlternativeFormat() const = 0;
    // The document's style (master) object of that type and name, or null.
    virtual FORMOBJ* FindObjectByName(uint8_t type, std::string_view name) = 0;
    // Takes a field, a table's cells or a group's fields out of the filling
    // order before the object is deleted.
    virtual void RemoveFromTabOrder(FORMOBJ* object) = 0;
    // Puts a field, a table's cells or a group's fields into the filling
    // order, at its own tab index or in its sorted place; 1 when placed. A
    // document without a filling order has nothing to place.
    virtual int InsertFieldInOrder(FORMOBJ*, bool) { return 1; }

    // What fields ask of the document. The bodies here are those of a
    // document without counters, fields or formula host.

    // The next field id and object number; each call counts on. 0xFFFF
    // (no id) and 0 without counters.
    virtual uint16_t GetNextFieldID() { return 0xFFFF; }
    virtual uint16_t GetNextObjectNumber() { return 0; }
    // The next table id (counts on) and the table counter that names new
    // tables (counts on only when asked).
    virtual uint16_t GetNextTableID() { return 0; }
    virtual uint16_t GetTableCounter(bool) { return 1; }
    // The form object of that type bearing the name (letter case aside), or
    // null.
    virtual FORMOBJ* FindObjectOfTypeByName(uint8_t, std::string_view) { return nullptr; }
    // The formula host: recalculates every formula that depends on the
    // field, and marks the formulas that depend on it out of date.
    virtual void Calculate(uint16_t) {}
    virtual void SetFieldDependantsOOD(uint16_t) {}
    // Set while the document is edited in place inside another program's
    // window: a field's editor then leaves the focus where it is. Never set
    // until in-place serving exists.
    virtual bool IsInPlaceActive() const { return false; }
};
