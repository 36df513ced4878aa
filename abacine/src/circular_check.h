// The compile-time test for circular references through other formulas.
#pragma once

#include "Abacine.h"
#include "formula_order.h"

#include <cstdint>

namespace abacine {

// Walks forward from the formulas that read the field being compiled, using
// the set's calculation order, so that only the formulas that could lie
// between that field and the ones the new formula reads are visited.
class CircularCheck {
public:
    CircularCheck(const FORMULA_SET& set, FormulaOrder& order, uint16_t id)
        : set_(set)
        , order_(order)
        , search_(id)
    {}

    // Whether reading the field, or any cell of the range, leads back to the
    // field being compiled.
    bool FieldLeadsBack(uint16_t field) { return order_.Reaches(search_, field); }
    bool RangeLeadsBack(uint32_t range);

private:
    const FORMULA_SET& set_;
    FormulaOrder& order_;
    FormulaOrder::Search search_;
};

} // namespace abacine
