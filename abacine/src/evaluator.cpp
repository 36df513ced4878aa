// Evaluation of token code on the value stack.
#include "evaluator.h"

#include "code_check.h"
#include "field_value.h"
#include "functions.h"
#include "host.h"
#include "messages.h"
#include "range_cache.h"
#include "tokens.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <new>

namespace abacine {
namespace {

constexpr uint16_t kDomainError = 33;
constexpr uint16_t kRangeError = 34;

// Texts made only of signs, digits and at most one point compare as numbers.
bool IsNumericText(const std::string& s)
{
    int points = 0;
    for (char c : s) {
        if (c == '.')
            ++points;
        else if (!(c == '+' || c == '-' || (c >= '0' && c <= '9')))
            return false;
    }
    return points <= 1;
}

// Negative, zero or positive as left is below, equal to or above right.
double Compare(const Value& left, const Value& right)
{
    if (left.type == kTextValue && right.type == kTextValue
        && !(IsNumericText(left.text) && IsNumericText(right.text))) {
        const std::size_t n = std::min(left.text.size(), right.text.size());
        const int c = std::memcmp(left.text.data(), right.text.data(), n);
        if (c != 0)
            return c;
        return static_cast<double>(left.text.size()) - static_cast<double>(right.text.size());
    }
    return AsNumber(left) - AsNumber(right);
}

Value Binary(uint16_t token, const Value& left, const Value& right)
{
    if (token == kConcat) {
        std::string joined = left.type == kTextValue ? left.text : std::string();
        if (right.type == kTextValue)
            joined += right.text;
        return Value::Text(std::move(joined));
    }
    if (IsComparison(token)) {
        const double d = Compare(left, right);
        bool r = false;
        switch (token) {
        case kGreaterEqual:
            r = d >= 0;
            break;
        case kLessEqual:
            r = d <= 0;
            break;
        case kNotEqual:
            r = d != 0;
            break;
        case kEqual:
            r = d == 0;
            break;
        case kLess:
            r = d < 0;
            break;
        default:
            r = d > 0;
            break;
        }
        return Value::Number(r ? 1 : 0);
    }
    const double l = AsNumber(left), r = AsNumber(right);
    switch (token) {
    case kAdd:
        return Value::Number(l + r);
    case kSubtract:
        return Value::Number(l - r);
    case kMultiply:
        return Value::Number(l * r);
    case kPower:
        return Value::Number(std::pow(l, r));
    case kDivide:
        return r == 0 ? Value::Error(kDivisionByZero) : Value::Number(l / r);
    case kOr:
        return Value::Number(l != 0 || r != 0 ? 1 : 0);
    default:
        return Value::Number(l != 0 && r != 0 ? 1 : 0);
    }
}

Value Unary(uint16_t token, const Value& v)
{
    if (token == kUnaryPlus)
        return v;
    const double x = AsNumber(v);
    if (token == kUnaryMinus)
        return Value::Number(-x);
    return Value::Number(x == 0 ? 1 : 0);
}

Value Function(RangeCache& ranges, uint16_t token, const std::vector<Value>& args)
{
    switch (token) {
    case kBracket:
        return args[0];
    case kAvg:
    case kMax:
    case kMin:
    case kStd:
    case kSum:
    case kVar:
        return ListFunction(ranges, token, args);
    case kChoose:
    case kIf:
    case kIsErr:
    case kErr:
    case kTrue:
    case kFalse:
    case kConcatenate:
        return ChoiceFunction(token, args);
    case kDate:
    case kDay:
    case kHour:
    case kMinute:
    case kMonth:
    case kNow:
    case kSecond:
    case kTime:
    case kYear:
        return DateFunction(token, args);
    case kCterm:
    case kDdb:
    case kFv:
    case kPmt:
    case kPv:
    case kRate:
    case kSln:
    case kSyd:
    case kTerm:
        return FinancialFunction(token, args);
    default:
        return MathFunction(token, args);
    }
}

// Functions that see error arguments instead of passing the first one on.
bool TakesErrors(uint16_t token)
{
    return token == kChoose || token == kIsErr || token == kIf;
}

// After each token: a failed library call or a result that is no finite number
// becomes an error; a result that underflowed to zero stays a number.
void CheckResult(Value& top)
{
    if (top.type != kNumberValue)
        return;
    if (errno == EDOM)
        top = Value::Error(kDomainError);
    else if (errno == ERANGE && !std::isfinite(top.number))
        top = Value::Error(kRangeError);
    else if (!std::isfinite(top.number))
        top = Value::Error(kMsgOverflow);
}

class Evaluation {
public:
    Evaluation(const FORMULA_SET& set, const FieldsWithFormulas& withFormulas, RangeCache& ranges)
        : set_(set)
        , withFormulas_(withFormulas)
        , ranges_(ranges)
    {}

