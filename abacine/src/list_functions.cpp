// Functions over lists of values and table column ranges.
#include "functions.h"
#include "range_cache.h"
#include "tally.h"
#include "tokens.h"

#include <cmath>

namespace abacine {

Value ListFunction(RangeCache& ranges, uint16_t token, const std::vector<Value>& args)
{
    Tally tally;
    for (std::size_t i = args.size(); i-- > 0;) {
        if (args[i].type != kRangeValue) {
            tally.Add(AsNumber(args[i]));
            continue;
        }
        Value error;
        if (ranges.AddCells(args[i].range, tally, error))
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
