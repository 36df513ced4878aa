// The dependency test over a formula's operands.
#include "dependencies.h"

#include "code_check.h"
#include "host.h"
#include "tokens.h"

namespace abacine {

bool DependsOn(const FORMULA& formula, uint16_t id)
{
    if (!formula.HasSoundCode())
        return false;
    const FORMULA_SET& set = *formula.pSet;
    CodeReader reader(reinterpret_cast<const uint8_t*>(formula.pCode), formula.nLength);
    while (!reader.AtEnd()) {
        const CodeToken t = reader.Next();
        if (t.token == kField) {
            const uint16_t field = ReadU16(t.operand);
            if (field == id || (Ask(set, kFieldExists, field) && !Ask(set, kFieldUpToDate, field)))
                return true;
        } else if (t.token == kRange) {
            const uint32_t range = ReadU32(t.operand);
            if (!Ask(set, kRangeValid, range))
                continue;
            if (!Ask(set, kRangeUpToDate, range) || AnyCell(set, range, [id](uint16_t cell) { return cell == id; }))
                return true;
        }
    }
    return false;
}

} // namespace abacine
