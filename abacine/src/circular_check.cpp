// Circular reference test: walks the formulas of the fields a new formula reads.
#include "circular_check.h"

#include <vector>

#include "code_check.h"
#include "host.h"
#include "tokens.h"

namespace abacine {

bool CircularCheck::FieldLeadsBack(uint16_t field)
{
    return field == id_ || ReachesTarget(field);
}

bool CircularCheck::RangeLeadsBack(uint32_t range)
{
    return AnyCell(set_, range, [this](uint16_t cell) { return FieldLeadsBack(cell); });
}

const FORMULA* CircularCheck::Find(uint16_t field)
{
    if (hasFormula_.empty()) {
        hasFormula_.assign(65536, false);
        for (const HBELEMENT* e = set_.formulas.First(); e; e = e->pNext)
            hasFormula_[static_cast<const FORMULA*>(e)->nFieldID] = true;
    }
    if (!hasFormula_[field])
        return nullptr;
    if (index_.empty())
        for (HBELEMENT* e = set_.formulas.First(); e; e = e->pNext) {
            const FORMULA* f = static_cast<const FORMULA*>(e);
            index_.emplace(f->nFieldID, f);
        }
    auto it = index_.find(field);
    return it == index_.end() ? nullptr : it->second;
}

bool CircularCheck::ReachesTarget(uint16_t field)
{
    std::vector<uint16_t> pending{field};
    while (!pending.empty()) {
        const FORMULA* formula = Find(pending.back());
        pending.pop_back();
        if (!formula || !formula->HasSoundCode() || !visited_.insert(formula).second)
            continue;
        CodeReader reader(reinterpret_cast<const uint8_t*>(formula->pCode), formula->nLength);
        while (!reader.AtEnd()) {
            const CodeToken t = reader.Next();
            if (t.token == kField) {
                const uint16_t read = ReadU16(t.operand);
                if (read == id_)
                    return true;
                pending.push_back(read);
            } else if (t.token == kRange) {
                bool back = AnyCell(set_, ReadU32(t.operand), [&](uint16_t cell) {
                    pending.push_back(cell);
                    return cell == id_;
                });
                if (back)
                    return true;
            }
        }
    }
    return false;
}

}  // namespace abacine
