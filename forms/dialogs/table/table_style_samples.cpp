#include "forms/dialogs/table/table_style_samples.h"

#include "forms/dialogs/controls/button_frames.h"
#include "forms/res/program_icons.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog.h"

#include <QPainter>

namespace {

// The picture of a style composed over the button face, as a bitmap of
// the program is shown on a button.
gdi::Bitmap PictureOnFace(uint16_t id)
{
    const QImage picture = ProgramSvgBitmap(id);
    if (picture.isNull())
        return {};
    QImage composed(picture.size(), QImage::Format_RGB32);
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    composed.fill(QColor(gdi::GetRValue(face), gdi::GetGValue(face), gdi::GetBValue(face)));
    QPainter painter(&composed);
    painter.drawImage(0, 0, picture);
    painter.end();
    return gdi::Bitmap::FromImage(composed);
}

} // namespace

void TABLE_STYLE_SAMPLES::Attach(ui::Dialog& owner, int chosen)
{
    dialog = &owner;
    selected = chosen;
    for (size_t i = 0; i < kTableStyles.size(); ++i)
        pictures[i] = PictureOnFace(kTableStyles[i].bitmap);
    for (const TableStyle& style : kTableStyles)
        owner.AttachDrawer(style.control, this);
}

void TABLE_STYLE_SAMPLES::Select(int index)
{
    if (index == selected || index < 0 || index >= static_cast<int>(kTableStyles.size()))
        return;
    selected = index;
    if (dialog)
        for (const TableStyle& style : kTableStyles)
            dialog->RedrawItem(style.control);
}

void TABLE_STYLE_SAMPLES::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    const int index = TableStyleOfControl(static_cast<int>(item.CtlID));
    if (index < 0)
        return;
    gdi::DC& dc = *item.dc;
    const gdi::RECT r = item.rcItem;
    const bool chosen = index == selected;
    const bool pressed = chosen || (item.itemState & ui::ODS_SELECTED);
    const int saved = dc.SaveDC();
    const gdi::Region clip = gdi::Region::Rect(dc.LPtoDP(r));
    dc.SelectClipRgn(&clip);

    dc.FillRect(r, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
    dc.SelectObject(gdi::Pen::Solid(0, 0));
    dc.SelectObject(gdi::Brush::Null());
    dc.Rectangle(r.left, r.top, r.right, r.bottom);
    const gdi::COLORREF highlight = gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT);
    const gdi::COLORREF shadow = gdi::GetSysColor(gdi::COLOR_BTNSHADOW);
    const gdi::COLORREF lit = pressed ? shadow : highlight;
    const gdi::COLORREF dark = pressed ? highlight : shadow;
    FrameLine(dc, lit, {{r.left + 1, r.bottom - 2}, {r.left + 1, r.top + 1}, {r.right - 1, r.top + 1}});
    FrameLine(dc, dark, {{r.right - 2, r.top + 2}, {r.right - 2, r.bottom - 2}, {r.left + 1, r.bottom - 2}});

    const gdi::Bitmap& picture = pictures[static_cast<size_t>(index)];
    const int shift = pressed ? 1 : 0;
    const int x = r.left + (r.Width() - picture.Width()) / 2 + shift;
    const int y = r.top + (r.Height() - picture.Height()) / 2 + shift;
    if (!picture.IsNull())
        dc.BitBlt(x, y, picture.Width(), picture.Height(), picture, 0, 0, gdi::SRCCOPY);

    if (chosen) {
        // The mark: a frame two pixels wide in the highlight colour, clear
        // of the picture by two pixels.
        dc.SelectObject(gdi::Pen::Solid(0, gdi::GetSysColor(gdi::COLOR_HIGHLIGHT)));
        const int right = x + picture.Width();
        const int bottom = y + picture.Height();
        for (const int gap : {3, 4})
            dc.Rectangle(x - gap, y - gap, right + gap, bottom + gap);
    }
    if (item.itemState & ui::ODS_FOCUS)
        dc.DrawFocusRect({r.left + 3, r.top + 3, r.right - 3, r.bottom - 3});
    dc.RestoreDC(saved);
}
