// Field values from the host.
#include "field_value.h"

#include "host.h"

namespace abacine {
namespace {

constexpr char kEscape = 27;
constexpr std::size_t kFormatCodeLength = 5;

} // namespace

std::string StripFormatCodes(const char* text)
{
    std::string out;
    if (!text)
        return out;
    std::size_t i = 0;
    auto more = [&] { return i < kMaxTextLength && text[i] != '\0'; };
    while (more()) {
        if (text[i] != kEscape) {
            out += text[i++];
            continue;
        }
        // A code is escape, letter, two value bytes, escape; an "X" code runs
        // on through the next escape byte.
        const bool runsOn = i + 1 < kMaxTextLength && text[i + 1] == 'X';
        for (std::size_t n = 0; n < kFormatCodeLength && more(); ++n)
            ++i;
        if (runsOn) {
            while (more() && text[i] != kEscape)
                ++i;
            if (more())
                ++i;
        }
    }
    return out;
}

Value FetchField(const FORMULA_SET& set, uint16_t id)
{
    OPERAND operand {};
    Ask(set, kFieldValue, id, reinterpret_cast<uintptr_t>(&operand));
    switch (operand.nType) {
    case kNumberValue:
        return Value::Number(operand.dNumber);
    case kTextValue:
        return Value::Text(StripFormatCodes(operand.pszText));
    case kErrorValue:
        return Value::Error(operand.nError);
    default:
        return Value {};
    }
}

} // namespace abacine
