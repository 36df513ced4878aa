// Which formulas a change of a field makes out of date.
#pragma once

#include "Abacine.h"

#include <cstdint>

namespace abacine {

// Whether the formula reads the field, an existing out-of-date field, or a
// valid range that holds the field or an out-of-date cell.
bool DependsOn(const FORMULA& formula, uint16_t id);

} // namespace abacine
