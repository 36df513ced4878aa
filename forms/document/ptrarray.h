// The fields of a form in filling order: positions are the fields' tab
// indexes. The document owns the fields; the array only names them.
#pragma once

#include <cstdint>
#include <vector>

class FORMOBJ;
class RECORDARCHIVE;

// Where the array finds a field by id when it is read.
class FieldLookup {
public:
    virtual ~FieldLookup() = default;
    virtual FORMOBJ* FindField(uint16_t id) = 0;
};

// Position order: page, then top edge, then left edge; <0, 0 or >0. A
// table cell compared with anything but a cell of its own table stands
// where its table's first cell stands, so that a table's cells stay
// together.
int ComparePosition(const FORMOBJ& a, const FORMOBJ& b);

class PTRARRAY {
public:
    explicit PTRARRAY(FieldLookup* owner)
        : owner(owner)
    {}

    int GetCount() const { return static_cast<int>(items.size()); }
    // The item at i, or null.
    FORMOBJ* GetAt(int i) const;
    int IndexOf(const FORMOBJ* item) const;
    bool Contains(const FORMOBJ* item) const { return IndexOf(item) >= 0; }

    // 1, or 0 when pos lies past the end (the array is then unchanged).
    int InsertAt(int pos, FORMOBJ* item);
    // Puts the item after the field that precedes it on the form, keeping
    // the order of the others.
    int InsertSorted(FORMOBJ* item);
    // Where InsertSorted would put the item.
    int SortedPlace(const FORMOBJ* item) const;
    // Puts the items in at pos, pos + 1 ...; 1, or 0 with the array
    // unchanged when pos lies past the end or the array would overflow.
    int InsertRangeAt(int pos, const std::vector<FORMOBJ*>& range);
    // The position the item had; 0 also when it was absent.
    int Remove(const FORMOBJ* item);
    void RemoveAll() { items.clear(); }
    // Each field's tab index becomes its position.
    void Renumber();

    // Group 0x31 holding an array record of u16 field ids.
    void Save(RECORDARCHIVE& ar, uint8_t tag) const;
    // Reads the group (its tag already read); ids that name no field are
    // left out, and so is a field named twice.
    void Load(RECORDARCHIVE& ar);

private:
    FieldLookup* owner;
    std::vector<FORMOBJ*> items;
};
