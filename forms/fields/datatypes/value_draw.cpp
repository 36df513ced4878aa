#include "forms/fields/datatypes/value_draw.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/model/default_printer.h"
#include "forms/model/viewdc.h"

namespace {

// Values are laid out by the default printer's character widths.
constexpr int8_t kLayoutSlot = 0;

} // namespace

int DrawValueText(
    VIEWDC& dc, const RECT& rect, std::string_view text, const TEXTATTR& attr, uint8_t alignment, uint16_t lineSpacing)
{
    if (!dc.dc)
        return 0;
    const RECT area = rect.Normalized().Offset(-dc.originX, -dc.originY);
    gdi::DC& device = *dc.dc;
    const int saved = device.SaveDC();
    // Nothing of the value leaves its rectangle, on paper as on the screen:
    // the first line is drawn even when the rectangle is lower than it.
    // (A picture takes no clipping; there the layout's stop alone holds.)
    device.ExtSelectClipRgn(gdi::Region::Rect(device.LPtoDP(area).Normalized()), gdi::RGN_AND);
    const TEXTZOOM zoom {dc.zoomX, dc.zoomY, dc.originX, dc.originY};
    const TEXTDRAWREQUEST request {.x = area.left,
        .y = area.top,
        .deviceKind = dc.deviceKind,
        .slot = kLayoutSlot,
        .printerId = kDefaultPrinterId,
        .zoom = zoom,
        .text = text,
        .attr = attr,
        .alignment = alignment,
        .lineSpacing = lineSpacing,
        .width = area.right - area.left,
        .height = area.bottom - area.top};
    const int answer = EDITHANDLE::DrawText(device, request);
    device.RestoreDC(saved);
    return answer;
}
