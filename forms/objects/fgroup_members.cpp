// Making a group from the selection, releasing its members again, and
// selecting, pointing at or removing one member inside it.
#include "forms/objects/fgroup.h"

#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "forms/objects/ffield.h"

#include "platform/ui/cursor.h"

namespace {

void SetContainer(FORMOBJ* object, FOBJLIST* list)
{
    if (auto* group = dynamic_cast<GroupMembers*>(object))
        group->SetOwnerList(list);
}

} // namespace

FGROUP* FGROUP::GroupSelected(std::unique_ptr<FGROUP> made, FOBJLIST& list, OBJECT_VIEW* view)
{
    const uint16_t shown = view ? view->GetCurrentPage() : 1;
    // The front of the page: the last object whose page is at most the
    // shown one.
    FORMOBJ* front = list.GetTail();
    while (front && front->GetPage() > shown)
        front = front->GetPrev();
    FGROUP* group = made.get();
    group->FORMOBJ::SetPage(shown);
    if (front)
        list.InsertAfter(front, std::move(made));
    else
        list.AddHead(std::move(made));
    // From the front backwards, each selected object goes to the head of
    // the member list, so that the members keep their order.
    for (FORMOBJ* o = group->GetPrev(); o && o->GetPage() == shown;) {
        FORMOBJ* before = o->GetPrev();
        if (o->IsSelected(nullptr)) {
            o->Deselect(view);
            std::unique_ptr<FORMOBJ> member = list.Remove(o);
            SetContainer(member.get(), &group->members);
            group->members.AddHead(std::move(member));
        }
        o = before;
    }
    group->container = &list;
    group->GetRect(group->rect);
    group->Select(view);
    if (view)
        group->Invalidate(view);
    return group;
}

std::unique_ptr<FORMOBJ> FGROUP::ReleaseMembers(OBJECT_VIEW* view, FOBJLIST& fallback)
{
    FOBJLIST& into = container ? *container : fallback;
    if (view)
        Invalidate(view);
    Deselect(view);
    SetFieldsRadioGroup(nullptr);
    while (FORMOBJ* member = members.GetHead()) {
        std::unique_ptr<FORMOBJ> released = members.Remove(member);
        SetContainer(member, &into);
        into.InsertBefore(this, std::move(released));
        member->Select(view);
    }
    return into.Remove(this);
}

void FGROUP::SelectMember(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (o->HitTest(dc, x, y)) {
            Invalidate(view);
            Deselect(view);
            o->Select(view);
            o->Invalidate(view);
            return;
        }
}

int FGROUP::SetCursor(OBJECT_VIEW* view, int)
{
    QWidget* window = view ? view->GetTrackingWindow() : nullptr;
    POINT device;
    if (!selected || !window || !view->GetPointerPos(device))
        return 0;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return 0;
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (o->HitTest(dc, device.x, device.y)) {
            ui::SetCursor(*window, TrackerCursor(kHitInside));
            return 1;
        }
    return 0;
}

int FGROUP::ShowProperties(OBJECT_VIEW* view)
{
    POINT at;
    if (!view || !view->GetLastMouseDown(at))
        return 0;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return 0;
    const POINT device = LogicalToDevice(dc, at);
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (o->HitTest(dc, device.x, device.y)) {
            Invalidate(view);
            Deselect(view);
            o->Select(view);
            o->Invalidate(view);
            return o->ShowProperties(view);
        }
    return 0;
}

FORMOBJ* FGROUP::GetSelectedMember() const
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (o->IsSelected(nullptr))
            return o;
    return nullptr;
}

FGROUP::Removal FGROUP::RemoveSelectedMember(OBJECT_VIEW* view, FOBJLIST& fallback)
{
    Removal removal;
    FORMOBJ* chosen = GetSelectedMember();
    if (!chosen)
        return removal;
    chosen->Deselect(view);
    removal.member = chosen;
    removal.index = IndexOf(chosen);
    if (members.GetCount() != 2) {
        removal.unlinked = members.Remove(chosen);
        return removal;
    }
    // Two members: the group dissolves, the other member taking its place.
    FOBJLIST& into = container ? *container : fallback;
    FORMOBJ* other = chosen->GetNext() ? chosen->GetNext() : chosen->GetPrev();
    std::unique_ptr<FORMOBJ> remaining = members.Remove(other);
    if (auto* field = dynamic_cast<FFIELD*>(other); field && field->IsCheckBox()) {
        removal.remainingRadio = field->GetRadioGroup() != nullptr;
        field->SetRadioGroup(nullptr);
    }
    remaining->SetMemberSelected(0);
    SetContainer(other, &into);
    into.InsertAfter(this, std::move(remaining));
    removal.remaining = other;
    removal.unlinked = into.Remove(this);
    return removal;
}

uint16_t FGROUP::IndexOf(const FORMOBJ* member) const
{
    uint16_t index = 0;
    for (FORMOBJ* o = members.GetHead(); o && o != member; o = o->GetNext())
        ++index;
    return index;
}

bool FGROUP::HasRadioButtons() const
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (auto* field = dynamic_cast<FFIELD*>(o); field && field->GetRadioGroup())
            return true;
    return false;
}
