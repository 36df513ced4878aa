#include "forms/model/line_object.h"

#include "forms/model/border.h"
#include "forms/model/record_archive.h"

#include <new>

namespace {

constexpr uint8_t kBorderGroupTag = 3;

} // namespace

LINE_OBJECT::LINE_OBJECT()
{
    minSize = {0, 0};
}

LINE_OBJECT::~LINE_OBJECT() = default;

int LINE_OBJECT::Init()
{
    border.reset();
    try {
        border = std::make_unique<BORDER>();
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

void LINE_OBJECT::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FORMOBJ::Save(ar, kBaseGroupTag);
    if (border)
        border->Save(ar, kBorderGroupTag);
    SaveRecords(ar);
    ar.WriteTag(kEndGroup);
}

void LINE_OBJECT::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    if (!border && !Init())
        RECORDARCHIVE::ThrowLoadMemoryError();
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kBaseGroupTag)
            FORMOBJ::Load(ar, owner);
        else if (tag == kBorderGroupTag)
            border->Load(ar);
        else if (!LoadRecord(ar, tag))
            ar.SkipRecord(tag);
    }
}

int LINE_OBJECT::GetBorder(BORDER* out)
{
    if (master)
        return master->GetBorder(out);
    return AnswerOwn(border.get(), out);
}

void LINE_OBJECT::SetBorder(const BORDER& newBorder)
{
    SetOwnBorder(border, newBorder, 0);
}

int LINE_OBJECT::InitWithBorder(const BORDER& newBorder)
{
    if (!Init())
        return 0;
    SetBorder(newBorder);
    return 1;
}

bool LINE_OBJECT::MakeCopy(LINE_OBJECT& copy) const
{
    BORDER pen;
    if (master)
        master->GetBorder(&pen);
    else if (border)
        pen = *border;
    else
        return false;
    if (!copy.InitWithBorder(pen))
        return false;
    FinishClone(copy);
    return true;
}
