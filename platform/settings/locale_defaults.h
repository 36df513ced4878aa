// The system's international settings worked out from a locale, in the form
// win.ini keeps them, for when our win.ini has none.
#pragma once

#include <QLocale>
#include <string>

namespace settings {

// The locale's short date picture in Windows notation ("M/d/yyyy",
// "dd/MM/yyyy"): d and M runs as they are, a year of one or two letters as
// "yy" and of more as "yyyy", quoted text kept.
std::string ShortDatePicture(const QLocale& locale);

// The locale's currency symbol in Windows-1252; its ISO code when the
// symbol has no Windows-1252 form; empty when the locale has neither.
std::string CurrencySymbol(const QLocale& locale);

} // namespace settings
