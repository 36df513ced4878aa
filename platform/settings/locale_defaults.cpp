#include "platform/settings/locale_defaults.h"

#include "platform/text/cp1252.h"

namespace settings {

std::string ShortDatePicture(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return {};
    const std::string qt = text::FromQString(locale.dateFormat(QLocale::ShortFormat));
    std::string picture;
    for (size_t i = 0; i < qt.size();) {
        if (qt[i] == '\'') {
            const size_t close = qt.find('\'', i + 1);
            const size_t end = close == std::string::npos ? qt.size() : close + 1;
            picture.append(qt, i, end - i);
            i = end;
            continue;
        }
        if (qt[i] == 'y') {
            size_t run = 0;
            while (i + run < qt.size() && qt[i + run] == 'y')
                ++run;
            picture += run <= 2 ? "yy" : "yyyy";
            i += run;
            continue;
        }
        picture += qt[i++];
    }
    return picture;
}

std::string CurrencySymbol(const QLocale& locale)
{
    if (locale.language() == QLocale::C)
        return {};
    const QString symbol = locale.currencySymbol(QLocale::CurrencySymbol);
    const std::string converted = text::FromQString(symbol, '\0');
    if (!symbol.isEmpty() && converted.find('\0') == std::string::npos)
        return converted;
    return text::FromQString(locale.currencySymbol(QLocale::CurrencyIsoCode));
}

} // namespace settings
