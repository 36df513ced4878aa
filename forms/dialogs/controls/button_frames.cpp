#include "forms/dialogs/controls/button_frames.h"

#include "platform/gdi/palette.h"

void FrameLine(gdi::DC& dc, gdi::COLORREF colour, std::initializer_list<gdi::POINT> points)
{
    const gdi::Pen old = dc.SelectObject(gdi::Pen::Solid(0, colour));
    auto it = points.begin();
    dc.MoveTo(it->x, it->y);
    for (++it; it != points.end(); ++it)
        dc.LineTo(it->x, it->y);
    dc.SelectObject(old);
}

void DrawSunkenFrame(gdi::DC& dc, const gdi::RECT& c)
{
    const int l = c.left;
    const int t = c.top;
    const int right = c.right - 1;
    const int bottom = c.bottom - 1;
    FrameLine(dc, gdi::GetSysColor(gdi::COLOR_BTNSHADOW), {{l, bottom - 1}, {l, t}, {right, t}});
    FrameLine(dc, 0, {{l + 1, bottom - 2}, {l + 1, t + 1}, {right - 1, t + 1}});
    FrameLine(dc, gdi::GetSysColor(gdi::COLOR_BTNFACE), {{l + 1, bottom - 1}, {right - 1, bottom - 1}, {right - 1, t}});
    FrameLine(dc, gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT), {{l, bottom}, {right, bottom}, {right, t - 1}});
}

void DrawSelectionFrame(gdi::DC& dc, const gdi::RECT& c)
{
    const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::Null());
    const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::Solid(0, gdi::GetSysColor(gdi::COLOR_BTNFACE)));
    dc.Rectangle(c.left + 2, c.top + 2, c.right - 2, c.bottom - 2);
    dc.SelectObject(gdi::Pen::Solid(0, 0));
    dc.Rectangle(c.left + 3, c.top + 3, c.right - 3, c.bottom - 3);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}
