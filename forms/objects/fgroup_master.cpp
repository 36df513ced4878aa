// A group's masters are its members': the group follows a style when every
// member does, and style operations pass to each member.
#include "forms/objects/fgroup.h"

FORMOBJ* FGROUP::GetMaster() const
{
    FORMOBJ* top = members.GetTail();
    if (!top)
        return nullptr;
    FORMOBJ* common = top->GetMaster();
    const uint8_t type = top->GetType();
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (o->GetType() != type || o->GetMaster() != common)
            return nullptr;
    return common;
}

void FGROUP::SetMaster(FORMOBJ* style)
{
    // A style reaches only the members of its own kind (and nested groups,
    // which pass it on); no style reaches every member.
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (!style || o->GetType() == style->GetType() || o->GetType() == kTypeGroup)
            o->SetMaster(style);
}

int FGROUP::ApplyMasterIfType(uint8_t type, FORMOBJ* style, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        result |= o->ApplyMasterIfType(type, style, view);
    if (result && view)
        Invalidate(view);
    return result;
}

void FGROUP::ReleaseMaster()
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->ReleaseMaster();
}

void FGROUP::InvalidateIfMaster(OBJECT_VIEW* view, FORMOBJ* style)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->InvalidateIfMaster(view, style);
}

void FGROUP::DropMasterIfZero(int flag, uintptr_t arg)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->DropMasterIfZero(flag, arg);
}
