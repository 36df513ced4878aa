// The doubly linked list of form objects of a document, a group or a
// selection: sorted by page, and within a page in drawing order (the last
// is on top). It owns its objects, draws and hit-tests a page, saves and
// loads the whole list and creates objects from their type byte.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>
#include <memory>
#include <string_view>

class FORMOBJ;
class OBJECT_DOCUMENT;
class RECORDARCHIVE;
class VIEWDC;

// Page number that GetExtent reads as every page.
constexpr uint16_t kAllPages = 0xFFFF;

class FOBJLIST {
public:
    FOBJLIST() = default;
    FOBJLIST(const FOBJLIST&) = delete;
    FOBJLIST& operator=(const FOBJLIST&) = delete;

    virtual const char* GetRuntimeClass() const { return "FOBJLIST"; }
    // Deletes every object.
    virtual ~FOBJLIST();
    virtual int AnyNeedsConversionFor(uintptr_t arg);
    virtual int AnyIsSavableIn(uint16_t format);
    virtual int AnyHasOleItem(uintptr_t item);
    virtual int AnyHasOleItemAlt(uintptr_t item);
    // Deletes the objects of the type, and the groups' members of the type.
    virtual uint16_t DeleteAllOfType(uint8_t type);
    // Likewise, and a group left empty is deleted too.
    virtual uint16_t DeleteOfType(uint8_t type);

    FORMOBJ* GetHead() const { return head; }
    FORMOBJ* GetTail() const { return tail; }
    uint16_t GetCount() const { return count; }
    bool Contains(const FORMOBJ* object) const;

    void AddHead(std::unique_ptr<FORMOBJ> object);
    void AddTail(std::unique_ptr<FORMOBJ> object);
    // After (before) null means after the tail (before the head).
    void InsertAfter(FORMOBJ* after, std::unique_ptr<FORMOBJ> object);
    void InsertBefore(FORMOBJ* before, std::unique_ptr<FORMOBJ> object);
    // Unlinks an object of this list and hands it to the caller.
    [[nodiscard]] std::unique_ptr<FORMOBJ> Remove(FORMOBJ* object);
    void Delete(FORMOBJ* object);
    void RemoveAll();

    // Puts a new object into page order on that page.
    void SetObjectPage(std::unique_ptr<FORMOBJ> object, uint16_t page);
    // Moves an object of this list to that page, keeping page order.
    void SetObjectPage(FORMOBJ* object, uint16_t page);
    void BringToFront(FORMOBJ* object, uint16_t page);
    void SendToBack(FORMOBJ* object, uint16_t page);
    int HasPage(uint16_t page) const;
    void GetExtent(RECT& out, uint16_t page) const;
    // Deletes the page's objects (out of the document's filling order
    // first) and moves the later pages' objects one page down.
    void DeletePage(uint16_t page, OBJECT_DOCUMENT* document);
    void InsertPage(uint16_t page);

    int DrawPage(VIEWDC& dc, uint16_t page);
    FORMOBJ* HitTest(VIEWDC& dc, uint16_t page, int32_t x, int32_t y, FORMOBJ* stopAt);
    FORMOBJ* FieldAt(VIEWDC& dc, uint16_t page, int32_t x, int32_t y, int fieldsOnly);

    FORMOBJ* FindByName(uint8_t type, std::string_view name) const;
    FORMOBJ* FindFirstOfType(uint8_t type) const;
    FORMOBJ* FindNextOfType(uint8_t type, FORMOBJ* after) const;
    // The next object in drawing order, descending into groups.
    FORMOBJ* GetNextDeep(FORMOBJ* object) const;
    // The first object, depth-first into groups, that is selected itself;
    // with the group, the list that hold it and that list's parent list.
    FORMOBJ* FindSelectedDeep(FORMOBJ** group, FOBJLIST** list, FOBJLIST** parentList);

    void Save(RECORDARCHIVE& ar, uint8_t listTag, int selectedOnly);
    int Load(RECORDARCHIVE& ar, uintptr_t owner);
    // A new object of a registered creatable type after its Init; null
    // otherwise.
    std::unique_ptr<FORMOBJ> CreateObject(uint8_t type);
    // Named template objects restyle the objects of the same type and name,
    // or are copied in.
    void ApplyTemplate(const FOBJLIST& templateList);

private:
    void Link(FORMOBJ* before, FORMOBJ* object);
    void Unlink(FORMOBJ* object);
    void InsertByPage(FORMOBJ* object, uint16_t page);

    FORMOBJ* head = nullptr;
    FORMOBJ* tail = nullptr;
    uint16_t count = 0;
    // The object InsertByPage placed last, while it is in the list.
    FORMOBJ* lastPlaced = nullptr;
};
