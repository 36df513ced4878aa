#include "forms/app/views/date_time_text.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/date_serial.h"
#include "forms/fields/datatypes/date_text.h"
#include "forms/fields/datatypes/intl_settings.h"

#include <cstdio>

std::string DateTimeText(const ui::LocalTime& now, uint8_t kind, uint8_t order)
{
    double day = 0;
    if (!DateToSerial(now.day, now.month, now.year, day))
        return {};
    std::string text;
    FormatDate(day, order == kMonthFirst ? "mm/dd/yy" : "dd/mm/yy", text);
    if (kind != kKindDate) {
        char time[16];
        std::snprintf(time, sizeof time, " %02d:%02d:%02d", now.hour, now.minute, now.second);
        text += time;
    }
    return text;
}
