#include "forms/fields/editor/draw_icon_box.h"

#include "forms/res/program_icons.h"
#include "platform/gdi/palette.h"

#include <algorithm>

namespace {

constexpr int kIconSize = 32;

struct IconPlace {
    uint32_t id;
    // How far left of the centre the icon's left edge goes.
    int offset;
};

// The last width test that holds picks the icon.
bool PickIcon(int width, IconPlace& place)
{
    if (width > 25)
        place = {kLargeArrowIcon, 6};
    else if (width > 13)
        place = {kMiddleArrowIcon, kIconSize / 2};
    else if (width > 7)
        place = {kSmallArrowIcon, 3};
    else
        return false;
    return true;
}

void Line(gdi::DC& dc, gdi::COLORREF colour, int x1, int y1, int x2, int y2)
{
    dc.SelectObject(gdi::Pen::Solid(0, colour));
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

} // namespace

void DrawIconBox(gdi::DC& dc, int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (dc.IsPrinting())
        return;
    const gdi::RECT box = dc.LPtoDP(gdi::RECT {left, top, right, bottom});
    const int l = std::min(box.left, box.right);
    const int r = std::max(box.left, box.right);
    const int t = std::min(box.top, box.bottom);
    const int b = std::max(box.top, box.bottom);
    if (r <= l || b <= t)
        return;

    // One device pixel is one unit from here on.
    dc.SaveDC();
    dc.SetMapMode(gdi::MM_TEXT);
    dc.SetWindowOrg(0, 0);
    dc.SetViewportOrg(0, 0);
    dc.FillRect({l, t, r, b}, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
    Line(dc, 0, l, b - 1, r, b - 1);
    Line(dc, 0, r - 1, t, r - 1, b - 1);
    const gdi::COLORREF light = gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT);
    Line(dc, light, l, t, r - 1, t);
    Line(dc, light, l, t, l, b - 1);
    const gdi::COLORREF shadow = gdi::GetSysColor(gdi::COLOR_BTNSHADOW);
    Line(dc, shadow, l + 1, b - 2, r - 1, b - 2);
    Line(dc, shadow, r - 2, t + 1, r - 2, b - 2);

    IconPlace place {};
    if (PickIcon(r - l, place)) {
        // The icon over the face colour, copied within the face.
        const gdi::Bitmap icon = ProgramIconBitmap(place.id, kIconSize, gdi::GetSysColor(gdi::COLOR_BTNFACE));
        if (!icon.IsNull()) {
            const int x = (l + r) / 2 - place.offset;
            const int y = (t + b) / 2 - kIconSize / 2;
            const int fromX = std::max(x, l + 1);
            const int fromY = std::max(y, t + 1);
            const int toX = std::min(x + kIconSize, r - 2);
            const int toY = std::min(y + kIconSize, b - 2);
            if (toX > fromX && toY > fromY)
                dc.BitBlt(fromX, fromY, toX - fromX, toY - fromY, icon, fromX - x, fromY - y, gdi::SRCCOPY);
        }
    }
    dc.RestoreDC(-1);
}