    Outcome Run(const uint8_t* code, std::size_t length, Value& result)
    {
        CodeReader reader(code, length);
        for (;;) {
            const CodeToken t = reader.Next();
            if (t.token == kEnd)
                break;
            errno = 0;
            if (t.token == kField || t.token == kRange) {
                const Outcome o = PushReference(t, result);
                if (o == Outcome::kDeferred || stop_)
                    return o;
            } else {
                Step(t);
            }
            CheckResult(stack_.Top());
        }
        result = stack_.Pop();
        return Outcome::kDone;
    }

private:
    // Pushes a field or range; a missing one ends the evaluation with an error.
    Outcome PushReference(const CodeToken& t, Value& result)
    {
        if (t.token == kField) {
            const uint16_t id = ReadU16(t.operand);
            if (!Ask(set_, kFieldExists, id))
                return Stop(result, kMsgMissingField);
            if (Pending(id))
                return Outcome::kDeferred;
            stack_.Push(FetchField(set_, id));
            return Outcome::kDone;
        }
        const uint32_t range = ReadU32(t.operand);
        if (!Ask(set_, kRangeValid, range))
            return Stop(result, kMsgInvalidRange);
        for (uint16_t cell : ranges_.CellsWithFormulas(range))
            if (!Ask(set_, kFieldUpToDate, cell))
                return Outcome::kDeferred;
        stack_.Push(Value::Range(range));
        return Outcome::kDone;
    }

    bool Pending(uint16_t id) const { return withFormulas_.Has(id) && !Ask(set_, kFieldUpToDate, id); }

    Outcome Stop(Value& result, uint16_t code)
    {
        result = Value::Error(code);
        stop_ = true;
        return Outcome::kDone;
    }

    void Step(const CodeToken& t)
    {
        switch (t.token) {
        case kNumber:
            stack_.Push(Value::Number(ReadDouble(t.operand)));
            return;
        case kPercent:
            stack_.Push(Value::Number(ReadDouble(t.operand) * 0.01));
            return;
        case kText:
            stack_.Push(Value::Text(reinterpret_cast<const char*>(t.operand)));
            return;
        default:
            break;
        }
        if (IsUnary(t.token)) {
            Value v = stack_.Pop();
            stack_.Push(v.IsError() ? std::move(v) : Unary(t.token, v));
        } else if (IsBinary(t.token)) {
            Value right = stack_.Pop();
            Value left = stack_.Pop();
            if (left.IsError())
                stack_.Push(std::move(left));
            else if (right.IsError())
                stack_.Push(std::move(right));
            else
                stack_.Push(Binary(t.token, left, right));
        } else {
            std::vector<Value> args = stack_.PopArgs(ReadU16(t.operand));
            if (!TakesErrors(t.token))
                for (Value& v : args)
                    if (v.IsError()) {
                        stack_.Push(std::move(v));
                        return;
                    }
            stack_.Push(Function(ranges_, t.token, args));
        }
    }

    const FORMULA_SET& set_;
    const FieldsWithFormulas& withFormulas_;
    RangeCache& ranges_;
    EvalStack stack_;
    bool stop_ = false;
};

} // namespace

FieldsWithFormulas::FieldsWithFormulas(const FORMULA_SET& set)
    : bits_(65536, false)
{
    for (const HBELEMENT* e = set.formulas.First(); e; e = e->pNext)
        bits_[static_cast<const FORMULA*>(e)->nFieldID] = true;
}

Outcome Evaluate(const FORMULA& formula, const FieldsWithFormulas& withFormulas, RangeCache& ranges, Value& result)
{
    if (!formula.HasSoundCode()) {
        result = Value::Error(kMsgCorrupt);
        return Outcome::kDone;
    }
    try {
        Evaluation evaluation(*formula.pSet, withFormulas, ranges);
        return evaluation.Run(reinterpret_cast<const uint8_t*>(formula.pCode), formula.nLength, result);
    } catch (const TextStoreFull&) {
        result = Value::Error(kMsgOutOfMemory);
    } catch (const std::bad_alloc&) {
        result = Value::Error(kMsgOutOfMemory);
    }
    return Outcome::kDone;
}

} // namespace abacine
