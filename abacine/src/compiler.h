// Compiles the text of a formula (blanks already removed) into token code.
#pragma once

#include <cstdint>
#include <memory>

#include "Abacine.h"

namespace abacine {

// The new formula, or null with the message id of the refusal in error.
std::unique_ptr<FORMULA> CompileFormula(FORMULA_SET& set, uint16_t id, const char* text, int& error);

}  // namespace abacine
