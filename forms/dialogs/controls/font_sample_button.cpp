#include "forms/dialogs/controls/font_sample_button.h"

#include "forms/dialogs/appearance/font_rules.h"
#include "forms/model/logical_font.h"
#include "forms/res/program_resources.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/gdi/region.h"
#include "platform/ui/dialog/dialog.h"

#include <algorithm>

namespace {

// String 121, the sample's text.
constexpr uint32_t kSampleString = 121;
constexpr size_t kSampleLength = 8;

} // namespace

void FONT_SAMPLE_BUTTON::Attach(ui::Dialog& owner, int controlId, const TEXTATTR* shown)
{
    dialog = &owner;
    id = controlId;
    format = shown;
    owner.AttachDrawer(controlId, this);
}

void FONT_SAMPLE_BUTTON::Redraw()
{
    if (dialog)
        dialog->RedrawItem(id);
}

void FONT_SAMPLE_BUTTON::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    gdi::DC& dc = *item.dc;
    const gdi::RECT& r = item.rcItem;
    const gdi::COLORREF face = gdi::GetSysColor(gdi::COLOR_BTNFACE);
    dc.FillRect(r, gdi::Brush::Solid(face));
    TEXTATTR attr;
    attr.Reset();
    if (format)
        attr = ShownTextAttr(*format);
    gdi::LOGFONT logfont;
    MakeDeviceFont(dc, attr, logfont, 0);
    logfont.lfStrikeOut = attr.strike == 1;
    logfont.lfUnderline = attr.underline != 0;
    if (text.empty())
        text = ProgramResources().LoadString(kSampleString);
    const std::string shown = text.substr(0, kSampleLength);

    const int saved = dc.SaveDC();
    const gdi::Region clip = gdi::Region::Rect(dc.LPtoDP(r));
    dc.SelectClipRgn(&clip);
    dc.SelectObject(gdi::Font(logfont));
    dc.SetTextColor(attr.colour);
    dc.SetBkColor(face);
    dc.SetBkMode(gdi::TRANSPARENT);
    const gdi::SIZE extent = dc.GetTextExtent(shown);
    const int x = r.left + std::max(0, (r.Width() - extent.cx) / 2);
    const int y = r.top + std::max(0, (r.Height() - extent.cy) / 2);
    dc.TextOut(x, y, shown);
    dc.RestoreDC(saved);
}
