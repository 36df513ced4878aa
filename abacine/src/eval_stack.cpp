// The evaluator's stack and its text budget.
#include "eval_stack.h"

#include <cstdlib>

namespace abacine {

double AsNumber(const Value& v)
{
    if (v.type == kNumberValue)
        return v.number;
    if (v.type == kTextValue)
        return std::atof(v.text.c_str());
    return 0;
}

void EvalStack::Push(Value v)
{
    if (v.type == kTextValue) {
        if (v.text.size() > kMaxTextLength)
            v.text.resize(kMaxTextLength);
        const std::size_t bytes = v.text.size() + 1;
        if (textBytes_ + bytes > kTextStoreSize)
            throw TextStoreFull();
        textBytes_ += bytes;
    }
    items_.push_back(std::move(v));
}

Value EvalStack::Pop()
{
    Value v = std::move(items_.back());
    items_.pop_back();
    if (v.type == kTextValue)
        textBytes_ -= v.text.size() + 1;
    return v;
}

std::vector<Value> EvalStack::PopArgs(std::size_t count)
{
    std::vector<Value> args(count);
    for (std::size_t i = count; i-- > 0;)
        args[i] = Pop();
    return args;
}

} // namespace abacine
