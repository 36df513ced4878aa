// The object list's drawing, hit testing and searches (into groups).
#include "forms/model/fobjlist.h"

#include "forms/model/formobj.h"
#include "forms/model/group_members.h"
#include "forms/model/object_view.h"
#include "forms/model/viewdc.h"

#include "platform/text/cp1252.h"

namespace {

// The member list of a group, or null for any other object.
FOBJLIST* MembersOf(FORMOBJ* object)
{
    if (object->GetType() != kTypeGroup)
        return nullptr;
    auto* group = dynamic_cast<GroupMembers*>(object);
    return group ? &group->GetMembers() : nullptr;
}

// Finds the group whose member list holds the object, searching from the
// given list; holder is the group that owns that list (null at the top).
bool FindHolder(const FOBJLIST& list, const FORMOBJ* object, FORMOBJ* holder, FORMOBJ*& found)
{
    for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext()) {
        if (o == object) {
            found = holder;
            return true;
        }
        if (FOBJLIST* members = MembersOf(o))
            if (FindHolder(*members, object, o, found))
                return true;
    }
    return false;
}

} // namespace

int FOBJLIST::DrawPage(VIEWDC& dc, uint16_t page)
{
    if (!head)
        return 1;
    FORMOBJ* first = head;
    while (first && first->GetPage() < page)
        first = first->GetNext();
    for (FORMOBJ* o = first; o && o->GetPage() == page; o = o->GetNext())
        if (o->IsDrawnIn(dc))
            o->Draw(dc);
    if (dc.outputMode == 2 && dc.deviceKind == 1 && dc.handleView && dc.handleView->DrawsSelection()) {
        for (FORMOBJ* o = first; o && o->GetPage() == page; o = o->GetNext())
            o->DrawSelection(dc);
    }
    return 1;
}

FORMOBJ* FOBJLIST::HitTest(VIEWDC& dc, uint16_t page, int32_t x, int32_t y, FORMOBJ* stopAt)
{
    for (FORMOBJ* o = tail; o; o = o->GetPrev()) {
        if (o->GetPage() > page)
            continue;
        if (o->GetPage() < page)
            return nullptr;
        if (o == stopAt)
            return stopAt;
        if (o->HitTest(dc, x, y))
            return o;
    }
    return nullptr;
}

FORMOBJ* FOBJLIST::FieldAt(VIEWDC& dc, uint16_t page, int32_t x, int32_t y, int fieldsOnly)
{
    for (FORMOBJ* o = tail; o; o = o->GetPrev()) {
        if (o->GetPage() > page)
            continue;
        if (o->GetPage() < page)
            return nullptr;
        FORMOBJ* hit = o->ObjectAt(dc, x, y);
        if (!hit)
            continue;
        if (!fieldsOnly || hit->GetType() == kTypeField || hit->GetType() == kTypeCell)
            return hit;
    }
    return nullptr;
}

FORMOBJ* FOBJLIST::GetNextDeep(FORMOBJ* object) const
{
    if (FOBJLIST* members = MembersOf(object))
        if (members->GetHead())
            return members->GetHead();
    while (object) {
        if (object->GetNext())
            return object->GetNext();
        FORMOBJ* holder = nullptr;
        if (!FindHolder(*this, object, nullptr, holder))
            return nullptr;
        object = holder;
    }
    return nullptr;
}

FORMOBJ* FOBJLIST::FindByName(uint8_t type, std::string_view wanted) const
{
    for (FORMOBJ* o = head; o; o = GetNextDeep(o))
        if (o->GetType() == type && text::EqualNoCase(o->GetName(), wanted))
            return o;
    return nullptr;
}

FORMOBJ* FOBJLIST::FindFirstOfType(uint8_t type) const
{
    for (FORMOBJ* o = head; o; o = GetNextDeep(o))
        if (o->GetType() == type)
            return o;
    return nullptr;
}

FORMOBJ* FOBJLIST::FindNextOfType(uint8_t type, FORMOBJ* after) const
{
    for (FORMOBJ* o = GetNextDeep(after); o; o = GetNextDeep(o))
        if (o->GetType() == type)
            return o;
    return nullptr;
}

FORMOBJ* FOBJLIST::FindSelectedDeep(FORMOBJ** group, FOBJLIST** list, FOBJLIST** parentList)
{
    for (FORMOBJ* o = head; o; o = o->GetNext()) {
        FORMOBJ* named = nullptr;
        if (o->IsSelected(&named) == 1 && named == o) {
            if (list)
                *list = this;
            return o;
        }
        if (FOBJLIST* members = MembersOf(o)) {
            FOBJLIST* innerList = nullptr;
            FORMOBJ* innerGroup = o;
            FOBJLIST* innerParent = this;
            if (FORMOBJ* found = members->FindSelectedDeep(&innerGroup, &innerList, &innerParent)) {
                if (group)
                    *group = innerGroup;
                if (list)
                    *list = innerList;
                if (parentList)
                    *parentList = innerParent;
                return found;
            }
        }
    }
    return nullptr;
}
