// A group's attributes are its members': changes and property events go to
// each of them, a query is answered by the topmost member that has the
// attribute, and a group takes its look from another member by member.
#include "forms/model/border.h"
#include "forms/model/textattr.h"
#include "forms/objects/fgroup.h"

namespace {

// The alignment a query answers when no member has one.
constexpr uint8_t kNoAlignment = 0x5D;

} // namespace

int FGROUP::ChangeBorder(const BORDER& border, OBJECT_VIEW* view)
{
    // Each member repaints its own area before and after; the group's
    // whole area follows once something changed.
    int result = 0;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        result |= o->ChangeBorder(border, view);
    if (result && view)
        Invalidate(view);
    return result;
}

int FGROUP::ChangeShade(const BASICSHADE& shade, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        result |= o->ChangeShade(shade, view);
    return result;
}

int FGROUP::ChangeShadow(const SHADOW& shadow, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        result |= o->ChangeShadow(shadow, view);
    return result;
}

int FGROUP::ChangeFont(const TEXTATTR& attr, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        result |= o->ChangeFont(attr, view);
    return result;
}

int FGROUP::ChangeAlignment(uint8_t align, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        result |= o->ChangeAlignment(align, view);
    return result;
}

int FGROUP::GetBorder(BORDER* out)
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (const int answer = o->GetBorder(out))
            return answer;
    out->SetSpecialStyle();
    return 0;
}

int FGROUP::GetFont(TEXTATTR* out)
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (const int answer = o->GetFont(out))
            return answer;
    out->SetMixed();
    return 0;
}

int FGROUP::GetAlignment(uint8_t* out)
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (const int answer = o->GetAlignment(out))
            return answer;
    *out = kNoAlignment;
    return 0;
}

int FGROUP::GetShadow(SHADOW* out)
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (const int answer = o->GetShadow(out))
            return answer;
    return 0;
}

int FGROUP::GetAttribute(int kind, uintptr_t out)
{
    for (FORMOBJ* o = members.GetTail(); o; o = o->GetPrev())
        if (const int answer = o->GetAttribute(kind, out))
            return answer;
    return 0;
}

void FGROUP::TakeAppearanceFrom(FORMOBJ& source)
{
    auto* group = dynamic_cast<FGROUP*>(&source);
    if (!group)
        return;
    FORMOBJ* from = group->members.GetHead();
    for (FORMOBJ* o = members.GetHead(); o && from; o = o->GetNext(), from = from->GetNext())
        o->TakeAppearanceFrom(*from);
}

void FGROUP::OnEvent(uint8_t code, uintptr_t a, uintptr_t b)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        o->OnEvent(code, a, b);
}

int FGROUP::ExtAccepts(uintptr_t arg)
{
    for (FORMOBJ* o = members.GetHead(); o; o = o->GetNext())
        if (!o->ExtAccepts(arg))
            return 0;
    return 1;
}
