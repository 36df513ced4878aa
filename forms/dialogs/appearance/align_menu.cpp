#include "forms/dialogs/appearance/align_menu.h"

#include "forms/dialogs/controls/colour_item.h"
#include "forms/res/program_icons.h"
#include "forms/res/program_resources.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"

#include <QPainter>

namespace {

const AlignMenuItem* ItemOf(uintptr_t data)
{
    return data < kAlignMenuItems.size() ? &kAlignMenuItems[data] : nullptr;
}

} // namespace

ALIGN_MENU::ALIGN_MENU()
{
    for (size_t i = 0; i < kAlignMenuItems.size(); ++i)
        menu.AppendOwnerDrawItem(kAlignMenuItems[i].command, i);
    menu.SetDrawer(this);
}

void ALIGN_MENU::MeasureItem(ui::MEASUREITEMSTRUCT& item)
{
    const AlignMenuItem* entry = ItemOf(item.itemData);
    if (!entry)
        return;
    const QImage picture = ProgramSvgBitmap(entry->bitmap);
    item.itemWidth = picture.width() + 40;
    item.itemHeight = picture.height() + 4;
}

void ALIGN_MENU::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    const AlignMenuItem* entry = ItemOf(item.itemData);
    if (!entry)
        return;
    gdi::DC& dc = *item.dc;
    const gdi::RECT& r = item.rcItem;
    const bool selected = item.itemState & ui::ODS_SELECTED;
    dc.FillRect(r, gdi::Brush::Solid(gdi::GetSysColor(selected ? gdi::COLOR_HIGHLIGHT : gdi::COLOR_WINDOW)));
    if (item.itemState & ui::ODS_FOCUS)
        dc.DrawFocusRect(r);
    QImage picture = ProgramSvgBitmap(entry->bitmap);
    if (!picture.isNull()) {
        QImage opaque(picture.size(), QImage::Format_RGB32);
        opaque.fill(Qt::white);
        QPainter(&opaque).drawImage(0, 0, picture);
        dc.BitBlt(
            r.left + 2, r.top + 2, opaque.width(), opaque.height(), gdi::Bitmap::FromImage(opaque), 0, 0, gdi::SRCCOPY);
    }
    dc.SelectObject(gdi::Font(ColourItemFont()));
    dc.SetTextColor(selected ? gdi::GetSysColor(gdi::COLOR_HIGHLIGHTTEXT) : 0);
    dc.SetBkMode(gdi::TRANSPARENT);
    dc.TextOut(r.left + picture.width() + 5, r.top, ProgramResources().LoadString(entry->text));
}

int AlignmentOfCommand(unsigned command)
{
    for (const AlignMenuItem& item : kAlignMenuItems)
        if (item.command == command)
            return item.alignment;
    return -1;
}
