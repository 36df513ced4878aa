// Date and time functions over serial day numbers (1 January 1900 is 2).
#include "functions.h"
#include "tokens.h"

#include <cmath>
#include <ctime>

namespace abacine {
namespace {

constexpr int kMonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};
constexpr double kSecondsToDays = 0.000011574074074074073;
constexpr int kFirstSerial = 2;
constexpr int kLastSerial = 65380;

Value Fail()
{
    return Value::Error(kOutOfDomain);
}

double TimeOfDay(double h, double m, double s)
{
    return (h * 3600 + m * 60 + s) * kSecondsToDays;
}

// The serial day of a date; false for a date outside 1900 to 2078.
bool SerialDay(double year, double month, double day, double& serial)
{
    if (!(year >= -1 && year < 100000 && month >= 0 && month < 100 && day >= 0 && day < 100))
        return false;
    long y = static_cast<long>(year);
    const int m = static_cast<int>(month), d = static_cast<int>(day);
    if (y >= 0 && y <= 199)
        y += 1900;
    if (y < 1900 || y > 2078 || m < 1 || m > 12)
        return false;
    const int leap = (y != 1900 && y % 4 == 0) ? 1 : 0;
    if (d < 1 || d > kMonthDays[leap][m])
        return false;
    const long k = y - 1900, q = k / 4, r = k - 4 * q;
    long s = y == 1900 ? 0 : 1461 * q - 1;
    if (r > 0)
        s += 366 + 365 * (r - 1);
    const int row = (r == 0 && y != 1900) ? 1 : 0;
    for (int i = 1; i < m; ++i)
        s += kMonthDays[row][i];
    serial = static_cast<double>(s + d + 1);
    return true;
}

struct Date {
    int year; // counted from 1900
    int month;
    int day;
};

bool SplitSerial(double serial, Date& date)
{
    if (!(serial >= kFirstSerial && serial < kLastSerial + 1))
        return false;
    long n = static_cast<long>(serial);
    if (n < 60)
        --n;
    date.year = static_cast<int>((n - 1) / 1461) * 4;
    n -= (n - 1) / 1461 * 1461;
    bool tookYear = false;
    if (n > 366) {
        n -= 366;
        ++date.year;
        tookYear = true;
        while (n > 365) {
            n -= 365;
            ++date.year;
        }
    }
    const int* lengths = kMonthDays[tookYear ? 0 : 1];
    date.month = 1;
    while (date.month < 12 && n > lengths[date.month])
        n -= lengths[date.month++];
    date.day = static_cast<int>(n);
    return true;
}

// Whole seconds of the fraction of a serial, rounded halves away from zero.
long SecondsOfDay(double serial)
{
    double whole;
    const double seconds = std::modf(serial, &whole) * 86400;
    const double rounded = std::floor(std::fabs(seconds) + 0.5);
    return static_cast<long>(seconds < 0 ? -rounded : rounded);
}

Value Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    double serial;
    if (!SerialDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, serial))
        return Fail();
    return Value::Number(serial + TimeOfDay(local.tm_hour, local.tm_min, local.tm_sec));
}

} // namespace

Value DateFunction(uint16_t token, const std::vector<Value>& args)
{
    auto a = [&](std::size_t i) { return AsNumber(args[i]); };
    switch (token) {
    case kDate: {
        double serial;
        return SerialDay(a(0), a(1), a(2), serial) ? Value::Number(serial) : Fail();
    }
    case kDay:
    case kMonth:
    case kYear: {
        Date date;
        if (!SplitSerial(a(0), date))
            return Fail();
        return Value::Number(token == kDay ? date.day : token == kMonth ? date.month : date.year);
    }
    case kHour:
    case kMinute:
    case kSecond: {
        if (!std::isfinite(a(0)))
            return Fail();
        const long t = SecondsOfDay(a(0));
        const long part = token == kHour ? t / 3600 : token == kMinute ? t % 3600 / 60 : t % 60;
        return Value::Number(static_cast<double>(part));
    }
    case kTime:
        return Value::Number(TimeOfDay(a(0), a(1), a(2)));
    case kNow:
        return Now();
    default:
        return Fail();
    }
}

} // namespace abacine
