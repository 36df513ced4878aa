// The compile-time check of operand types in new code.
#pragma once

#include "Abacine.h"

#include <cstddef>
#include <cstdint>

namespace abacine {

// 0 when the types of sound code fit its operators and functions, else the
// message id of the refusal.
int CheckTypes(const FORMULA_SET& set, const uint8_t* code, std::size_t length);

} // namespace abacine
