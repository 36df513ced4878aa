// The international settings that field values follow: win.ini [Intl]
// "sShortDate" (the system's day/month order) and "sCurrency".
#pragma once

#include <cstdint>
#include <string>

// Day/month orders.
constexpr uint8_t kOrderNotSet = 0;
constexpr uint8_t kDayFirst = 1;
constexpr uint8_t kMonthFirst = 2;

// The currency symbol, at most 19 characters; "$" when none is set.
std::string CurrencySymbol();
// The system order, read once: month first when the short date picture
// begins with "m" or "M", else day first.
uint8_t SystemDateOrder();
// Makes the next SystemDateOrder read the settings again (after a test
// changed them).
void ForgetIntlSettings();
