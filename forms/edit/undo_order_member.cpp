// The undo record of a group's deleted member: the member goes back at its
// index in the member list; a group of two that the deletion dissolved is
// linked again where its other member stood, that member back inside it
// with its radio-button mark.
#include "forms/edit/undo_order.h"

#include "forms/edit/filling_order.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/group_members.h"

namespace {

uint16_t IndexIn(const FOBJLIST& list, const FORMOBJ* object)
{
    uint16_t index = 0;
    for (FORMOBJ* o = list.GetHead(); o && o != object; o = o->GetNext())
        ++index;
    return index;
}

void InsertAt(FOBJLIST& list, std::unique_ptr<FORMOBJ> object, uint16_t index)
{
    FORMOBJ* reached = list.GetHead();
    for (uint16_t steps = index; steps > 0 && reached; --steps)
        reached = reached->GetNext();
    if (reached)
        list.InsertBefore(reached, std::move(object));
    else
        list.AddTail(std::move(object));
}

void SetContainer(FORMOBJ* object, FOBJLIST* list)
{
    if (auto* group = dynamic_cast<GroupMembers*>(object))
        group->SetOwnerList(list);
}

} // namespace

int UNDO_ORDER::CaptureMember(FORMOBJ* member, FORMOBJ* group, FOBJLIST* container)
{
    auto* holder = dynamic_cast<GroupMembers*>(group);
    if (!holder)
        return 0;
    FOBJLIST& members = holder->GetMembers();
    MemberCase captured;
    captured.group = group;
    captured.container = container;
    if (members.GetCount() == 2) {
        captured.remaining = member->GetNext() ? member->GetNext() : member->GetPrev();
        captured.remainingRadio = holder->HasRadioButtons();
    }
    entries.push_back({member, IndexIn(members, member), nullptr});
    memberCase = std::move(captured);
    return 1;
}

bool UNDO_ORDER::KeepMember(std::unique_ptr<FORMOBJ>& object)
{
    if (entries.empty())
        return false;
    Entry& entry = entries.front();
    if (object.get() == entry.object && !entry.kept && !memberCase->keptGroup) {
        entry.kept = std::move(object);
        return true;
    }
    if (object.get() == memberCase->group && memberCase->remaining && !entry.kept && !memberCase->keptGroup) {
        memberCase->keptGroup = std::move(object);
        return true;
    }
    return false;
}

void UNDO_ORDER::RestoreMember()
{
    MemberCase& c = *memberCase;
    Entry* entry = entries.empty() ? nullptr : &entries.front();
    auto* holder = dynamic_cast<GroupMembers*>(c.group);
    if (!entry || !holder || (!entry->kept && !c.keptGroup)) {
        entries.clear();
        return;
    }
    FOBJLIST& members = holder->GetMembers();
    FORMOBJ* member = entry->object;
    if (c.keptGroup) {
        // The group, still holding the member, takes the remaining member's
        // place again, and that member goes back beside the deleted one.
        FORMOBJ* after = c.remaining->GetNext();
        std::unique_ptr<FORMOBJ> remaining = c.container->Remove(c.remaining);
        if (after)
            c.container->InsertBefore(after, std::move(c.keptGroup));
        else
            c.container->AddTail(std::move(c.keptGroup));
        SetContainer(c.remaining, &members);
        if (entry->index == 0)
            members.AddTail(std::move(remaining));
        else
            members.AddHead(std::move(remaining));
        if (c.remainingRadio)
            holder->SetRadioMarks(true);
    } else {
        SetContainer(member, &members);
        InsertAt(members, std::move(entry->kept), entry->index);
    }
    member->SetSelectFlag(1);
    fillingOrder->RestoreFields({member});
    entries.clear();
    memberCase.reset();
}
