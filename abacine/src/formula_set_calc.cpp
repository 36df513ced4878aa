// Recalculation in calculation order and the marking of dependent formulas
// out of date.
#include "Abacine.h"

#include "dependencies.h"
#include "evaluator.h"
#include "formula_order.h"
#include "host.h"
#include "range_cache.h"

#include <cstdlib>
#include <ctime>

namespace {

// Counts formulas marked out of date, so that a recalculation sees marks that
// its host made from inside a callback.
unsigned long g_nMarkedOutOfDate = 0;

void StoreResult(const FORMULA_SET& set, uint16_t id, const abacine::Value& result)
{
    OPERAND operand {};
    operand.nType = result.type;
    switch (result.type) {
    case abacine::kNumberValue:
        operand.dNumber = result.number;
        break;
    case abacine::kTextValue:
        operand.pszText = result.text.c_str();
        break;
    case abacine::kErrorValue:
        operand.nError = result.error;
        break;
    default:
        break;
    }
    abacine::Ask(set, abacine::kStoreResult, id, reinterpret_cast<uintptr_t>(&operand));
}

// A formula is marked when its field exists, is up to date and depends on the
// field. In an order where every formula follows those it reads, one walk
// marks all there is to mark; otherwise walks repeat until one changes
// nothing, at most one more than there are formulas.
void MarkDependants(
    const FORMULA_SET& set, const abacine::FormulaOrder::Sequence& sequence, bool consistent, uint16_t id)
{
    const std::size_t maxWalks = consistent ? 1 : sequence.size() + 1;
    for (std::size_t walk = 0; walk < maxWalks; ++walk) {
        bool changed = false;
        // By index: a host that marks from inside a request renews the sequence.
        for (std::size_t i = 0; i < sequence.size(); ++i) {
            const FORMULA* formula = sequence[i];
            const uint16_t field = formula->nFieldID;
            if (abacine::Ask(set, abacine::kFieldExists, field) && abacine::Ask(set, abacine::kFieldUpToDate, field)
                && abacine::DependsOn(*formula, id)) {
                abacine::Ask(set, abacine::kSetUpToDate, field, 0);
                ++g_nMarkedOutOfDate;
                changed = true;
            }
        }
        if (!changed)
            break;
    }
}

} // namespace

// Passes walk the formulas in calculation order, where each comes after those
// it reads, so one pass completes them all. Another pass follows while
// formulas wait (a cycle, or an order that the host's ranges have outgrown)
// or the host marked formulas out of date from inside a callback; a pass
// that completes nothing ends the recalculation (a cycle brought in
// unchecked stays out of date). Ranges are read through one cache for the
// whole recalculation; a result stored into a field makes it be read again.
void FORMULA_SET::Calculate(uint16_t id)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Started from inside a callback, this one stores into fields that the
    // recalculation around it may have read.
    abacine::NoteHostChange();
    pOrder->Prepare();
    if (id != 0)
        MarkDependants(*this, pOrder->Walk(), pOrder->Consistent(), id);
    // A copy: the host may mark formulas from inside a callback, which can
    // renew the order.
    const abacine::FormulaOrder::Sequence sequence = pOrder->Walk();
    const abacine::FieldsWithFormulas withFormulas(*this);
    abacine::RangeCache ranges(*this, withFormulas);
    const std::size_t maxPasses = sequence.size() + 1;
    for (std::size_t pass = 0; pass < maxPasses; ++pass) {
        const unsigned long markedBefore = g_nMarkedOutOfDate;
        int deferred = 0, completed = 0;
        for (FORMULA* formula : sequence) {
            const uint16_t field = formula->nFieldID;
            if (abacine::Ask(*this, abacine::kFieldUpToDate, field))
                continue;
            abacine::Value result;
            if (abacine::Evaluate(*formula, withFormulas, ranges, result) == abacine::Outcome::kDeferred) {
                ++deferred;
                continue;
            }
            StoreResult(*this, field, result);
            ranges.Forget(field);
            abacine::Ask(*this, abacine::kSetUpToDate, field, 1);
            ++completed;
        }
        if (completed == 0 || (deferred == 0 && g_nMarkedOutOfDate == markedBefore))
            break;
    }
}

void FORMULA_SET::SetAllOutOfDate()
{
    abacine::NoteHostChange();
    for (HBELEMENT* e = formulas.First(); e; e = e->pNext)
        abacine::Ask(*this, abacine::kSetUpToDate, static_cast<FORMULA*>(e)->nFieldID, 0);
}

// Safe from inside a callback while Calculate runs: Calculate walks its own
// copy of the sequence.
void FORMULA_SET::SetFieldDependantsOOD(uint16_t id)
{
    abacine::NoteHostChange();
    pOrder->Prepare();
    MarkDependants(*this, pOrder->Walk(), pOrder->Consistent(), id);
}
