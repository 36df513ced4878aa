// What the document needs of a field or table cell: its field id and its
// place in the filling order. Field kinds implement it beside FORMOBJ.
#pragma once

#include <cstdint>

class TABLE_CELLS;

// Field ids from here up are reserved; 0xFFFF names no field.
constexpr uint16_t kFirstReservedFieldId = 0x8000;
constexpr uint16_t kNoFieldId = 0xFFFF;

class FieldIdentity {
public:
    virtual ~FieldIdentity() = default;
    virtual uint16_t GetFieldID() const = 0;
    virtual void SetFieldID(uint16_t id) = 0;
    virtual uint16_t GetTabIndex() const = 0;
    virtual void SetTabIndex(uint16_t index) = 0;
    // The table a cell belongs to; null for a field of its own.
    virtual TABLE_CELLS* GetOwnerTable() const { return nullptr; }
};
