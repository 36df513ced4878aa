#include "forms/fields/editor/edithandle.h"

#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"

#include <algorithm>
#include <cstdint>

namespace {

// The far edge of a run from `start`: worked out in 64 bits and held to the
// 32-bit range, whatever the object's coordinates.
int32_t EdgeAt(int32_t start, int32_t length)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t(start) + length, INT32_MIN, INT32_MAX));
}

} // namespace

int EDITHANDLE::DrawText(gdi::DC& dc, const TEXTDRAWREQUEST& request, int16_t* heightOut, const EDITHANDLE* handle)
{
    if (handle && handle->ShowsText())
        return 1;
    const int32_t width = request.width;
    const int32_t height = request.height;
    RICHTEXT rich(request.attr, request.alignment, width, height, request.rotation);
    if (!rich.CreateBuffer(request.text))
        return 0;
    rich.opaque = 0;
    rich.fitHeight = request.lineSpacing;
    int32_t x = request.x;
    int32_t y = request.y;
    if (request.deviceKind == kTextOnWindow) {
        // The text starts on a whole device pixel, so that it lies on the
        // screen as the view's own lines do.
        const RECT device = dc.LPtoDP(RECT {x, y, EdgeAt(x, width), EdgeAt(y, height)});
        const RECT back = dc.DPtoLP(device);
        x = back.left;
        y = back.top;
    }
    const TEXTDRAWINFO info(&dc, {x, y}, request.deviceKind, request.slot, request.printerId, request.zoom,
        {0, 0, width, height}, request.rotation);
    if (heightOut) {
        *heightOut = static_cast<int16_t>(rich.Layout(info, nullptr, false));
        return 1;
    }
    rich.Layout(info, nullptr, true);
    return 1;
}

uint16_t EDITHANDLE::MeasureText(gdi::DC& dc, uint8_t deviceKind, int8_t slot, uint16_t printerId, const TEXTZOOM& zoom,
    std::string_view text, const TEXTATTR& attr, uint8_t alignment, uint16_t lineSpacing, int32_t width, int32_t height)
{
    RICHTEXT rich(attr, alignment, width, height, 0);
    if (!rich.CreateBuffer(text))
        return 0;
    rich.opaque = 0;
    rich.fitHeight = lineSpacing;
    const TEXTDRAWINFO info(&dc, {0, 0}, deviceKind, slot, printerId, zoom, {0, 0, width, height}, 0);
    return static_cast<uint16_t>(rich.Layout(info, nullptr, false));
}
