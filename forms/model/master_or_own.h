// The answer of an attribute getter on a kind that owns the attribute and
// takes it from its master while it is linked to one.
#pragma once

#include "forms/model/formobj.h"
#include "forms/model/shade.h"

#include <type_traits>

// The master's answer through get when there is a master; else a copy of
// own in out (when given) and 1, or 0 when the object has none. A fill is
// copied through its Copy, so that out keeps its own kind.
template<typename T>
int AnswerMasterOrOwn(FORMOBJ* master, int (FORMOBJ::*get)(T*), const T* own, T* out)
{
    if (master)
        return (master->*get)(out);
    if (!own)
        return 0;
    if (out) {
        if constexpr (std::is_base_of_v<SHADE, T>)
            out->Copy(*own);
        else
            *out = *own;
    }
    return 1;
}
