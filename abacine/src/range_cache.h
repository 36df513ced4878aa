// What one recalculation learns of the host's ranges: each range's cells are
// walked once, each cell's value is fetched once and shared by every range
// over it, and a range's tally is kept until a value it used changes.
#pragma once

#include "Abacine.h"
#include "eval_stack.h"
#include "evaluator.h"
#include "tally.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace abacine {

// The host may have changed fields or ranges: a recalculation running now
// drops what it has learnt. Called when the set is told of a change and
// when a recalculation starts (which may store into any field).
void NoteHostChange();

class RangeCache {
public:
    RangeCache(const FORMULA_SET& set, const FieldsWithFormulas& withFormulas);
    RangeCache(const RangeCache&) = delete;
    RangeCache& operator=(const RangeCache&) = delete;

    // The range's cells that have a formula in the set, in the range's order.
    const std::vector<uint16_t>& CellsWithFormulas(uint32_t range);
    // Adds the range's cells, in the range's order, to the tally; answers
    // true with error set to the first cell's error value when one holds an
    // error (cells after it are not added).
    bool AddCells(uint32_t range, Tally& tally, Value& error);
    // A result was stored into the field: its value is fetched again.
    void Forget(uint16_t id);

private:
    struct Cell {
        uint16_t id = 0;
        bool fetched = false;
        Value value;
    };
    struct Range {
        std::vector<uint32_t> cells; // indexes into cells_
        std::vector<uint16_t> withFormulas;
        // The tally of the cells from empty, valid while changes_ is keptAt.
        bool kept = false;
        unsigned long keptAt = 0;
        bool keptError = false;
        Tally tally;
        Value error;
    };

    Range& Walk(uint32_t range);
    uint32_t CellIndex(uint16_t id);
    const Value& ValueOf(Cell& cell);
    void DropAllOnHostChange();

    const FORMULA_SET& set_;
    const FieldsWithFormulas& withFormulas_;
    unsigned long hostChanges_;
    unsigned long changes_ = 0; // fetched values dropped so far
    std::unordered_map<uint32_t, Range> ranges_;
    std::vector<Cell> cells_;
    std::vector<uint32_t> indexOf_; // by field id: index into cells_ plus 1, 0 for none
};

} // namespace abacine
