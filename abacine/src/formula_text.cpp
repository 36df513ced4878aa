// Formula text from code: postfix code read back into infix text, with the
// brackets that the code holds and no others.
#include "formula_text.h"

#include "code_check.h"
#include "function_table.h"
#include "host.h"
#include "int_exception.h"
#include "messages.h"
#include "number_text.h"
#include "tokens.h"

#include <cstring>
#include <vector>

namespace abacine {
namespace {

const char* OperatorText(uint16_t token)
{
    switch (token) {
    case kUnaryPlus:
    case kAdd:
        return "+";
    case kUnaryMinus:
    case kSubtract:
        return "-";
    case kNot:
        return "#NOT#";
    case kGreaterEqual:
        return ">=";
    case kLessEqual:
        return "<=";
    case kNotEqual:
        return "<>";
    case kPower:
        return "^";
    case kMultiply:
        return "*";
    case kDivide:
        return "/";
    case kEqual:
        return "=";
    case kLess:
        return "<";
    case kGreater:
        return ">";
    case kOr:
        return "#OR#";
    case kAnd:
        return "#AND#";
    default:
        return "&";
    }
}

std::string QuotedText(const char* s)
{
    std::string out = "\"";
    for (; *s; ++s) {
        if (*s == '\r')
            out += "\\E";
        else if (*s == '"')
            out += "\\\"";
        else if (*s == '\\')
            out += "\\\\";
        else
            out += *s;
    }
    return out + "\"";
}

// Asks the host to write a name into a buffer of kNameBufferSize bytes.
std::string HostName(const FORMULA_SET& set, Request request, uintptr_t what)
{
    char buffer[kNameBufferSize] = {};
    Ask(set, request, what, reinterpret_cast<uintptr_t>(buffer));
    buffer[kNameBufferSize - 1] = '\0';
    return buffer;
}

std::string OperandText(const FORMULA_SET& set, const CodeToken& t)
{
    switch (t.token) {
    case kNumber:
        return NumberText(ReadDouble(t.operand));
    case kPercent:
        return NumberText(ReadDouble(t.operand)) + "%";
    case kText:
        return QuotedText(reinterpret_cast<const char*>(t.operand));
    case kField: {
        const uint16_t id = ReadU16(t.operand);
        return Ask(set, kFieldExists, id) ? HostName(set, kFieldName, id) : MessageText(kMsgInvalidField);
    }
    default: {
        const uint32_t range = ReadU32(t.operand);
        return Ask(set, kRangeValid, range) ? HostName(set, kRangeText, range) : MessageText(kMsgInvalidRange);
    }
    }
}

void Push(std::vector<std::string>& stack, std::string s)
{
    if (s.size() > kMaxFormulaText)
        throw CIntException(kMsgTextTooLong);
    stack.push_back(std::move(s));
}

std::string Pop(std::vector<std::string>& stack)
{
    std::string s = std::move(stack.back());
    stack.pop_back();
    return s;
}

} // namespace

bool FormulaText(const FORMULA& formula, std::string& text, int& error)
{
    if (!formula.HasSoundCode()) {
        error = kMsgCorrupt;
        return false;
    }
    std::vector<std::string> stack;
    try {
        CodeReader reader(reinterpret_cast<const uint8_t*>(formula.pCode), formula.nLength);
        for (;;) {
            const CodeToken t = reader.Next();
            if (t.token == kEnd)
                break;
            if (IsUnary(t.token)) {
                Push(stack, OperatorText(t.token) + Pop(stack));
            } else if (IsBinary(t.token)) {
                std::string right = Pop(stack);
                std::string left = Pop(stack);
                Push(stack, left + OperatorText(t.token) + right);
            } else if (const FunctionEntry* f = FunctionOfToken(t.token)) {
                const uint16_t count = ReadU16(t.operand);
                const std::size_t first = stack.size() - count;
                std::string args;
                for (std::size_t i = first; i < stack.size(); ++i)
                    args += (i == first ? "" : ",") + stack[i];
                stack.resize(first);
                Push(stack, f->name + args + ")");
            } else {
                Push(stack, OperandText(*formula.pSet, t));
            }
        }
    } catch (const CIntException& e) {
        error = e.ID();
        return false;
    }
    text = Pop(stack);
    return true;
}

} // namespace abacine
