// Turning a group: its text objects and nested groups turn, each about its
// own rectangle; the group keeps no angle of its own.
#include "forms/model/common_angle.h"
#include "forms/objects/fgroup.h"

#include <vector>

void FGROUP::SetRotation(uint16_t angle, OBJECT_VIEW* view)
{
    Invalidate(view);
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (TurnsWithRotationBox(*o))
            o->SetRotation(angle, view);
    GetRect(rect);
    Invalidate(view);
}

int FGROUP::QueryAngle(uint16_t* out)
{
    std::vector<FORMOBJ*> all;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        all.push_back(o);
    return QueryCommonAngle(all, out);
}
