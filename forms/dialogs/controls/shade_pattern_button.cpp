#include "forms/dialogs/controls/shade_pattern_button.h"

#include "forms/dialogs/appearance/shade_rules.h"
#include "forms/dialogs/controls/button_frames.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog.h"

namespace {

constexpr gdi::COLORREF kWhite = 0xFFFFFF;

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
    const gdi::COLORREF oldText = dc.SetTextColor(shown.colour1);
    const gdi::COLORREF oldBack = dc.SetBkColor(shown.colour2);
    dc.FillRect({c.left, c.top, c.right - 2, c.bottom - 2}, BASICSHADE::GetPatternBrush(shown.pattern));
    dc.SetTextColor(oldText);
    dc.SetBkColor(oldBack);

    DrawSunkenFrame(dc, c);
    if (selected)
        DrawSelectionFrame(dc, c);
}
