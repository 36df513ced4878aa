#include "forms/model/icon_box.h"

#include "forms/model/dc_map_state.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/palette.h"

namespace {

// The arrows by the narrowest button (device pixels) that takes each: its
// width and how far left of the button's centre it starts.
struct Arrow {
    int fromPixels;
    int width;
    int leftOfCentre;
};
constexpr Arrow kArrows[] = {{26, 11, 6}, {14, 7, 3}, {8, 5, 3}};

const Arrow* ArrowFor(int buttonPixels)
{
    for (const Arrow& arrow : kArrows)
        if (buttonPixels >= arrow.fromPixels)
            return &arrow;
    return nullptr;
}

} // namespace

int IconBoxArrowWidth(int buttonPixels)
{
    const Arrow* arrow = ArrowFor(buttonPixels);
    return arrow ? arrow->width : 0;
}

void DrawIconBox(VIEWDC& dc, const RECT& rect)
{
    if (!dc.dc || dc.deviceKind == kDevicePrinter)
        return;
    gdi::DC& device = *dc.dc;
    const RECT d = device.LPtoDP(rect).Normalized();
    if (d.right - d.left < 2 || d.bottom - d.top < 2)
        return;
    // The frame and the arrow are laid out in whole device pixels.
    DCMAPSTATE map;
    map.Save(dc);
    const auto fill = [&](int32_t left, int32_t top, int32_t right, int32_t bottom, int colour) {
        if (right > left && bottom > top)
            device.FillRect({left, top, right, bottom}, gdi::Brush::Solid(gdi::GetSysColor(colour)));
    };
    fill(d.left, d.top, d.right, d.bottom, gdi::COLOR_BTNFACE);
    fill(d.left, d.top, d.right - 1, d.top + 1, gdi::COLOR_BTNHIGHLIGHT);
    fill(d.left, d.top, d.left + 1, d.bottom - 1, gdi::COLOR_BTNHIGHLIGHT);
    fill(d.left + 1, d.bottom - 2, d.right - 1, d.bottom - 1, gdi::COLOR_BTNSHADOW);
    fill(d.right - 2, d.top + 1, d.right - 1, d.bottom - 1, gdi::COLOR_BTNSHADOW);
    fill(d.left, d.bottom - 1, d.right, d.bottom, gdi::COLOR_BTNTEXT);
    fill(d.right - 1, d.top, d.right, d.bottom, gdi::COLOR_BTNTEXT);

    // The arrow: rows two pixels narrower each, down to one pixel.
    if (const Arrow* arrow = ArrowFor(d.right - d.left)) {
        const int32_t rows = (arrow->width + 1) / 2;
        const int32_t left = (d.left + d.right) / 2 - arrow->leftOfCentre;
        const int32_t top = (d.top + d.bottom) / 2 - rows / 2;
        for (int32_t row = 0; row < rows; ++row)
            fill(left + row, top + row, left + arrow->width - row, top + row + 1, gdi::COLOR_BTNTEXT);
    }
    map.Restore(dc);
}
