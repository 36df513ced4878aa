// Recalculation in passes and the marking of dependent formulas out of date.
#include <cstdlib>
#include <ctime>

#include "Abacine.h"
#include "dependencies.h"
#include "evaluator.h"
#include "host.h"

namespace {

// Counts formulas marked out of date, so that a recalculation sees marks that
// its host made from inside a callback.
unsigned long g_nMarkedOutOfDate = 0;

void StoreResult(const FORMULA_SET& set, uint16_t id, const abacine::Value& result)
{
    OPERAND operand{};
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

}  // namespace

// Passes repeat while formulas wait for others; a pass that completes nothing
// ends the recalculation (a cycle brought in unchecked stays out of date).
void FORMULA_SET::Calculate(uint16_t id)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    if (id != 0)
        SetFieldDependantsOOD(id);
    const abacine::FieldsWithFormulas withFormulas(*this);
    const int maxPasses = formulas.Count() + 1;
    for (int pass = 0; pass < maxPasses; ++pass) {
        const unsigned long markedBefore = g_nMarkedOutOfDate;
        int deferred = 0, completed = 0;
        const int steps = formulas.Count();
        HBELEMENT* e = formulas.First();
        for (int i = 0; i < steps && e; ++i, e = e->pNext) {
            FORMULA* formula = static_cast<FORMULA*>(e);
            const uint16_t field = formula->nFieldID;
            if (abacine::Ask(*this, abacine::kFieldUpToDate, field))
                continue;
            abacine::Value result;
            if (abacine::Evaluate(*formula, withFormulas, result) == abacine::Outcome::kDeferred) {
                ++deferred;
                continue;
            }
            StoreResult(*this, field, result);
            abacine::Ask(*this, abacine::kSetUpToDate, field, 1);
            ++completed;
        }
        if (completed == 0 || (deferred == 0 && g_nMarkedOutOfDate == markedBefore))
            break;
    }
}

void FORMULA_SET::SetAllOutOfDate()
{
    for (HBELEMENT* e = formulas.First(); e; e = e->pNext)
        abacine::Ask(*this, abacine::kSetUpToDate, static_cast<FORMULA*>(e)->nFieldID, 0);
}

// Each pass marks at least one more formula or ends, so passes are bounded by
// the number of formulas.
void FORMULA_SET::SetFieldDependantsOOD(uint16_t id)
{
    const int maxPasses = formulas.Count() + 1;
    for (int pass = 0; pass < maxPasses; ++pass) {
        bool changed = false;
        for (HBELEMENT* e = formulas.First(); e; e = e->pNext) {
            const FORMULA* formula = static_cast<const FORMULA*>(e);
            const uint16_t field = formula->nFieldID;
            if (abacine::Ask(*this, abacine::kFieldExists, field) && abacine::Ask(*this, abacine::kFieldUpToDate, field) &&
                abacine::DependsOn(*formula, id)) {
                abacine::Ask(*this, abacine::kSetUpToDate, field, 0);
                ++g_nMarkedOutOfDate;
                changed = true;
            }
        }
        if (!changed)
            break;
    }
}
