#include "forms/dialogs/controls/colour_button.h"

#include "forms/dialogs/controls/button_frames.h"
#include "forms/dialogs/controls/colours.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog.h"

namespace {

constexpr unsigned kWhiteSwatch = 1024;
constexpr unsigned kBlackSwatch = 1025;
constexpr unsigned kOtherSwatch = 1026;
constexpr unsigned kTransparentSample = 1043;

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

    DrawSunkenFrame(dc, c);
    if (selected)
        DrawSelectionFrame(dc, c);
}
