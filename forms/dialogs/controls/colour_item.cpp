#include "forms/dialogs/controls/colour_item.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog_font.h"

gdi::LOGFONT ColourItemFont()
{
    return ui::DialogLogFont(8, "MS Sans Serif");
}

void MeasureColourItem(ui::MEASUREITEMSTRUCT& item, std::string_view name)
{
    gdi::ImageSurface surface(1, 1);
    gdi::DC dc(surface);
    dc.SelectObject(gdi::Font(ColourItemFont()));
    const gdi::SIZE size = dc.GetTextExtent(name);
    item.itemWidth = size.cx + 50;
    item.itemHeight = size.cy;
}

void DrawColourItem(ui::DRAWITEMSTRUCT& item, std::string_view name, gdi::COLORREF colour, int textOffset)
{
    gdi::DC& dc = *item.dc;
    const gdi::RECT& r = item.rcItem;
    const bool selected = item.itemState & ui::ODS_SELECTED;
    dc.FillRect(r, gdi::Brush::Solid(gdi::GetSysColor(selected ? gdi::COLOR_HIGHLIGHT : gdi::COLOR_WINDOW)));
    if (item.itemState & ui::ODS_FOCUS)
        dc.DrawFocusRect(r);
    if (item.itemID < 0)
        return;
    const gdi::Font oldFont = dc.SelectObject(gdi::Font(ColourItemFont()));
    const int oldMode = dc.SetBkMode(gdi::TRANSPARENT);
    const gdi::COLORREF oldText
        = dc.SetTextColor(gdi::GetSysColor(selected ? gdi::COLOR_HIGHLIGHTTEXT : gdi::COLOR_WINDOWTEXT));
    dc.TextOut(r.left + 50, r.top + textOffset, name);
    const gdi::Brush oldBrush = dc.SelectObject(gdi::Brush::Solid(colour));
    dc.Rectangle(r.left + 5, r.top + 2, r.left + 45, r.bottom - 2);
    dc.SelectObject(oldBrush);
    dc.SetTextColor(oldText);
    dc.SetBkMode(oldMode);
    dc.SelectObject(oldFont);
}
