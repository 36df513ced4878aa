#include "forms/fields/datatypes/date_text.h"

#include "forms/fields/datatypes/date_serial.h"
#include "forms/fields/datatypes/intl_settings.h"

#include "platform/text/cp1252.h"

#include <array>

namespace {

constexpr char kQuote = '"';
constexpr std::string_view kSeparators = "/-., ";
constexpr size_t kMaxPart = 19;
// Typed two-digit years below this are in the 2000s.
constexpr int kCenturyPivot = 51;

bool IsPictureLetter(char c)
{
    const char lower = static_cast<char>(text::ToLower(static_cast<unsigned char>(c)));
    return lower == 'd' || lower == 'm' || lower == 'h' || lower == 'y';
}

double LeadingNumber(std::string_view part)
{
    double n = 0;
    for (char c : part) {
        if (c < '0' || c > '9')
            break;
        n = n * 10 + (c - '0');
    }
    return n;
}

int MonthNamed(std::string_view part)
{
    if (part.size() < 3)
        return 0;
    for (int m = 1; m <= 12; ++m) {
        if (text::EqualNoCase(part.substr(0, 3), ShortMonthName(m)))
            return m;
    }
    return 0;
}

} // namespace

int FormatDate(double v, std::string_view picture, std::string& out, DATEPICTUREINFO* info)
{
    DATEPICTUREINFO found;
    if (info)
        *info = found;
    DATEPARTS parts;
    const bool valid = v != 0 && SerialToDate(v, parts);
    std::string text;
    // A picture that fails still shows the empty date, as nothing.
    auto fail = [&] {
        if (v != 0)
            return 0;
        out.clear();
        return 1;
    };
    bool day = false;
    bool month = false;
    size_t i = 0;
    while (i < picture.size()) {
        const char c = picture[i];
        if (c == kQuote) {
            const size_t close = picture.find(kQuote, i + 1);
            if (close == std::string_view::npos)
                return fail();
            text += picture.substr(i + 1, close - i - 1);
            i = close + 1;
            continue;
        }
        if (!IsPictureLetter(c)) {
            const size_t start = i;
            while (i < picture.size() && picture[i] != kQuote && !IsPictureLetter(picture[i]))
                ++i;
            text += picture.substr(start, i - start);
            continue;
        }
        const auto letter = static_cast<char>(text::ToLower(static_cast<unsigned char>(c)));
        if (letter == 'h')
            return fail();
        size_t run = 0;
        while (i < picture.size() && text::ToLower(static_cast<unsigned char>(picture[i])) == letter) {
            ++run;
            ++i;
        }
        if (letter == 'd') {
            if (run <= 2 && !day) {
                day = true;
                if (!found.order)
                    found.order = 1;
            }
            text += run == 1 ? std::to_string(parts.day)
                : run == 2   ? parts.dayText
                : run == 3   ? parts.shortWeekdayName
                             : parts.weekdayName;
        } else if (letter == 'm') {
            if (!month) {
                month = true;
                if (!found.order)
                    found.order = 2;
            }
            text += run == 1 ? std::to_string(parts.month)
                : run == 2   ? parts.monthText
                : run == 3   ? parts.shortMonthName
                             : parts.monthName;
        } else {
            found.hasYear = 1;
            text += run <= 2 ? parts.shortYearText : parts.yearText;
        }
    }
    if (!(day && month))
        found.order = 0;
    if (info)
        *info = found;
    if (v == 0) {
        out.clear();
        return 1;
    }
    if (!valid)
        return 0;
    out = std::move(text);
    return 1;
}

int ParseDate(std::string_view text, uint8_t order, double& out)
{
    size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) {
        out = 0;
        return 1;
    }
    std::array<std::string_view, 3> parts;
    for (std::string_view& part : parts) {
        const size_t start = i;
        while (i < text.size() && kSeparators.find(text[i]) == std::string_view::npos)
            ++i;
        part = text.substr(start, i - start);
        if (part.empty() || part.size() > kMaxPart)
            return 0;
        while (i < text.size() && kSeparators.find(text[i]) != std::string_view::npos)
            ++i;
    }
    if (parts[2][0] < '0' || parts[2][0] > '9')
        return 0;
    double year = LeadingNumber(parts[2]);
    if (year < 100)
        year += year < kCenturyPivot ? 2000 : 1900;
    double day;
    double month;
    if (const int named = MonthNamed(parts[0])) {
        month = named;
        day = LeadingNumber(parts[1]);
    } else if (const int named2 = MonthNamed(parts[1])) {
        month = named2;
        day = LeadingNumber(parts[0]);
    } else {
        day = LeadingNumber(parts[order == kMonthFirst ? 1 : 0]);
        month = LeadingNumber(parts[order == kMonthFirst ? 0 : 1]);
        if (month > 12 && day <= 12)
            std::swap(day, month);
    }
    return DateToSerial(day, month, year, out);
}
