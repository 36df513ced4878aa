// Type check over new code with a stack of type bytes.
#include "type_check.h"

#include "code_check.h"
#include "host.h"
#include "messages.h"
#include "tokens.h"

#include <vector>

namespace abacine {
namespace {

constexpr uint8_t kNumberType = 1;
constexpr uint8_t kTextType = 2;
constexpr uint8_t kRangeType = 0x40;
constexpr uint8_t kFieldType = 0x80; // plus the field's value class
constexpr int kMaxTypeDepth = 29;

bool IsField(uint8_t t)
{
    return (t & kFieldType) != 0;
}
bool IsNumeric(uint8_t t)
{
    return t == kNumberType || IsField(t);
}
bool IsTextual(uint8_t t)
{
    return t == kTextType || t == (kFieldType | kTextType);
}

bool All(const std::vector<uint8_t>& args, bool (*test)(uint8_t))
{
    for (uint8_t t : args)
        if (!test(t))
            return false;
    return true;
}

bool NumericOrRange(uint8_t t)
{
    return IsNumeric(t) || t == kRangeType;
}

// The result type of a function over args, or a message id above 0xFF.
int FunctionType(uint16_t token, const std::vector<uint8_t>& args)
{
    switch (token) {
    case kBracket:
        return args[0];
    case kNow:
    case kPi:
    case kRand:
    case kErr:
    case kFalse:
    case kTrue:
        return kNumberType;
    case kAvg:
    case kStd:
    case kSum:
    case kVar:
    case kIsErr:
        return All(args, NumericOrRange) ? kNumberType : kMsgParametersNumeric;
    case kMax:
    case kMin:
        return All(args, NumericOrRange) ? kFieldType : kMsgParametersNumeric;
    case kChoose:
        if (args.size() < 2)
            return kMsgChooseTooFew;
        for (std::size_t i = 0; i + 1 < args.size(); ++i)
            if (args[i] == kRangeType)
                return kMsgParameterTypes;
        return args[1];
    case kIf:
        return IsNumeric(args[0]) ? args[2] : kMsgParametersNumeric;
    case kConcatenate:
        return All(args, IsTextual) ? kTextType : kMsgConcatNeedsText;
    default:
        return All(args, IsNumeric) ? kNumberType : kMsgParametersNumeric;
    }
}

// The result type of a binary operator, or a message id above 0xFF.
int BinaryType(uint16_t token, uint8_t left, uint8_t right)
{
    if (IsComparison(token)) {
        const bool fits = left == right || IsField(left) || IsField(right);
        return fits ? kNumberType : kMsgComparisonTypes;
    }
    if (token == kConcat)
        return IsTextual(left) && IsTextual(right) ? kTextType : kMsgConcatNeedsText;
    return IsNumeric(left) && IsNumeric(right) ? kNumberType : kMsgBinaryNeedsNumbers;
}

} // namespace

int CheckTypes(const FORMULA_SET& set, const uint8_t* code, std::size_t length)
{
    std::vector<uint8_t> stack;
    CodeReader reader(code, length);
    while (!reader.AtEnd()) {
        if (static_cast<int>(stack.size()) > kMaxTypeDepth)
            return kMsgParameterCount;
        const CodeToken t = reader.Next();
        int type;
        switch (t.token) {
        case kEnd:
            continue;
        case kNumber:
        case kPercent:
            type = kNumberType;
            break;
        case kText:
            type = kTextType;
            break;
        case kRange:
            type = kRangeType;
            break;
        case kField: {
            const uint16_t cls = Ask(set, kFieldClass, ReadU16(t.operand));
            type = kFieldType | (cls <= kTextType ? cls : 0);
            break;
        }
        default:
            if (IsUnary(t.token)) {
                type = stack.back();
                stack.pop_back();
                if (t.token != kUnaryPlus && !IsNumeric(static_cast<uint8_t>(type)))
                    return kMsgUnaryNeedsNumber;
            } else if (IsBinary(t.token)) {
                const uint8_t right = stack.back();
                stack.pop_back();
                const uint8_t left = stack.back();
                stack.pop_back();
                type = BinaryType(t.token, left, right);
            } else {
                const std::size_t count = ReadU16(t.operand);
                std::vector<uint8_t> args(stack.end() - count, stack.end());
                stack.resize(stack.size() - count);
                type = FunctionType(t.token, args);
            }
        }
        if (type > 0xFF)
            return type;
        stack.push_back(static_cast<uint8_t>(type));
    }
    return 0;
}

} // namespace abacine
