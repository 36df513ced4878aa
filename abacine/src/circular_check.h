// The compile-time test for circular references through other formulas.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "Abacine.h"

namespace abacine {

class CircularCheck {
public:
    CircularCheck(const FORMULA_SET& set, uint16_t id) : set_(set), id_(id) {}

    // Whether reading the field, or any cell of the range, leads back to the
    // field being compiled.
    bool FieldLeadsBack(uint16_t field);
    bool RangeLeadsBack(uint32_t range);

private:
    bool ReachesTarget(uint16_t field);
    const FORMULA* Find(uint16_t field);

    const FORMULA_SET& set_;
    uint16_t id_;
    // Built on first use: which ids have a formula, and, once one of them is
    // read, the first formula of each id.
    std::vector<bool> hasFormula_;
    std::unordered_map<uint16_t, const FORMULA*> index_;
    // Formulas already walked: none of them leads back.
    std::unordered_set<const FORMULA*> visited_;
};

}  // namespace abacine
