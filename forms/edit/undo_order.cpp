// Capturing deleted objects and linking them back in their places.
#include "forms/edit/undo_order.h"

#include "forms/edit/filling_order.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/group_members.h"

int UNDO_ORDER::Capture(const UNDO_REQUEST& request)
{
    if (!request.objectList || !request.fillingOrder)
        return 0;
    list = request.objectList;
    fillingOrder = request.fillingOrder;

    FORMOBJ* group = nullptr;
    FOBJLIST* container = nullptr;
    FORMOBJ* first = list->FindSelectedDeep(&group, nullptr, &container);
    if (!first)
        return 0;
    fillingOrder->Renumber();
    if (group)
        return CaptureMember(first, group, container ? container : list);

    uint16_t index = 0;
    for (FORMOBJ* object = list->GetHead(); object; object = object->GetNext(), ++index) {
        if (object->IsSelected(nullptr))
            entries.push_back({object, index, nullptr});
    }
    return 1;
}

bool UNDO_ORDER::Keep(std::unique_ptr<FORMOBJ>& object)
{
    if (memberCase)
        return KeepMember(object);
    for (Entry& entry : entries) {
        if (entry.object == object.get() && !entry.kept) {
            entry.kept = std::move(object);
            return true;
        }
    }
    return false;
}

void UNDO_ORDER::InsertAtIndex(std::unique_ptr<FORMOBJ> object, uint16_t index, FORMOBJ* start, uint16_t current)
{
    FORMOBJ* reached = start;
    for (int steps = index - current; steps > 0 && reached; --steps)
        reached = reached->GetNext();
    if (reached)
        list->InsertBefore(reached, std::move(object));
    else
        list->AddTail(std::move(object));
}

int UNDO_ORDER::Restore()
{
    if (memberCase) {
        RestoreMember();
        return 1;
    }
    FORMOBJ* start = list ? list->GetHead() : nullptr;
    uint16_t current = 0;
    std::vector<FORMOBJ*> restored;
    for (Entry& entry : entries) {
        // An object that was captured but never unlinked is still in place.
        if (!entry.kept)
            continue;
        FORMOBJ* object = entry.object;
        object->SetSelectFlag(1);
        InsertAtIndex(std::move(entry.kept), entry.index, start, current);
        if (auto* group = dynamic_cast<GroupMembers*>(object))
            group->SetOwnerList(list);
        start = object;
        current = entry.index;
        restored.push_back(object);
    }
    if (!restored.empty())
        fillingOrder->RestoreFields(restored);
    entries.clear();
    return 1;
}
