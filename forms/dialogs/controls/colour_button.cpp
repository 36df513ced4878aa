#include "forms/dialogs/controls/colour_button.h"

#include "forms/dialogs/controls/colours.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog.h"

namespace {

constexpr unsigned kWhiteSwatch = 1024;
constexpr unsigned kBlackSwatch = 1025;
constexpr unsigned kOtherSwatch = 1026;
constexpr unsigned kTransparentSample = 1043;

void Line(gdi::DC& dc, gdi::COLORREF colour, std::initializer_list<gdi::POINT> points)
{
    const gdi::Pen old = dc.SelectObject(gdi::Pen::Solid(0, colour));
    auto it = points.begin();
    dc.MoveTo(it->x, it->y);
    for (++it; it != points.end(); ++it)
        dc.LineTo(it->x, it->y);
    dc.SelectObject(old);
}

void Fill(gdi::DC& dc, int left, int top, int right, int bottom, unsigned swatch)
{
    dc.FillRect({left, top, right, bottom}, gdi::Brush::Solid(ColourFromSwatchId(swatch)));
}

} // namespace

void COLOUR_BUTTON::Attach(ui::Dialog& owner, int controlId)
{
    dialog = &owner;
    id = controlId;
    owner.AttachDrawer(controlId, this);
}

void COLOUR_BUTTON::Redraw()
{
    if (dialog)
        dialog->RedrawItem(id);
}

void COLOUR_BUTTON::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    unsigned swatch = item.CtlID;
    if (swatch < kWhiteSwatch || swatch > kTransparentSample)
        return;
    if (swatch == kWhiteSwatch)
        swatch = kLastSwatchId;
    else if (swatch == kBlackSwatch)
        swatch = kFirstSwatchId;
    else if (swatch == kOtherSwatch)
        swatch = kFirstSwatchId + static_cast<unsigned>(GetOtherColourIndex());

    gdi::DC& dc = *item.dc;
    const gdi::RECT& c = item.rcItem;
    const int l = c.left;
    const int t = c.top;
    const int r = c.right - 1;
    const int b = c.bottom - 1;
    if (swatch == kTransparentSample) {
        const int w = (r - l) / 3;
        const int h = (b - t) / 3;
        Fill(dc, l, t, r, b, 1042);
        Fill(dc, l + w + 1, t, r - w + 1, b, 1041);
        Fill(dc, l, t + h + 1, r, b - h + 1, 1038);
        Fill(dc, l + w + 1, t + h + 1, r - w + 1, b - h + 1, 1037);
    } else {
        Fill(dc, l, t, r, b, swatch);
    }

    // The sunken frame: shadow and black on the left and top, button face
    // and white on the right and bottom.
    const int right = c.right - 1;
    const int bottom = c.bottom - 1;
    Line(dc, gdi::GetSysColor(gdi::COLOR_BTNSHADOW), {{l, bottom - 1}, {l, t}, {right, t}});
    Line(dc, 0, {{l + 1, bottom - 2}, {l + 1, t + 1}, {right - 1, t + 1}});
    Line(dc, gdi::GetSysColor(gdi::COLOR_BTNFACE), {{l + 1, bottom - 1}, {right - 1, bottom - 1}, {right - 1, t}});
    Line(dc, gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT), {{l, bottom}, {right, bottom}, {right, t - 1}});

    if (selected) {
        const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::Null());
        const gdi::Pen oldPen = dc.SelectObject(gdi::Pen::Solid(0, gdi::GetSysColor(gdi::COLOR_BTNFACE)));
        dc.Rectangle(l + 2, t + 2, c.right - 2, c.bottom - 2);
        dc.SelectObject(gdi::Pen::Solid(0, 0));
        dc.Rectangle(l + 3, t + 3, c.right - 3, c.bottom - 3);
        dc.SelectObject(oldPen);
        dc.SelectObject(oldBrush);
    }
}
