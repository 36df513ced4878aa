// Financial functions.
#include "functions.h"
#include "tokens.h"

#include <cmath>

namespace abacine {
namespace {

// Periods up to which double-declining depreciation is stepped through; past
// it the geometric decline is computed in closed form.
constexpr double kSteppedPeriods = 100000;

Value Fail()
{
    return Value::Error(kOutOfDomain);
}

Value Cterm(double rate, double fv, double pv)
{
    if (pv == 0 || fv / pv <= 0 || 1 + rate <= 0)
        return Fail();
    if (pv == fv)
        return Value::Number(0);
    const double lnRate = std::log(1 + rate);
    if (lnRate == 0)
        return Fail();
    return Value::Number(std::log(fv / pv) / lnRate);
}

Value Ddb(double cost, double salvage, double life, double period)
{
    if (period < 1 || life < period || salvage < 0 || cost < salvage)
        return Fail();
    const double periods = std::floor(period);
    if (periods <= kSteppedPeriods) {
        double book = cost, remaining = cost - salvage, d = 0;
        for (double i = 0; i < periods; ++i) {
            d = book * 2 / life;
            if (d > remaining)
                d = remaining;
            remaining -= d;
            book -= d;
        }
        return Value::Number(d);
    }
    // Here life > 2: the book value falls by the factor f each period until the
    // period whose depreciation would take it below the salvage value.
    const double f = 1 - 2 / life;
    const double bookBefore = cost * std::pow(f, periods - 1);
    if (bookBefore * f >= salvage)
        return Value::Number(bookBefore * 2 / life);
    const double bookTwoBefore = cost * std::pow(f, periods - 2);
    return Value::Number(bookTwoBefore * f >= salvage ? bookBefore - salvage : 0);
}

Value Fv(double pmt, double rate, double n)
{
    if (rate <= -1)
        return Fail();
    if (rate == 0)
        return Value::Number(pmt * n);
    if (n < 1)
        return Fail();
    return Value::Number(pmt * (std::pow(1 + rate, n) - 1) / rate);
}

Value Pmt(double principal, double rate, double n)
{
    if (rate <= -1 || n <= 0)
        return Fail();
    if (rate == 0)
        return Value::Error(kDivisionByZero);
    return Value::Number(principal * rate / (1 - std::pow(1 + rate, -n)));
}

Value Pv(double pmt, double rate, double n)
{
    if (rate <= -1 || n <= 0)
        return Fail();
    if (rate == 0)
        return Value::Error(kDivisionByZero);
    return Value::Number(pmt * (1 - std::pow(1 + rate, -n)) / rate);
}

Value Rate(double fv, double pv, double n)
{
    if (n <= 0)
        return Fail();
    if (pv == 0)
        return Value::Error(kDivisionByZero);
    return Value::Number(std::pow(fv / pv, 1 / n) - 1);
}

Value Sln(double cost, double salvage, double life)
{
    if (life == 0)
        return Fail();
    return Value::Number((cost - salvage) / life);
}

Value Syd(double cost, double salvage, double life, double period)
{
    if (period < 1 || period > life || salvage < 0 || cost < salvage)
        return Fail();
    return Value::Number((cost - salvage) * (life - period + 1) / (life * (life + 1) / 2));
}

Value Term(double pmt, double rate, double fv)
{
    if (rate == 0 || pmt == 0)
        return Value::Error(kDivisionByZero);
    const double growth = 1 + fv * rate / pmt;
    if (growth <= 0 || 1 + rate <= 0)
        return Fail();
    return Value::Number(std::log(growth) / std::log(1 + rate));
}

} // namespace

Value FinancialFunction(uint16_t token, const std::vector<Value>& args)
{
    auto a = [&](std::size_t i) { return AsNumber(args[i]); };
    switch (token) {
    case kCterm:
        return Cterm(a(0), a(1), a(2));
    case kDdb:
        return Ddb(a(0), a(1), a(2), a(3));
    case kFv:
        return Fv(a(0), a(1), a(2));
    case kPmt:
        return Pmt(a(0), a(1), a(2));
    case kPv:
        return Pv(a(0), a(1), a(2));
    case kRate:
        return Rate(a(0), a(1), a(2));
    case kSln:
        return Sln(a(0), a(1), a(2));
    case kSyd:
        return Syd(a(0), a(1), a(2), a(3));
    case kTerm:
        return Term(a(0), a(1), a(2));
    default:
        return Fail();
    }
}

} // namespace abacine
