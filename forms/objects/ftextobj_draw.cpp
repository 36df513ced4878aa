// Drawing of a text object through the rich-text engine, and the text
// baselines that its drag outline shows.
#include "forms/objects/ftextobj.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/model/default_printer.h"
#include "forms/model/drag_baselines.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/object_view.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"

#include <algorithm>
#include <cstdint>

namespace {

// The length from one edge to the other: worked out in 64 bits and held to
// the 32-bit range, whatever the object's coordinates.
int32_t Span(int32_t from, int32_t to)
{
    return static_cast<int32_t>(std::clamp<int64_t>(int64_t(to) - from, INT32_MIN, INT32_MAX));
}

} // namespace

void FTEXTOBJ::GetTextFormat(TEXTATTR& font, uint8_t& align, uint16_t& spacing)
{
    GetFont(&font);
    GetAlignment(&align);
    GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
}

int FTEXTOBJ::DrawText(VIEWDC& dc, int16_t* heightOut)
{
    if (!dc.dc)
        return 0;
    const RECT area = rect.Normalized().Offset(-dc.originX, -dc.originY);
    TEXTATTR font;
    uint8_t align = kTextAlignLeft;
    uint16_t spacing = kLineSpacingAuto;
    GetTextFormat(font, align, spacing);

    gdi::DC& device = *dc.dc;
    const int saved = device.SaveDC();
    if (dc.deviceKind == kDeviceWindow) {
        gdi::Region clip;
        if (rotation == 0) {
            RECT r;
            GetDeviceRect(r, dc, 0);
            clip = gdi::Region::Rect(r.Normalized());
        } else {
            Outline outline;
            GetRegion(outline, dc, 0, nullptr);
            clip = gdi::Region::Polygon(std::vector<POINT>(outline.pt, outline.pt + 4));
        }
        device.ExtSelectClipRgn(clip, gdi::RGN_AND);
    }
    const TEXTZOOM zoom {dc.zoomX, dc.zoomY, dc.originX, dc.originY};
    const TEXTDRAWREQUEST request {.x = area.left,
        .y = area.top,
        .deviceKind = dc.deviceKind,
        .slot = kLayoutSlot,
        .printerId = kDefaultPrinterId,
        .zoom = zoom,
        .text = txText.View(),
        .attr = font,
        .alignment = align,
        .lineSpacing = spacing,
        .width = Span(area.left, area.right),
        .height = Span(area.top, area.bottom),
        .rotation = rotation};
    const int answer = EDITHANDLE::DrawText(device, request, heightOut, heightOut ? nullptr : pEditor.get());
    device.RestoreDC(saved);
    return answer;
}

void FTEXTOBJ::Draw(VIEWDC& dc)
{
    // While edited, the upright proxy is drawn in the object's place.
    if (pEditProxy) {
        DrawTracker(dc);
        pEditProxy->Draw(dc);
        return;
    }
    RECT bounds;
    GetBoundingRectIn(bounds, dc);
    if (dc.dc && dc.dc->RectVisible(bounds.Offset(-dc.originX, -dc.originY)))
        DrawText(dc, nullptr);
    DrawTracker(dc);
}

void FTEXTOBJ::DrawTrackerRect(const RECT& r, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view)
{
    FORMOBJ::DrawTrackerRect(r, clipWindow, dc, view);
    FONTMETRICSCACHE* cache = GetFontMetricsCache();
    if (!dc || !view || rotation != 0 || !cache)
        return;
    TEXTATTR font;
    GetFont(&font);
    uint16_t spacing = kLineSpacingAuto;
    GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
    gdi::TEXTMETRIC metrics;
    cache->GetFont(kDeviceWindow, kDefaultPrinterId, kLayoutSlot, font, 0, &metrics, nullptr);
    int32_t pitch = metrics.tmAscent + metrics.tmDescent;
    int32_t first = metrics.tmAscent;
    if (spacing != kLineSpacingAuto && spacing > 0) {
        pitch = spacing;
        first = std::max<int32_t>(spacing - metrics.tmDescent, metrics.tmAscent);
    }
    if (pitch <= 0)
        return;

    const RECT area = r.Normalized();
    dc->SaveDC();
    dc->SetMapMode(gdi::MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    dc->SelectObject(TrackerDottedPen());
    InvertDragBaselines(*dc, *view, area, first, pitch, area.bottom);
    dc->RestoreDC(-1);
}
