// Mathematical functions.
#include "functions.h"
#include "tokens.h"

#include <bit>
#include <cmath>
#include <cstdlib>

namespace abacine {
namespace {

double Arg(const std::vector<Value>& args, std::size_t i)
{
    return AsNumber(args[i]);
}

// Halves away from zero, to places between -15 and 15.
Value Round(double x, double places)
{
    if (!(places >= -15 && places <= 15))
        return Value::Error(kOutOfDomain);
    const double scale = std::pow(10.0, places);
    const double m = std::fabs(x) * scale;
    double whole = std::floor(m);
    if (m - whole >= 0.5)
        whole += 1;
    const double r = whole * std::pow(10.0, -places);
    return Value::Number(x < 0 ? -r : r);
}

// Fifteen draws, each adding a digit from 0 to 10 and shifting right.
double Random()
{
    double value = 0;
    for (int i = 0; i < 15; ++i) {
        const int r = std::rand() % 32768;
        value = (r / 3276 + value) * 0.1;
    }
    return value;
}

} // namespace

double EnginePi()
{
    return std::bit_cast<double>(0x400921FB54442D1AULL);
}

Value MathFunction(uint16_t token, const std::vector<Value>& args)
{
    switch (token) {
    case kAbs:
        return Value::Number(std::fabs(Arg(args, 0)));
    case kAcos:
    case kAsin: {
        const double x = Arg(args, 0);
        if (x < -1 || x > 1)
            return Value::Error(kOutOfDomain);
        return Value::Number(token == kAcos ? std::acos(x) : std::asin(x));
    }
    case kAtan:
        return Value::Number(std::atan(Arg(args, 0)));
    case kAtan2: {
        const double x = Arg(args, 0), y = Arg(args, 1);
        if (x == 0 && y == 0)
            return Value::Error(kOutOfDomain);
        return Value::Number(std::atan2(y, x));
    }
    case kCos:
        return Value::Number(std::cos(Arg(args, 0)));
    case kSin:
        return Value::Number(std::sin(Arg(args, 0)));
    case kTan:
        return Value::Number(std::tan(Arg(args, 0)));
    case kExp:
        return Value::Number(std::exp(Arg(args, 0)));
    case kInt:
        return Value::Number(std::floor(Arg(args, 0)));
    case kLn:
    case kLog: {
        const double x = Arg(args, 0);
        if (!(x > 0))
            return Value::Error(kOutOfDomain);
        return Value::Number(token == kLn ? std::log(x) : std::log10(x));
    }
    case kMod: {
        const double x = Arg(args, 0), y = Arg(args, 1);
        if (y == 0)
            return Value::Error(kDivisionByZero);
        return Value::Number(x - y * std::trunc(x / y));
    }
    case kPi:
        return Value::Number(EnginePi());
    case kRand:
        return Value::Number(Random());
    case kRound:
        return Round(Arg(args, 0), Arg(args, 1));
    case kSqrt: {
        const double x = Arg(args, 0);
        if (x < 0)
            return Value::Error(kOutOfDomain);
        return Value::Number(std::sqrt(x));
    }
    case kDegrees:
        return Value::Number(Arg(args, 0) * 180 / EnginePi());
    case kRadians:
        return Value::Number(Arg(args, 0) * EnginePi() * 0.005555555555555556);
    default:
        return Value::Error(kOutOfDomain);
    }
}

} // namespace abacine
