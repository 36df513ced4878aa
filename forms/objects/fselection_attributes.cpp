// The selection's attributes: what the format commands and the appearance
// sheet read from and write to the selected objects.
#include "forms/model/border.h"
#include "forms/model/fobjlist.h"
#include "forms/model/group_members.h"
#include "forms/model/shade.h"
#include "forms/model/textattr.h"
#include "forms/objects/fselection.h"

namespace {

// The alignment a query answers when no selected object has one.
constexpr uint8_t kNoAlignment = 0x5D;

// What a deep walk over objects finds: whether every one is an ellipse or
// a group, and whether a box or field is among them.
struct BorderKinds {
    bool onlyEllipses = true;
    bool boxOrField = false;
};

void Walk(FORMOBJ* object, BorderKinds& kinds)
{
    const uint8_t type = object->GetType();
    if (type != kTypeEllipse && type != kTypeGroup)
        kinds.onlyEllipses = false;
    if (type == kTypeBox || type == kTypeField)
        kinds.boxOrField = true;
    if (auto* group = dynamic_cast<GroupMembers*>(object))
        for (FORMOBJ* o = group->GetMembers().GetHead(); o; o = o->GetNext())
            Walk(o, kinds);
}

} // namespace

int FSELECTION::GetBorder(BORDER* out)
{
    const std::vector<FORMOBJ*> objects = SelectedTopmostFirst();
    int answer = 0;
    for (FORMOBJ* o : objects)
        if ((answer = o->GetBorder(out)) != 0)
            break;
    if (!answer) {
        out->SetSpecialStyle();
        return 0;
    }
    BorderKinds kinds;
    for (FORMOBJ* o : objects)
        Walk(o, kinds);
    if (kinds.onlyEllipses)
        out->SetStyle(1);
    out->roundedFlag = kinds.boxOrField;
    out->reserved = kinds.onlyEllipses;
    return answer;
}

int FSELECTION::GetShade(BASICSHADE* out)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->GetShade(out))
            return 1;
    out->SetSpecialPattern();
    return 0;
}

int FSELECTION::GetFont(TEXTATTR* out)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->GetFont(out))
            return 1;
    out->SetMixed();
    return 0;
}

int FSELECTION::GetAlignment(uint8_t* out)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->GetAlignment(out))
            return 1;
    *out = kNoAlignment;
    return 0;
}

int FSELECTION::GetAttribute(int kind, uintptr_t out)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->GetAttribute(kind, out))
            return 1;
    return 0;
}

int FSELECTION::ChangeBorder(const BORDER& border, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o : SelectedTopmostFirst())
        result |= o->ChangeBorder(border, view);
    return result;
}

int FSELECTION::ChangeShade(const BASICSHADE& shade, OBJECT_VIEW* view)
{
    const std::vector<FORMOBJ*> objects = SelectedTopmostFirst();
    if (objects.empty())
        return 1;
    int result = 0;
    for (FORMOBJ* o : objects)
        result |= o->ChangeShade(shade, view);
    return result;
}

int FSELECTION::ChangeAlignment(uint8_t align, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o : SelectedTopmostFirst())
        result |= o->ChangeAlignment(align, view);
    return result;
}

int FSELECTION::ApplyToSelected(const TEXTATTR& change, OBJECT_VIEW* view)
{
    int result = 0;
    for (FORMOBJ* o : SelectedTopmostFirst())
        result |= o->ChangeFont(change, view);
    return result;
}

void FSELECTION::SetBorder(const BORDER& border)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->SetBorder(border);
}

void FSELECTION::SetShade(const BASICSHADE& shade)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->SetShade(shade);
}

void FSELECTION::SetAlignment(uint8_t align)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->SetAlignment(align);
}

void FSELECTION::SetAttribute(int kind, uintptr_t value)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->SetAttribute(kind, value);
}
