// Day numbers of dates: 2 is 1 January 1900 and 65380 is 31 December 2078;
// 0 means no date. The month and weekday names come from the string table.
#pragma once

#include <string>

constexpr double kFirstDay = 2.0;
constexpr double kLastDay = 65380.0;

// A date taken apart, with the texts that date pictures show.
struct DATEPARTS {
    int day = 0;
    int month = 0;
    int year = 0;
    int weekday = 0; // 0 Sunday
    std::string dayText; // two digits
    std::string monthText; // two digits
    std::string yearText; // four digits
    std::string shortYearText; // its last two
    std::string monthName;
    std::string shortMonthName; // at most three characters
    std::string weekdayName;
    std::string shortWeekdayName;
};

// 1 and the day number when day, month and year name a date from 1 January
// 1900 to 31 December 2078; else 0.
int DateToSerial(double day, double month, double year, double& out);
// 1 and the date of a day number from 2 to 65380 (fractions dropped);
// else 0.
int SerialToDate(double v, DATEPARTS& out);

// The short month name of month 1 to 12, at most three characters.
const std::string& ShortMonthName(int month);
