#include "forms/model/tracker_resources.h"

#include "platform/settings/win_ini.h"

#include <array>

ui::StandardCursor TrackerCursor(int code)
{
    using ui::StandardCursor;
    static constexpr std::array<StandardCursor, 12> cursors {StandardCursor::SizeNWSE, StandardCursor::SizeNESW,
        StandardCursor::SizeNWSE, StandardCursor::SizeNESW, StandardCursor::SizeNS, StandardCursor::SizeWE,
        StandardCursor::SizeNS, StandardCursor::SizeWE, StandardCursor::SizeAll, StandardCursor::DragMove,
        StandardCursor::NotAllowed, StandardCursor::Cross};
    if (code < 0 || code > kCursorCross)
        return StandardCursor::Arrow;
    return cursors[static_cast<size_t>(code)];
}

gdi::Brush TrackerHatchBrush()
{
    static const uint8_t rows[16]
        = {0x11, 0x11, 0x22, 0x22, 0x44, 0x44, 0x88, 0x88, 0x11, 0x11, 0x22, 0x22, 0x44, 0x44, 0x88, 0x88};
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
