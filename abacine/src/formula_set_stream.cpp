// Saving and loading the formula set through the host's stream requests.
#include "Abacine.h"

#include "formula_order.h"
#include "host.h"
#include "set_limits.h"

#include <memory>
#include <new>

namespace {

constexpr uint8_t kFormulaGroup = 0x46;
constexpr uint8_t kFieldRecord = 0x81;
constexpr uint8_t kCodeRecord = 0x82;
constexpr uint8_t kEndOfGroup = 0xFF;

uint8_t ReadByte(const FORMULA_SET& set)
{
    return static_cast<uint8_t>(abacine::Ask(set, abacine::kReadByte) & 0xFF);
}

} // namespace

int FORMULA_SET::SaveSet(uint8_t tag)
{
    using abacine::Ask;
    Ask(*this, abacine::kWriteByte, tag);
    for (HBELEMENT* e = formulas.First(); e; e = e->pNext) {
        const FORMULA* formula = static_cast<const FORMULA*>(e);
        if (!Ask(*this, abacine::kFieldExists, formula->nFieldID))
            continue;
        Ask(*this, abacine::kWriteByte, kFormulaGroup);
        Ask(*this, abacine::kWriteByte, kFieldRecord);
        Ask(*this, abacine::kWriteU16, 2);
        Ask(*this, abacine::kWriteU16, formula->nFieldID);
        Ask(*this, abacine::kWriteByte, kCodeRecord);
        Ask(*this, abacine::kWriteU16, formula->nLength);
        Ask(*this, abacine::kWriteBytes, reinterpret_cast<uintptr_t>(formula->pCode), formula->nLength);
        Ask(*this, abacine::kWriteByte, kEndOfGroup);
    }
    Ask(*this, abacine::kWriteByte, kEndOfGroup);
    return 1;
}

// Code is checked, not trusted: a formula whose code is unsound is kept as
// read and gives an error value when it is calculated.
int FORMULA_SET::Load()
{
    using abacine::Ask;
    while (HBELEMENT* e = formulas.First()) {
        formulas.Remove(e);
        delete e;
    }
    pOrder->Cleared();
    int answer = 1;
    for (uint8_t tag = ReadByte(*this); tag != kEndOfGroup; tag = ReadByte(*this)) {
        if (tag != kFormulaGroup) {
            Ask(*this, abacine::kSkipTag, tag);
            continue;
        }
        uint16_t id = 0, length = 0;
        std::unique_ptr<char[]> code;
        for (uint8_t record = ReadByte(*this); record != kEndOfGroup; record = ReadByte(*this)) {
            if (record == kFieldRecord) {
                Ask(*this, abacine::kReadU16);
                id = Ask(*this, abacine::kReadU16);
            } else if (record == kCodeRecord) {
                length = Ask(*this, abacine::kReadU16);
                code.reset(new (std::nothrow) char[length]);
                if (!code)
                    return 0;
                Ask(*this, abacine::kReadBytes, reinterpret_cast<uintptr_t>(code.get()), length);
            } else {
                Ask(*this, abacine::kSkipTag, record);
            }
        }
        FORMULA* formula = nullptr;
        if (formulas.Count() < abacine::kMaxFormulas)
            formula = new (std::nothrow) FORMULA(this, id, code.get(), length);
        if (!formula) {
            answer = 0;
            continue;
        }
        code.release();
        formulas.Append(formula);
        pOrder->Appended(formula);
    }
    return answer;
}
