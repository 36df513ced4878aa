// One compiled formula: owns its code and writes it back as text.
#include "Abacine.h"

#include "code_check.h"
#include "formula_text.h"
#include "messages.h"

#include <cstring>
#include <string>

namespace {

constexpr std::size_t kMessageLength = 200;
constexpr int kMessageFlag = 8;

} // namespace

FORMULA::FORMULA(FORMULA_SET* set, uint16_t fieldID, char* code, uint16_t length)
    : nFieldID(fieldID)
    , pCode(code)
    , nLength(length)
    , pSet(set)
    , bSoundCode(abacine::IsSoundCode(reinterpret_cast<const uint8_t*>(code), length))
{}

FORMULA::~FORMULA()
{
    delete[] pCode;
}

void FORMULA::ToText(char* out, int* flag) const
{
    std::string text;
    int error = 0;
    const bool made = abacine::FormulaText(*this, text, error);
    if (flag)
        *flag = made ? 0 : kMessageFlag;
    if (!out)
        return;
    if (!made) {
        abacine::LoadMessage(error, out, kMessageLength);
        return;
    }
    std::memcpy(out, text.c_str(), text.size() + 1);
}
