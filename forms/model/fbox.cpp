#include "forms/model/fbox.h"

#include "forms/model/border.h"
#include "forms/model/master_or_own.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/viewdc.h"

#include <new>

namespace {

// Tags of the attribute groups inside a box's group.
constexpr uint8_t kShadeGroupTag = 2;
constexpr uint8_t kBorderGroupTag = 3;
constexpr uint8_t kShadowGroupTag = 5;

} // namespace

FBOX::FBOX() = default;

FBOX::~FBOX() = default;

int FBOX::Init()
{
    border.reset();
    shade.reset();
    shadow.reset();
    try {
        border = std::make_unique<BORDER>();
        border->roundedFlag = 1;
        shade = std::make_unique<BASICSHADE>();
        shadow = std::make_unique<SHADOW>();
    } catch (const std::bad_alloc&) {
        border.reset();
        shade.reset();
        shadow.reset();
        return 0;
    }
    return 1;
}

void FBOX::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FORMOBJ::Save(ar, kBaseGroupTag);
    if (border)
        border->Save(ar, kBorderGroupTag);
    if (shade)
        shade->Save(ar, kShadeGroupTag);
    if (shadow)
        shadow->Save(ar, kShadowGroupTag);
    ar.WriteTag(kEndGroup);
}

void FBOX::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    if (!border && !Init())
        RECORDARCHIVE::ThrowLoadMemoryError();
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            return;
        case kBaseGroupTag:
            FORMOBJ::Load(ar, owner);
            break;
        case kShadeGroupTag:
            shade->Load(ar);
            break;
        case kBorderGroupTag:
            LoadBorder(ar);
            break;
        case kShadowGroupTag:
            shadow->Load(ar);
            break;
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}

void FBOX::LoadBorder(RECORDARCHIVE& ar)
{
    border->Load(ar);
}

void FBOX::Draw(VIEWDC& dc)
{
    BORDER line;
    if (!GetBorder(&line))
        return;
    BASICSHADE fill;
    GetShade(&fill);
    // A picture has no clipping: a rounded box is one rounded rectangle.
    if (dc.deviceKind == kDevicePicture && line.rounding > 0) {
        line.DrawRounded(dc, rect, &fill);
        return;
    }
    SHADOW drop;
    GetShadow(&drop);
    RECT outer;
    const bool shadowed = !drop.IsNone();
    if (shadowed) {
        GetOuterRect(outer, dc);
        drop.Draw(dc, outer, line.rounding);
    }
    line.DrawFor(dc, fill, rect, shadowed ? &outer : nullptr);
    DrawTracker(dc);
}

std::unique_ptr<FORMOBJ> FBOX::Clone() const
{
    auto copy = std::make_unique<FBOX>();
    if (!MakeCopy(*copy))
        return nullptr;
    return copy;
}

bool FBOX::MakeCopy(FBOX& copy) const
{
    BORDER line;
    BASICSHADE fill;
    SHADOW drop;
    if (master) {
        master->GetBorder(&line);
        master->GetShade(&fill);
        master->GetShadow(&drop);
    } else {
        if (!border)
            return false;
        line = *border;
        fill.Copy(*shade);
        drop = *shadow;
    }
    if (!copy.Create(fill, line, drop))
        return false;
    FinishClone(copy);
    return true;
}

int FBOX::GetBorder(BORDER* out)
{
    return AnswerMasterOrOwn(master, &FORMOBJ::GetBorder, border.get(), out);
}

int FBOX::GetShade(BASICSHADE* out)
{
    return AnswerMasterOrOwn(master, &FORMOBJ::GetShade, shade.get(), out);
}

int FBOX::GetShadow(SHADOW* out)
{
    return AnswerMasterOrOwn(master, &FORMOBJ::GetShadow, shadow.get(), out);
}

void FBOX::SetBorder(const BORDER& newBorder)
{
    SetOwnBorder(border, newBorder, 1);
}

void FBOX::SetShade(const BASICSHADE& newShade)
{
    if (master)
        DetachFromMaster();
    if (shade)
        shade->Copy(newShade);
}

void FBOX::SetShadow(const SHADOW& newShadow)
{
    if (master)
        DetachFromMaster();
    if (shadow)
        *shadow = newShadow;
}

int FBOX::Create(const BASICSHADE& newShade, const BORDER& newBorder, const SHADOW& newShadow)
{
    if (!Init())
        return 0;
    SetBorder(newBorder);
    shade->Copy(newShade);
    *shadow = newShadow;
    return 1;
}
