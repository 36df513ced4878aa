// The selection's group operations: grouping and ungrouping, radio-button
// groups, the owning group of a selected member, member selection, a
// table's column or row selection, moving an object to the front or back of
// its page or group, and deleting a member.
#include "forms/objects/fselection.h"

#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/viewdc.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fgroup.h"
#include "forms/objects/ftable.h"

namespace {

// The innermost group under `group` whose members hold the object itself.
FGROUP* HolderWithin(FGROUP& group, const FORMOBJ* object)
{
    FOBJLIST& members = group.GetMembers();
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev()) {
        if (o == object)
            return &group;
        if (auto* inner = dynamic_cast<FGROUP*>(o); inner && inner->ContainsObject(object))
            return HolderWithin(*inner, object);
    }
    return nullptr;
}

bool IsFreeCheckBox(FORMOBJ* object)
{
    auto* field = dynamic_cast<FFIELD*>(object);
    return field && field->IsCheckBox() && !field->GetRadioGroup();
}

// At least two of the objects (the selected ones, or all) are check boxes
// that are not radio buttons yet.
bool HasTwoFreeCheckBoxes(const FOBJLIST& list, bool selectedOnly)
{
    int found = 0;
    for (FORMOBJ* o = list.GetHead(); o && found < 2; o = o->GetNext())
        if ((!selectedOnly || o->IsSelected(nullptr)) && IsFreeCheckBox(o))
            ++found;
    return found >= 2;
}

} // namespace

FGROUP* FSELECTION::GetOwningGroup() const
{
    FORMOBJ* object = GetFirstSelected();
    if (!object || !list)
        return nullptr;
    for (FORMOBJ* o : SelectedTopmostFirst()) {
        if (o == object)
            return nullptr;
        if (auto* group = dynamic_cast<FGROUP*>(o))
            if (FGROUP* holder = HolderWithin(*group, object))
                return holder;
    }
    return nullptr;
}

void FSELECTION::Group(OBJECT_VIEW* view)
{
    if (!list || count == 0)
        return;
    auto group = std::make_unique<FGROUP>();
    if (!group->Init())
        return;
    FGROUP::GroupSelected(std::move(group), *list, view);
}

void FSELECTION::Ungroup(OBJECT_VIEW* view)
{
    if (!list)
        return;
    if (FORMOBJ* one = GetSingle()) {
        if (auto* group = dynamic_cast<FGROUP*>(one); group && list->Contains(group))
            group->ReleaseMembers(view, *list);
        return;
    }
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (auto* group = dynamic_cast<FGROUP*>(o))
            group->ReleaseMembers(view, *list);
}

int FSELECTION::CanUngroup() const
{
    if (FORMOBJ* one = GetSingle())
        return one->GetType() == kTypeGroup && list->Contains(one) ? 1 : 0;
    if (count < 2)
        return 0;
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->GetType() == kTypeGroup)
            return 1;
    return 0;
}

int FSELECTION::CanGroupRadioButtons() const
{
    if (!list || count == 0)
        return 0;
    if (count > 1)
        return HasTwoFreeCheckBoxes(*list, true) ? 1 : 0;
    auto* group = dynamic_cast<FGROUP*>(GetSingle());
    return group && HasTwoFreeCheckBoxes(group->GetMembers(), false) ? 1 : 0;
}

void FSELECTION::GroupRadioButtons(OBJECT_VIEW* view)
{
    if (!list || count == 0)
        return;
    auto* group = dynamic_cast<FGROUP*>(GetFirstSelected());
    if (!group) {
        auto made = std::make_unique<FGROUP>();
        if (!made->Init())
            return;
        group = FGROUP::GroupSelected(std::move(made), *list, view);
    }
    group->SetFieldsRadioGroup(group);
    if (view)
        group->Invalidate(view);
}

int FSELECTION::CanSelectGroupMember(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    FORMOBJ* one = GetSingle();
    if (!one || one->GetType() != kTypeGroup)
        return 0;
    VIEWDC dc(view, kOwnWindow);
    return dc.IsSetUp() && HitTest(dc, x, y) ? 1 : 0;
}

void FSELECTION::SelectMember(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (auto* group = dynamic_cast<FGROUP*>(GetSingle()))
        group->SelectMember(view, x, y);
}

FOBJLIST* FSELECTION::ListHolding(FORMOBJ* object) const
{
    if (FGROUP* owner = GetOwningGroup())
        return &owner->GetMembers();
    return list && list->Contains(object) ? list : nullptr;
}

int FSELECTION::CanBringToFront() const
{
    FORMOBJ* one = GetSingle();
    return one && ListHolding(one) && one->GetNext() && one->GetNext()->GetPage() == one->GetPage() ? 1 : 0;
}

int FSELECTION::CanSendToBack() const
{
    FORMOBJ* one = GetSingle();
    return one && ListHolding(one) && one->GetPrev() && one->GetPrev()->GetPage() == one->GetPage() ? 1 : 0;
}

void FSELECTION::BringToFront(OBJECT_VIEW* view)
{
    FORMOBJ* first = GetFirstSelected();
    if (FOBJLIST* holding = first ? ListHolding(first) : nullptr) {
        holding->BringToFront(first, first->GetPage());
        first->Invalidate(view);
    }
}

void FSELECTION::SendToBack(OBJECT_VIEW* view)
{
    FORMOBJ* first = GetFirstSelected();
    if (FOBJLIST* holding = first ? ListHolding(first) : nullptr) {
        holding->SendToBack(first, first->GetPage());
        first->Invalidate(view);
    }
}

bool FSELECTION::DeleteMember(OBJECT_VIEW* view, OBJECT_DOCUMENT* document)
{
    FGROUP* owner = GetOwningGroup();
    if (!owner || !list)
        return false;
    const bool kept = view->RecordDeletionUndo();
    RECT area;
    owner->GetRect(area);
    if (FORMOBJ* member = owner->GetSelectedMember(); member && document)
        document->RemoveFromTabOrder(member);
    owner->Invalidate(view);
    FGROUP::Removal removal = owner->RemoveSelectedMember(view, *list);
    if (removal.remaining)
        removal.remaining->Invalidate(view);
    else
        owner->Invalidate(view);
    view->KeepDeleted(std::move(removal.unlinked), kept);
    return true;
}

int FSELECTION::CanSelectColumn(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    auto* table = dynamic_cast<FTABLE*>(GetSingle());
    return table && table->HitTestColumnOrRow(view, x, y) ? 1 : 0;
}

void FSELECTION::SelectColumnOrRow(OBJECT_VIEW* view, uint8_t kind, int32_t x, int32_t y)
{
    if (auto* table = dynamic_cast<FTABLE*>(GetSingle()))
        table->SelectColumnOrRow(view, kind, x, y);
}
