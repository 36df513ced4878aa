// The object base's appearance attributes: the default getters and setters
// (no attribute), and the master (style) object links.
#include "forms/model/formobj.h"

#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"

namespace {

// Attribute kind of the line spacing (a u16).
constexpr int kAttrLineSpacing = 4;

// One copy of every appearance attribute an object can have, with a flag
// for each that the object had.
struct Appearance {
    BORDER border;
    BASICSHADE shade;
    uint8_t alignment = 0;
    TEXTATTR font;
    SHADOW shadow;
    uint16_t spacing = 0;
    bool hasBorder, hasShade, hasAlignment, hasFont, hasShadow, hasSpacing;

    explicit Appearance(FORMOBJ& from)
        : hasBorder(from.GetBorder(&border) != 0)
        , hasShade(from.GetShade(&shade) != 0)
        , hasAlignment(from.GetAlignment(&alignment) != 0)
        , hasFont(from.GetFont(&font) != 0)
        , hasShadow(from.GetShadow(&shadow) != 0)
        , hasSpacing(from.GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing)) != 0)
    {}

    void ApplyTo(FORMOBJ& to) const
    {
        if (hasBorder)
            to.SetBorder(border);
        if (hasShade)
            to.SetShade(shade);
        if (hasAlignment)
            to.SetAlignment(alignment);
        if (hasFont)
            to.SetFont(font);
        if (hasShadow)
            to.SetShadow(shadow);
        if (hasSpacing)
            to.SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
    }
};

} // namespace

void FORMOBJ::TakeAppearanceFrom(FORMOBJ& source)
{
    Appearance(source).ApplyTo(*this);
    SetMaster(source.GetMaster());
}

FORMOBJ* FORMOBJ::GetMaster() const
{
    return master;
}

int FORMOBJ::GetBorder(BORDER*)
{
    return 0;
}

int FORMOBJ::GetShade(BASICSHADE*)
{
    return 0;
}

int FORMOBJ::GetFont(TEXTATTR*)
{
    return 0;
}

int FORMOBJ::GetAlignment(uint8_t*)
{
    return 0;
}

int FORMOBJ::ExtGet(uintptr_t)
{
    return 0;
}

int FORMOBJ::GetShadow(SHADOW*)
{
    return 0;
}

void FORMOBJ::SetBorder(const BORDER&)
{}

void FORMOBJ::SetShade(const BASICSHADE&)
{}

void FORMOBJ::SetFont(const TEXTATTR&)
{}

void FORMOBJ::SetAlignment(uint8_t)
{}

int FORMOBJ::ChangeFont(const TEXTATTR& attr, OBJECT_VIEW* view)
{
    TEXTATTR current;
    if (!GetFont(&current))
        return 0;
    Invalidate(view);
    SetFont(attr);
    Invalidate(view);
    return 1;
}

int FORMOBJ::ChangeAlignment(uint8_t align, OBJECT_VIEW* view)
{
    uint8_t current;
    if (!GetAlignment(&current))
        return 0;
    SetAlignment(align);
    Invalidate(view);
    return 1;
}

void FORMOBJ::ExtSet(uintptr_t)
{}

void FORMOBJ::SetShadow(const SHADOW&)
{}

void FORMOBJ::SetAttribute(int, uintptr_t)
{}

void FORMOBJ::SetMaster(FORMOBJ* style)
{
    master = style;
}

void FORMOBJ::DetachFromMaster()
{
    // Without a master the own values are already in place; returning here
    // also keeps setters that detach first from calling back without end.
    if (!master)
        return;
    Appearance shown(*this);
    master = nullptr;
    shown.ApplyTo(*this);
}

void FORMOBJ::ReleaseMaster()
{
    if (master)
        DetachFromMaster();
    SetMaster(nullptr);
}
