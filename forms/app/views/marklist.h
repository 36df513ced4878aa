// The objects a view shows marked with an inverted highlight, the most
// recently marked first.
#pragma once

#include <cstdint>
#include <vector>

class FORMOBJ;
class VIEWDC;

class MARKLIST {
public:
    bool Contains(const FORMOBJ* object) const;
    // Puts the object first; always succeeds.
    int Add(FORMOBJ* object);
    // Its former index; 0 when it was not marked.
    int Remove(FORMOBJ* object);
    // Marks or unmarks, inverting the highlight when asked. Marking a marked
    // object or unmarking an unmarked one does nothing and answers 1;
    // unmarking answers 0, marking 1.
    int Set(FORMOBJ* object, VIEWDC* dc, bool mark, bool highlight);
    // Unmarks a marked object, marks an unmarked one, with its highlight.
    int Toggle(VIEWDC& dc, FORMOBJ* object);
    // Inverts the highlight of the marked objects of a page.
    void HighlightPage(VIEWDC& dc, uint16_t page);
    // Takes every highlight off and empties the list.
    void Clear(VIEWDC& dc);
    // Empties the list without drawing.
    void Free() { objects.clear(); }
    // Inverts the object's rectangle on the device.
    static void InvertObject(VIEWDC& dc, FORMOBJ* object);

    int16_t GetCount() const { return static_cast<int16_t>(objects.size()); }
    const std::vector<FORMOBJ*>& Objects() const { return objects; }

private:
    std::vector<FORMOBJ*> objects;
};
