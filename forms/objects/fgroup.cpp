#include "forms/objects/fgroup.h"

#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "forms/model/viewdc.h"
#include "forms/objects/ffield.h"

void FGROUP::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FORMOBJ::Save(ar, kBaseGroupTag);
    members.Save(ar, kMemberListTag, 0);
    ar.WriteTag(kEndGroup);
}

void FGROUP::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kBaseGroupTag)
            FORMOBJ::Load(ar, owner);
        else if (tag == kMemberListTag) {
            members.Load(ar, owner);
            TellFieldsTheirList();
        } else
            ar.SkipRecord(tag);
    }
}

void FGROUP::Draw(VIEWDC& dc)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (o->GetPage() == page && (!dc.fieldsOnly || o->IsDrawnIn(dc)))
            o->Draw(dc);
    DrawTracker(dc);
}

int FGROUP::HitTest(VIEWDC& dc, int32_t x, int32_t y)
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (o->HitTest(dc, x, y))
            return 1;
    return 0;
}

FORMOBJ* FGROUP::ObjectAt(VIEWDC& dc, int32_t x, int32_t y)
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (FORMOBJ* found = o->ObjectAt(dc, x, y))
            return found;
    return nullptr;
}

void FGROUP::Select(OBJECT_VIEW* view)
{
    if (selected) {
        // Selecting a selected group picks the member under the last press.
        if (POINT at; view && view->GetLastMouseDown(at))
            SelectMember(view, at.x, at.y);
        return;
    }
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->SetMemberSelected(1);
    FORMOBJ::Select(view);
}

uint16_t FGROUP::Deselect(OBJECT_VIEW* view)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->SetMemberSelected(0);
    return FORMOBJ::Deselect(view);
}

void FGROUP::SetMemberSelected(uint32_t flag)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->SetMemberSelected(flag);
    memberSelected = flag;
}

int FGROUP::IsSelected(FORMOBJ** out)
{
    if (const int own = FORMOBJ::IsSelected(out))
        return own;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (o->IsSelected(out) == 1)
            return 1;
    return 0;
}

void FGROUP::DrawTracker(VIEWDC& dc)
{
    if (selected || memberSelected)
        FORMOBJ::DrawTracker(dc);
}

void FGROUP::DrawSelection(VIEWDC& dc)
{
    if (!dc.drawHandles)
        return;
    if (selected) {
        FORMOBJ::DrawSelection(dc);
        return;
    }
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->DrawSelection(dc);
}

void FGROUP::SetPage(uint16_t newPage)
{
    FORMOBJ::SetPage(newPage);
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->SetPage(newPage);
}

void FGROUP::GetRect(RECT& out) const
{
    out = {};
    bool first = true;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext()) {
        RECT r;
        o->GetBoundingRect(r);
        out = first ? r.Normalized() : UnionRectNormalized(out, r);
        first = false;
    }
}

void FGROUP::GetOuterRect(RECT& out, VIEWDC& dc)
{
    out = {};
    bool first = true;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext()) {
        RECT r;
        o->GetBoundingRectIn(r, dc);
        out = first ? r.Normalized() : UnionRectNormalized(out, r);
        first = false;
    }
}

void FGROUP::SetRectBy(int32_t left, int32_t top, int32_t, int32_t)
{
    RECT now;
    GetRect(now);
    const int32_t dx = left - now.left;
    const int32_t dy = top - now.top;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext()) {
        RECT r;
        o->GetRect(r);
        o->SetRectBy(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
    }
    GetRect(rect);
}

void FGROUP::Offset(int32_t dx, int32_t dy, OBJECT_VIEW* view)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->Offset(dx, dy, view);
    GetRect(rect);
    if (view)
        Invalidate(view);
}

std::unique_ptr<FORMOBJ> FGROUP::Clone() const
{
    auto copy = std::make_unique<FGROUP>();
    if (!copy->Init())
        return nullptr;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (std::unique_ptr<FORMOBJ> member = o->Clone()) {
            if (auto* group = dynamic_cast<FGROUP*>(member.get()))
                group->container = &copy->members;
            copy->members.SetObjectPage(std::move(member), page);
        }
    copy->TellFieldsTheirList();
    copy->page = page;
    copy->container = container;
    copy->name = name;
    return copy;
}

int FGROUP::ContainsObject(const FORMOBJ* object) const
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext()) {
        if (o == object)
            return 1;
        if (auto* group = dynamic_cast<const FGROUP*>(o); group && group->ContainsObject(object))
            return 1;
    }
    return 0;
}

void FGROUP::SetFieldsRadioGroup(const void* mark)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (auto* field = dynamic_cast<FFIELD*>(o); field && field->IsCheckBox())
            field->SetRadioGroup(mark);
    TellFieldsTheirList();
}

void FGROUP::TellFieldsTheirList()
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (auto* field = dynamic_cast<FFIELD*>(o))
            field->SetHoldingList(holding);
}
