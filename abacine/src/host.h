// Requests to the host callback of a formula set.
#pragma once

#include "Abacine.h"

#include <cerrno>
#include <cstdint>

namespace abacine {

// A set without a callback gets 0 for every request. The error number is
// kept across the call, so that what the host leaves in it is not taken for
// a fault of the evaluation.
inline uint16_t Ask(const FORMULA_SET& set, Request code, uintptr_t a = 0, uintptr_t b = 0)
{
    if (!set.pCallback)
        return 0;
    const int error = errno;
    const uint16_t answer = set.pCallback(set.pContext, code, a, b);
    errno = error;
    return answer;
}

// A range names at most one cell per field id; a walk that runs longer
// means the host answers in a loop, and is cut there.
constexpr long kMaxRangeCells = 65536;

// Calls visit(cell id) for each cell of the range until it answers true;
// answers whether it did.
template<class Visit>
bool AnyCell(const FORMULA_SET& set, uint32_t range, Visit visit)
{
    long steps = 0;
    for (uint16_t cell = Ask(set, kRangeFirst, range); cell != 0 && steps < kMaxRangeCells;
         cell = Ask(set, kRangeNext, range, cell), ++steps)
        if (visit(cell))
            return true;
    return false;
}

} // namespace abacine
