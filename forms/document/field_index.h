// The form document's index from field id to field: fields, the cells of
// tables and the special fields, so that looking a field up by id walks no
// object list. The document keeps it up to date as objects come and go.
#pragma once

#include <cstdint>
#include <unordered_map>

class FOBJLIST;
class FORMOBJ;
class TABLE_CELLS;

class FIELD_INDEX {
public:
    void Clear() { entries.clear(); }
    // Every field of the list, walking into groups and tables; an id
    // already indexed keeps its first field.
    void AddList(const FOBJLIST& list);
    // A field, the cells of a table or the fields of a group.
    void Add(FORMOBJ* object);
    // Takes out what Add put in for the object.
    void Remove(FORMOBJ* object);

    // The field or cell with that id, or null.
    FORMOBJ* Find(uint16_t id) const;
    // The table that holds the cell with that id, or null.
    TABLE_CELLS* FindTable(uint16_t id) const;

private:
    struct Entry {
        FORMOBJ* field;
        TABLE_CELLS* table;
    };
    void AddOne(FORMOBJ* object, TABLE_CELLS* table);
    void RemoveOne(FORMOBJ* object);
    // The entry, when it still names a field with that id.
    const Entry* Lookup(uint16_t id) const;

    std::unordered_map<uint16_t, Entry> entries;
};
