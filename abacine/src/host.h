// Requests to the host callback of a formula set.
#pragma once

#include <cerrno>
#include <cstdint>

#include "Abacine.h"

namespace abacine {

enum Request : uint16_t {
    kFieldByName = 100,
    kFieldExists = 101,
    kFieldUpToDate = 102,
    kSetUpToDate = 103,
    kFieldName = 104,
    kRangeFirst = 105,
    kRangeNext = 106,
    kFieldClass = 107,
    kFieldValue = 108,
    kRangeByName = 109,
    kRangeValid = 110,
    kRangeText = 111,
    kRangeUpToDate = 112,
    kStoreResult = 113,
    kReadU16 = 114,
    kReadByte = 115,
    kReadBytes = 116,
    kWriteU16 = 117,
    kWriteByte = 118,
    kWriteBytes = 119,
    kSkipTag = 120,
};

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
template <class Visit>
bool AnyCell(const FORMULA_SET& set, uint32_t range, Visit visit)
{
    long steps = 0;
    for (uint16_t cell = Ask(set, kRangeFirst, range); cell != 0 && steps < kMaxRangeCells;
         cell = Ask(set, kRangeNext, range, cell), ++steps)
        if (visit(cell))
            return true;
    return false;
}

}  // namespace abacine
