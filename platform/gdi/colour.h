// Conversions between COLORREF (0x00BBGGRR) and Qt's colours.
#pragma once

#include "platform/gdi/types.h"

#include <QColor>

namespace gdi {

inline QRgb ToQRgb(COLORREF c)
{
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

inline COLORREF FromQRgb(QRgb c)
{
    return RGB(static_cast<uint8_t>(qRed(c)), static_cast<uint8_t>(qGreen(c)), static_cast<uint8_t>(qBlue(c)));
}

} // namespace gdi
