// The text Insert > Date / Time types: shared by the fill view, which types
// it into a field, and the design view, which types it into a text object.
#pragma once

#include "platform/ui/clock.h"

#include <cstdint>
#include <string>

// What Date/Time types for a local time: the date through "dd/mm/yy" (day
// first) or "mm/dd/yy" (month first), and for any kind but a date the time
// after one blank as "HH:MM:SS". Empty when the date has no day number.
std::string DateTimeText(const ui::LocalTime& now, uint8_t kind, uint8_t order);
