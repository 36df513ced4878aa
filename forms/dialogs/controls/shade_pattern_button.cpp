#include "forms/dialogs/controls/shade_pattern_button.h"

#include "forms/dialogs/appearance/shade_rules.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog.h"

namespace {

constexpr gdi::COLORREF kWhite = 0xFFFFFF;

void Line(gdi::DC& dc, gdi::COLORREF colour, std::initializer_list<gdi::POINT> points)
{
    const gdi::Pen old = dc.SelectObject(gdi::Pen::Solid(0, colour));
    auto it = points.begin();
    dc.MoveTo(it->x, it->y);
    for (++it; it != points.end(); ++it)
        dc.LineTo(it->x, it->y);
    dc.SelectObject(old);
}

} // namespace

BASICSHADE ShownPattern(int id, const BASICSHADE& shade)
{
    BASICSHADE shown;
    shown.colour1 = shade.colour1;
    shown.colour2 = shade.colour2;
    if (id >= kFirstPatternButton && id <= kLastPatternButton) {
        shown.SetPattern(PatternValueAt(id - kFirstPatternButton));
    } else {
        shown.SetPattern(shade.pattern);
        if (shade.noFill) {
            shown.colour1 = kWhite;
            shown.colour2 = kWhite;
        }
    }
    return shown;
}

void SHADE_PATTERN_BUTTON::Attach(ui::Dialog& owner, int controlId, const BASICSHADE* shown)
{
    dialog = &owner;
    id = controlId;
    shade = shown;
    owner.AttachDrawer(controlId, this);
}

void SHADE_PATTERN_BUTTON::Redraw()
{
    if (dialog)
        dialog->RedrawItem(id);
}

void SHADE_PATTERN_BUTTON::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    const int control = static_cast<int>(item.CtlID);
    if (!shade || control < kFirstPatternButton || control > kOldShadeSample)
        return;
    const BASICSHADE shown = ShownPattern(control, *shade);
    gdi::DC& dc = *item.dc;
    const gdi::RECT& c = item.rcItem;
    const int l = c.left;
    const int t = c.top;
    const int r = c.right - 1;
    const int b = c.bottom - 1;

    const gdi::COLORREF oldText = dc.SetTextColor(shown.colour1);
    const gdi::COLORREF oldBack = dc.SetBkColor(shown.colour2);
    dc.FillRect({l, t, c.right - 2, c.bottom - 2}, BASICSHADE::GetPatternBrush(shown.pattern));
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBack);

    Line(dc, gdi::GetSysColor(gdi::COLOR_BTNSHADOW), {{l, b - 1}, {l, t}, {r, t}});
    Line(dc, 0, {{l + 1, b - 2}, {l + 1, t + 1}, {r - 1, t + 1}});
    Line(dc, gdi::GetSysColor(gdi::COLOR_BTNFACE), {{l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t}});
    Line(dc, gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT), {{l, b}, {r, b}, {r, t - 1}});

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
