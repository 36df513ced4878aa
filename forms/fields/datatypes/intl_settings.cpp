#include "forms/fields/datatypes/intl_settings.h"

#include "platform/settings/win_ini.h"

#include <optional>

namespace {

constexpr size_t kMaxCurrency = 19;
constexpr size_t kMaxShortDate = 30;

std::optional<uint8_t> g_order;

} // namespace

std::string CurrencySymbol()
{
    std::string symbol = settings::WinIni().GetString("Intl", "sCurrency", "$");
    if (symbol.size() > kMaxCurrency)
        symbol.resize(kMaxCurrency);
    return symbol;
}

uint8_t SystemDateOrder()
{
    if (!g_order) {
        std::string picture = settings::WinIni().GetString("Intl", "sShortDate", "m/d/yy");
        if (picture.size() > kMaxShortDate)
            picture.resize(kMaxShortDate);
        g_order = (!picture.empty() && (picture[0] == 'm' || picture[0] == 'M')) ? kMonthFirst : kDayFirst;
    }
    return *g_order;
}

void ForgetIntlSettings()
{
    g_order.reset();
}
