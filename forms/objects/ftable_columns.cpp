// Whole columns and rows of a table as its current part, and what a double
// click on a part opens.
#include "forms/objects/ftable.h"

#include "forms/objects/fheader.h"
#include "forms/objects/tablecolrow.h"

int FTABLE::SelectColumnOrRow(OBJECT_VIEW*, uint8_t, int32_t, int32_t)
{
    return 0;
}

FORMOBJ* FTABLE::SelectColumnOrRowAt(OBJECT_VIEW*)
{
    return nullptr;
}

int FTABLE::HitTestColumnOrRow(OBJECT_VIEW*, int32_t, int32_t)
{
    return 0;
}

FHEADER* FTABLE::GetEditedHeader() const
{
    return nullptr;
}

int FTABLE::ShowProperties(OBJECT_VIEW*)
{
    return 0;
}

int FTABLE::GetRichText(uintptr_t* out)
{
    if (out)
        *out = 0;
    return 0;
}
