// Choice, logic and text functions.
#include "functions.h"
#include "messages.h"
#include "tokens.h"

#include <cmath>

namespace abacine {
namespace {

bool IsNumberOrText(const Value& v)
{
    return v.type == kNumberValue || v.type == kTextValue;
}

// A picked value keeps its type; a picked error becomes error 36010.
Value Picked(const Value& v)
{
    return v.IsError() ? Value::Error(kMsgErr) : v;
}

Value Choose(const std::vector<Value>& args)
{
    if (args.size() < 2 || !IsNumberOrText(args[0]))
        return Value::Error(kOutOfDomain);
    const double i = std::trunc(AsNumber(args[0]));
    if (!(i >= 0 && i < static_cast<double>(args.size() - 1)))
        return Value::Error(kOutOfDomain);
    return Picked(args[static_cast<std::size_t>(i) + 1]);
}

Value If(const std::vector<Value>& args)
{
    if (!IsNumberOrText(args[0]))
        return Value::Error(kOutOfDomain);
    return Picked(AsNumber(args[0]) != 0 ? args[1] : args[2]);
}

Value Concatenate(const std::vector<Value>& args)
{
    std::string joined;
    for (const Value& v : args) {
        if (v.type == kTextValue)
            joined += v.text;
        if (joined.size() >= kMaxTextLength)
            break;
    }
    if (joined.size() > kMaxTextLength)
        joined.resize(kMaxTextLength);
    return Value::Text(std::move(joined));
}

} // namespace

Value ChoiceFunction(uint16_t token, const std::vector<Value>& args)
{
    switch (token) {
    case kChoose:
        return Choose(args);
    case kIf:
        return If(args);
    case kIsErr:
        return Value::Number(args[0].IsError() ? 1 : 0);
    case kErr:
        return Value::Error(kMsgErr);
    case kTrue:
        return Value::Number(1);
    case kFalse:
        return Value::Number(0);
    case kConcatenate:
        return Concatenate(args);
    default:
        return Value::Error(kOutOfDomain);
    }
}

} // namespace abacine
