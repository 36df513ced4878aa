// Compiles the text of a formula (blanks already removed) into token code.
#pragma once

#include "Abacine.h"
#include "formula_order.h"

#include <cstdint>
#include <memory>

namespace abacine {

// The new formula, or null with the message id of the refusal in error; the
// set's order, prepared, answers the test for circular references.
std::unique_ptr<FORMULA> CompileFormula(
    FORMULA_SET& set, FormulaOrder& order, uint16_t id, const char* text, int& error);

} // namespace abacine
