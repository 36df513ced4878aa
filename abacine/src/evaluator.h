// The stack machine that runs a formula's code against the host's fields.
#pragma once

#include "Abacine.h"
#include "eval_stack.h"

#include <cstdint>
#include <vector>

namespace abacine {

// Which field ids have a formula in a set, for the test of deferral.
class FieldsWithFormulas {
public:
    explicit FieldsWithFormulas(const FORMULA_SET& set);
    bool Has(uint16_t id) const { return bits_[id]; }

private:
    std::vector<bool> bits_;
};

class RangeCache;

enum class Outcome { kDone, kDeferred };

// Runs the formula; kDeferred when a field or cell it reads has a formula and
// is not up to date yet, else kDone with the value or error in result. Ranges
// are read through the recalculation's cache.
Outcome Evaluate(const FORMULA& formula, const FieldsWithFormulas& withFormulas, RangeCache& ranges, Value& result);

} // namespace abacine
