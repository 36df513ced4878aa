// Circular reference test over the cells of a range.
#include "circular_check.h"

#include "host.h"

namespace abacine {

bool CircularCheck::RangeLeadsBack(uint32_t range)
{
    return AnyCell(set_, range, [this](uint16_t cell) { return FieldLeadsBack(cell); });
}

} // namespace abacine
