// Functions over lists of values and table column ranges.
#include "field_value.h"
#include "functions.h"
#include "host.h"
#include "tokens.h"

#include <cmath>

namespace abacine {
namespace {

struct Tally {
    double sum = 0;
    double squares = 0;
    double max = 0;
    double min = 0;
    bool any = false; // whether max and min hold a value
    long n = 0; // values and cells counted

    void Add(double x)
    {
        sum += x;
        squares += x * x;
        if (!any || x > max)
            max = x;
        if (!any || x < min)
            min = x;
        any = true;
        ++n;
    }
};

// Adds the range's cells; answers an error value when a cell holds one.
bool AddRange(const FORMULA_SET& set, uint32_t range, Tally& tally, Value& error)
{
    return AnyCell(set, range, [&](uint16_t cell) {
        const Value v = FetchField(set, cell);
        if (v.IsError()) {
            error = v;
            return true;
        }
        if (v.type == kNumberValue || v.type == kTextValue)
            tally.Add(AsNumber(v));
        else
            ++tally.n;
        return false;
    });
}

} // namespace

Value ListFunction(const FORMULA_SET& set, uint16_t token, const std::vector<Value>& args)
{
    Tally tally;
    for (std::size_t i = args.size(); i-- > 0;) {
        if (args[i].type != kRangeValue) {
            tally.Add(AsNumber(args[i]));
            continue;
        }
        Value error;
        if (AddRange(set, args[i].range, tally, error))
            return error;
    }
    switch (token) {
    case kSum:
        return Value::Number(tally.sum);
    case kMax:
        return Value::Number(tally.max);
    case kMin:
        return Value::Number(tally.min);
    default:
        break;
    }
    if (tally.n == 0)
        return Value::Error(kDivisionByZero);
    const double n = static_cast<double>(tally.n);
    if (token == kAvg)
        return Value::Number(tally.sum / n);
    const double variance = (n * tally.squares - tally.sum * tally.sum) * (1 / (n * n));
    if (token == kVar)
        return Value::Number(variance);
    if (variance < 0)
        return Value::Error(kOutOfDomain);
    return Value::Number(std::sqrt(variance));
}

} // namespace abacine
