#include "forms/dialogs/controls/icon_button.h"

#include "forms/dialogs/controls/button_frames.h"
#include "forms/res/program_icons.h"

#include "platform/gdi/bitmap.h"
#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int kIconSize = 32;

// The icon over the button face, as the platform draws an icon there.
void DrawIcon(gdi::DC& dc, int x, int y, uint16_t id)
{
    const QImage icon = ProgramIcon(id, kIconSize);
    if (icon.isNull())
        return;
    QImage composed(kIconSize, kIconSize, QImage::Format_RGB32);
    composed.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&composed);
    painter.drawImage(0, 0, icon);
    painter.end();
    dc.BitBlt(x, y, kIconSize, kIconSize, gdi::Bitmap::FromImage(composed), 0, 0, gdi::SRCCOPY);
}

} // namespace

void ICON_BUTTON::Attach(ui::Dialog& owner, int controlId)
{
    dialog = &owner;
    id = controlId;
    font = ui::DialogLogFont(owner.Definition().fontPoints, owner.Definition().fontFace);
    owner.AttachDrawer(controlId, this);
}

void ICON_BUTTON::Redraw()
{
    if (dialog)
        dialog->RedrawItem(id);
}

void ICON_BUTTON::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    gdi::DC& dc = *item.dc;
    const gdi::RECT r = item.rcItem;
    const bool disabled = item.itemState & ui::ODS_DISABLED;
    const uint16_t shown = disabled && disabledIcon ? disabledIcon : icon;
    const int saved = dc.SaveDC();
    const gdi::Region clip = gdi::Region::Rect(dc.LPtoDP(r));
    dc.SelectClipRgn(&clip);

    dc.FillRect(r, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
    dc.SelectObject(gdi::Pen::Solid(0, 0));
    dc.SelectObject(gdi::Brush::Null());
    dc.Rectangle(r.left, r.top, r.right - 1, r.bottom - 1);

    const gdi::COLORREF highlight = gdi::GetSysColor(gdi::COLOR_BTNHIGHLIGHT);
    const gdi::COLORREF shadow = gdi::GetSysColor(gdi::COLOR_BTNSHADOW);
    const bool pressed = (item.itemState & ui::ODS_SELECTED) || latched;
    if (!pressed) {
        FrameLine(dc, highlight, {{r.left + 1, r.bottom - 2}, {r.left + 1, r.top + 1}, {r.right - 1, r.top + 1}});
        FrameLine(dc, shadow, {{r.right - 2, r.top + 1}, {r.right - 2, r.bottom - 2}, {r.left, r.bottom - 2}});
    } else {
        FrameLine(dc, highlight, {{r.right - 1, r.top + 1}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}});
        FrameLine(dc, shadow, {{r.left + 1, r.bottom - 2}, {r.left + 1, r.top + 1}, {r.right - 1, r.top + 1}});
    }

    int x = r.left + 1;
    int y = r.top + 1;
    if (centreIcon) {
        y += (r.Height() / 2 - 16) - 1;
        if (caption.empty())
            x += (r.Width() / 2 - 16) - 1;
    }
    if (pressed) {
        ++x;
        ++y;
    }
    DrawIcon(dc, x, y, shown);

    if (item.itemState & ui::ODS_FOCUS) {
        const int mode = dc.SetBkMode(gdi::TRANSPARENT);
        dc.SelectObject(gdi::Pen::Dotted(0));
        dc.Rectangle(r.left + 3, r.top + 3, r.right - 3, r.bottom - 3);
        dc.SetBkMode(mode);
    }

    if (!caption.empty() && r.left + 32 < r.right) {
        dc.SelectObject(gdi::Font(font));
        const unsigned format = gdi::DT_CENTER | gdi::DT_WORDBREAK | gdi::DT_NOPREFIX;
        gdi::RECT measure {r.left + 32, r.top, r.right, r.bottom};
        const int height = dc.DrawText(caption, measure, format | gdi::DT_CALCRECT);
        const int offset = std::max(0, ((r.bottom - height) - r.top) / 2);
        gdi::RECT text {r.left + 32, r.top + offset, r.right, r.bottom};
        dc.SetBkMode(gdi::TRANSPARENT);
        if (!disabled || !disabledIcon) {
            if (pressed)
                text = text.Offset(1, 1);
            dc.SetTextColor(textColour);
            dc.DrawText(caption, text, format);
        } else {
            gdi::RECT raised = text.Offset(1, 1);
            dc.SetTextColor(highlight);
            dc.DrawText(caption, raised, format);
            dc.SetTextColor(shadow);
            dc.DrawText(caption, text, format);
        }
    }
    dc.RestoreDC(saved);
}
