#include "forms/fields/datatypes/date_serial.h"

#include "forms/fields/datatypes/datatype_texts.h"

#include <array>
#include <cmath>

namespace {

constexpr int kMonthDays[2][13] = {
    {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
    {0, 31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
};
constexpr int kCycle = 1461; // days in four years
constexpr double kDayLimit = 65381.0;

struct DateNames {
    std::array<std::string, 13> months;
    std::array<std::string, 13> shortMonths;
    std::array<std::string, 7> weekdays;
    std::array<std::string, 7> shortWeekdays;
};

const DateNames& Names()
{
    static const DateNames names = [] {
        constexpr uint16_t months[] = {210, 243, 244, 245, 246, 247, 261, 249, 250, 251, 252, 253};
        constexpr uint16_t shortMonths[] = {262, 263, 264, 265, 246, 266, 267, 279, 268, 269, 270, 271};
        constexpr uint16_t shortWeekdays[] = {278, 272, 273, 274, 275, 276, 277};
        DateNames n;
        for (int m = 0; m < 12; ++m) {
            n.months[m + 1] = LoadText(months[m]);
            n.shortMonths[m + 1] = LoadText(shortMonths[m]).substr(0, 3);
        }
        for (int d = 0; d < 7; ++d) {
            n.weekdays[d] = LoadText(static_cast<uint16_t>(254 + d));
            n.shortWeekdays[d] = LoadText(shortWeekdays[d]);
        }
        return n;
    }();
    return names;
}

std::string TwoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

} // namespace

int DateToSerial(double day, double month, double year, double& out)
{
    if (!(day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1900 && year <= 3000))
        return 0;
    const int d = static_cast<int>(day);
    const int m = static_cast<int>(month);
    const int y = static_cast<int>(year) - 1900;
    const int cycles = y / 4;
    const int rest = y - 4 * cycles;
    int serial = kCycle * cycles - (y == 0 ? 0 : 1);
    bool leap = false;
    if (rest == 0) {
        leap = y != 0;
    } else {
        serial += 366 + 365 * (rest - 1);
    }
    const int* row = kMonthDays[leap ? 1 : 0];
    for (int k = 1; k < m; ++k)
        serial += row[k];
    if (d > row[m])
        return 0;
    const double result = serial + d + 1;
    if (result >= kDayLimit)
        return 0;
    out = result;
    return 1;
}

int SerialToDate(double v, DATEPARTS& out)
{
    // Below 2 no date is named (0 is the empty date).
    if (!(v >= kFirstDay && v < kDayLimit))
        return 0;
    int n = static_cast<int>(v);
    if (n <= 60)
        n -= 1;
    const int cycles = (n - 1) / kCycle;
    int year = 1900 + 4 * cycles;
    n -= kCycle * cycles;
    bool leap = true;
    while (n > (leap ? 366 : 365)) {
        n -= leap ? 366 : 365;
        leap = false;
        ++year;
    }
    const int* row = kMonthDays[leap ? 1 : 0];
    int month = 1;
    while (month < 12 && row[month] < n) {
        n -= row[month];
        ++month;
    }
    const DateNames& names = Names();
    out.day = n;
    out.month = month;
    out.year = year;
    out.weekday = (static_cast<int>(std::fmod(v, 7.0)) + 6) % 7;
    out.dayText = TwoDigits(n);
    out.monthText = TwoDigits(month);
    out.yearText = std::to_string(year);
    out.shortYearText = out.yearText.substr(2);
    out.monthName = names.months[month];
    out.shortMonthName = names.shortMonths[month];
    out.weekdayName = names.weekdays[out.weekday];
    out.shortWeekdayName = names.shortWeekdays[out.weekday];
    return 1;
}

const std::string& ShortMonthName(int month)
{
    return Names().shortMonths[month >= 1 && month <= 12 ? month : 0];
}
