// The object list in the record stream, the object factory and templates.
#include "forms/model/fobjlist.h"

#include "forms/model/formobj.h"
#include "forms/model/group_members.h"
#include "forms/model/object_document.h"
#include "forms/model/object_factory.h"
#include "forms/model/record_archive.h"

void FOBJLIST::Save(RECORDARCHIVE& ar, uint8_t listTag, int selectedOnly)
{
    ar.WriteTag(listTag);
    OBJECT_DOCUMENT* doc = ar.GetDocument();
    bool alternative = doc && doc->IsAlternativeFormat();
    for (FORMOBJ* o = head; o; o = o->GetNext()) {
        if (selectedOnly) {
            // A table or group answers with its selected part; that part is
            // written in its place and the list goes on with the others.
            FORMOBJ* named = nullptr;
            if (o->IsSelected(&named) == 1 && named)
                named->Save(ar, named->GetType());
            continue;
        }
        if (alternative && !o->IsSavableIn(doc->GetAlternativeFormat()))
            continue;
        o->Save(ar, o->GetType());
    }
    ar.WriteTag(kEndGroup);
}

int FOBJLIST::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (;;) {
        uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return 1;
        if (!FindObjectClass(tag)) {
            ar.SkipRecord(tag);
            continue;
        }
        std::unique_ptr<FORMOBJ> object = CreateObject(tag);
        if (!object)
            RECORDARCHIVE::ThrowLoadMemoryError();
        object->Load(ar, owner);
        AddTail(std::move(object));
    }
}

std::unique_ptr<FORMOBJ> FOBJLIST::CreateObject(uint8_t type)
{
    ObjectCreator creator = FindObjectClass(type);
    if (!creator)
        return nullptr;
    std::unique_ptr<FORMOBJ> object;
    try {
        object = creator();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    if (!object)
        return nullptr;
    if (type == kTypeGroup)
        if (auto* group = dynamic_cast<GroupMembers*>(object.get()))
            group->SetOwnerList(this);
    if (!object->Init())
        return nullptr;
    return object;
}

void FOBJLIST::ApplyTemplate(const FOBJLIST& templateList)
{
    for (FORMOBJ* t = templateList.GetHead(); t; t = t->GetNext()) {
        if (t->GetName().empty())
            continue;
        FORMOBJ* match = head;
        while (match && !(match->GetType() == t->GetType() && match->GetName() == t->GetName()))
            match = match->GetNext();
        if (match) {
            match->TakeAppearanceFrom(*t);
            continue;
        }
        if (std::unique_ptr<FORMOBJ> copy = t->Clone()) {
            copy->SetName(t->GetName());
            AddTail(std::move(copy));
        }
    }
}
