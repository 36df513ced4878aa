// The object list's links and page order.
#include "forms/model/fobjlist.h"

#include "forms/model/formobj.h"
#include "forms/model/group_members.h"
#include "forms/model/object_document.h"

#include <algorithm>

FOBJLIST::~FOBJLIST()
{
    RemoveAll();
}

int FOBJLIST::AnyNeedsConversionFor(uintptr_t arg)
{
    for (FORMOBJ* o = head; o; o = o->GetNext())
        if (o->NeedsConversionFor(arg))
            return 1;
    return 0;
}

int FOBJLIST::AnyIsSavableIn(uint16_t format)
{
    for (FORMOBJ* o = head; o; o = o->GetNext())
        if (o->IsSavableIn(format))
            return 1;
    return 0;
}

int FOBJLIST::AnyHasOleItem(uintptr_t item)
{
    for (FORMOBJ* o = head; o; o = o->GetNext())
        if (o->HasOleItem(item))
            return 1;
    return 0;
}

int FOBJLIST::AnyHasOleItemAlt(uintptr_t item)
{
    for (FORMOBJ* o = head; o; o = o->GetNext())
        if (o->HasOleItemAlt(item))
            return 1;
    return 0;
}

uint16_t FOBJLIST::DeleteAllOfType(uint8_t type)
{
    uint16_t deleted = 0;
    for (FORMOBJ* o = head; o;) {
        FORMOBJ* following = o->GetNext();
        deleted += o->DeleteMembersOfType(type);
        if (o->GetType() == type) {
            Delete(o);
            ++deleted;
        }
        o = following;
    }
    return deleted;
}

uint16_t FOBJLIST::DeleteOfType(uint8_t type)
{
    uint16_t deleted = 0;
    for (FORMOBJ* o = head; o;) {
        FORMOBJ* following = o->GetNext();
        if (o->GetType() == type) {
            Delete(o);
            ++deleted;
        } else if (o->GetType() == kTypeGroup) {
            deleted += o->DeleteMembersOfType(type);
            auto* group = dynamic_cast<GroupMembers*>(o);
            if (group && group->GetMembers().GetCount() == 0)
                Delete(o);
        }
        o = following;
    }
    return deleted;
}

bool FOBJLIST::Contains(const FORMOBJ* object) const
{
    for (FORMOBJ* o = head; o; o = o->GetNext())
        if (o == object)
            return true;
    return false;
}

void FOBJLIST::Link(FORMOBJ* before, FORMOBJ* object)
{
    FORMOBJ* after = before ? before->GetPrev() : tail;
    object->SetPrev(after);
    object->SetNext(before);
    if (after)
        after->SetNext(object);
    else
        head = object;
    if (before)
        before->SetPrev(object);
    else
        tail = object;
    ++count;
}

void FOBJLIST::Unlink(FORMOBJ* object)
{
    if (object == lastPlaced)
        lastPlaced = nullptr;
    if (object->GetPrev())
        object->GetPrev()->SetNext(object->GetNext());
    else
        head = object->GetNext();
    if (object->GetNext())
        object->GetNext()->SetPrev(object->GetPrev());
    else
        tail = object->GetPrev();
    object->SetNext(nullptr);
    object->SetPrev(nullptr);
    --count;
}

void FOBJLIST::AddHead(std::unique_ptr<FORMOBJ> object)
{
    Link(head, object.release());
}

void FOBJLIST::AddTail(std::unique_ptr<FORMOBJ> object)
{
    Link(nullptr, object.release());
}

void FOBJLIST::InsertAfter(FORMOBJ* after, std::unique_ptr<FORMOBJ> object)
{
    Link(after ? after->GetNext() : nullptr, object.release());
}

void FOBJLIST::InsertBefore(FORMOBJ* before, std::unique_ptr<FORMOBJ> object)
{
    Link(before ? before : head, object.release());
}

std::unique_ptr<FORMOBJ> FOBJLIST::Remove(FORMOBJ* object)
{
    Unlink(object);
    return std::unique_ptr<FORMOBJ>(object);
}

void FOBJLIST::Delete(FORMOBJ* object)
{
    Unlink(object);
    delete object;
}

void FOBJLIST::RemoveAll()
{
    while (head)
        Delete(head);
}

void FOBJLIST::InsertByPage(FORMOBJ* object, uint16_t page)
{
    // Objects put onto a page one after another (a paste, a drop) each go
    // straight after the one put there before, without a walk from the head.
    FORMOBJ* before = nullptr;
    if (lastPlaced && lastPlaced->GetPage() <= page
        && (!lastPlaced->GetNext() || lastPlaced->GetNext()->GetPage() > page)) {
        before = lastPlaced->GetNext();
    } else {
        before = head;
        while (before && before->GetPage() <= page)
            before = before->GetNext();
    }
    Link(before, object);
    lastPlaced = object;
}

void FOBJLIST::SetObjectPage(std::unique_ptr<FORMOBJ> object, uint16_t page)
{
    FORMOBJ* o = object.release();
    InsertByPage(o, page);
    o->SetPage(page);
}

void FOBJLIST::SetObjectPage(FORMOBJ* object, uint16_t page)
{
    if (!Contains(object))
        return;
    if (count > 1 && object->GetPage() != page) {
        Unlink(object);
        InsertByPage(object, page);
    }
    object->SetPage(page);
}

void FOBJLIST::BringToFront(FORMOBJ* object, uint16_t page)
{
    Unlink(object);
    FORMOBJ* last = nullptr;
    for (FORMOBJ* o = head; o && o->GetPage() <= page; o = o->GetNext())
        last = o;
    Link(last ? last->GetNext() : head, object);
}

void FOBJLIST::SendToBack(FORMOBJ* object, uint16_t page)
{
    Unlink(object);
    FORMOBJ* first = head;
    while (first && first->GetPage() < page)
        first = first->GetNext();
    Link(first, object);
}

int FOBJLIST::HasPage(uint16_t page) const
{
    for (FORMOBJ* o = head; o; o = o->GetNext())
        if (o->GetPage() == page)
            return 1;
    return 0;
}

void FOBJLIST::GetExtent(RECT& out, uint16_t page) const
{
    out = {};
    for (FORMOBJ* o = head; o; o = o->GetNext()) {
        if (page != kAllPages && o->GetPage() != page)
            continue;
        RECT b;
        o->GetBoundingRect(b);
        out.right = std::max(out.right, b.right);
        out.bottom = std::max(out.bottom, b.bottom);
    }
}

void FOBJLIST::DeletePage(uint16_t page, OBJECT_DOCUMENT* document)
{
    for (FORMOBJ* o = head; o;) {
        FORMOBJ* following = o->GetNext();
        if (o->GetPage() == page) {
            if (document)
                document->RemoveFromTabOrder(o);
            Delete(o);
        } else if (o->GetPage() > page) {
            o->SetPage(uint16_t(o->GetPage() - 1));
        }
        o = following;
    }
}

void FOBJLIST::InsertPage(uint16_t page)
{
    for (FORMOBJ* o = head; o; o = o->GetNext())
        if (o->GetPage() >= page)
            o->SetPage(uint16_t(o->GetPage() + 1));
}
