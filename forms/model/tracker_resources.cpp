#include "forms/model/tracker_resources.h"

#include "platform/settings/win_ini.h"

#include <array>

const QCursor& TrackerCursor(int code)
{
    // Made on first use: cursors need the application object.
    static const std::array<QCursor, 13> cursors{
        QCursor(Qt::SizeFDiagCursor), QCursor(Qt::SizeBDiagCursor), QCursor(Qt::SizeFDiagCursor),
        QCursor(Qt::SizeBDiagCursor), QCursor(Qt::SizeVerCursor),   QCursor(Qt::SizeHorCursor),
        QCursor(Qt::SizeVerCursor),   QCursor(Qt::SizeHorCursor),   QCursor(Qt::SizeAllCursor),
        QCursor(Qt::DragMoveCursor),  QCursor(Qt::ForbiddenCursor), QCursor(Qt::CrossCursor),
        QCursor(Qt::ArrowCursor)};
    if (code < 0 || code > kCursorCross)
        return cursors.back();
    return cursors[static_cast<size_t>(code)];
}

gdi::Brush TrackerHatchBrush()
{
    static const uint8_t rows[16] = {0x11, 0x11, 0x22, 0x22, 0x44, 0x44, 0x88, 0x88,
                                      0x11, 0x11, 0x22, 0x22, 0x44, 0x44, 0x88, 0x88};
    return gdi::Brush::Pattern(gdi::Bitmap::FromMonoBits(8, 8, rows, 2));
}

gdi::Pen TrackerDottedPen()
{
    return gdi::Pen::Dotted(0);
}

int TrackerBorderWidth(const settings::WinIni& ini)
{
    return ini.GetInt("windows", "oleinplaceborderwidth", 4);
}

int TrackerBorderWidth()
{
    static const int width = TrackerBorderWidth(settings::WinIni());
    return width;
}
