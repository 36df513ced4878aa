// The field's drawing: frame, fill and shadow, the drop-down button of a
// list field, the value through its data type, the tracker; and the
// rectangles that reach down over a shown list extent.
#include "forms/objects/ffield.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/model/border.h"
#include "forms/model/dc_map_state.h"
#include "forms/model/default_printer.h"
#include "forms/model/drag_baselines.h"
#include "forms/model/fill_patterns.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/fontface.h"
#include "forms/model/icon_box.h"
#include "forms/model/object_view.h"
#include "forms/model/program_fonts.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"
#include "platform/text/cp1252.h"

#include <algorithm>
#include <vector>

namespace {

// The drop-down button is never wider than this.
constexpr int32_t kDropButtonCap = 240;
// Minimum widths while a field is dragged out, moved or resized, and the
// minimum size restored afterwards.
constexpr int32_t kListFieldMinTrack = 720;
constexpr int32_t kCheckBoxMinTrack = 360;
constexpr int32_t kMinTrack = 90;
// A click this close to a list field's right edge toggles its list extent.
constexpr int32_t kDropButtonZone = 360;
// The handle mask of the bottom-middle handle alone.
constexpr unsigned kBottomHandleOnly = 64;
// The shared pattern that fills the baseline bands.
constexpr int kBaselinePattern = 5;
// The thinnest baseline band.
constexpr int32_t kMinBaseline = 14;
// Where field text is measured: the default printer's widths.
constexpr int8_t kLayoutSlot = 0;
// The font of the drop-down list's rows: Arial, 10 points.
constexpr uint16_t kListFontSize = 200;

gdi::TEXTMETRIC MetricsOf(const TEXTATTR& font)
{
    gdi::TEXTMETRIC metrics {};
    if (FONTMETRICSCACHE* cache = GetFontMetricsCache())
        cache->GetFont(kDeviceWindow, kDefaultPrinterId, kLayoutSlot, font, 0, &metrics, nullptr);
    return metrics;
}

} // namespace

int32_t FFIELD::TrackingMinWidth() const
{
    if (pValues)
        return kListFieldMinTrack;
    if (IsCheckBox())
        return kCheckBoxMinTrack;
    return kMinTrack;
}

TrackNewResult FFIELD::TrackNew(OBJECT_VIEW* view, int32_t x, int32_t y, int allowInvert)
{
    minSize.cx = TrackingMinWidth();
    const TrackNewResult answer = FORMOBJ::TrackNew(view, x, y, allowInvert);
    minSize = {kMinTrack, kMinTrack};
    return answer;
}

void FFIELD::Select(OBJECT_VIEW* view)
{
    if (!pValues) {
        FORMOBJ::Select(view);
        return;
    }
    if (!selected)
        bListShown = false;
    POINT down;
    const bool single = view && view->GetSelectedCount() <= (selected ? 1 : 0);
    if (single && view->GetLastMouseDown(down) && down.x > rect.right - kDropButtonZone && down.x < rect.right) {
        Invalidate(view);
        bListShown = !bListShown;
        Invalidate(view);
    }
    if (!selected)
        FORMOBJ::Select(view);
}

uint16_t FFIELD::Deselect(OBJECT_VIEW* view)
{
    if (pDataType)
        pDataType->CloseControl(view, this);
    const uint16_t answer = FORMOBJ::Deselect(view);
    if (bListShown) {
        bListShown = false;
        if (view)
            Invalidate(view);
    }
    return answer;
}

int FFIELD::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    if (pValues && SetTrackerCursor(view, hitCode, [this](VIEWDC& dc, POINT p) {
            RECT button;
            GetDropButtonRect(button, dc);
            return PointInRect(button, p) ? kCursorMoveBorder : kHitNothing;
        }))
        return 1;
    return FORMOBJ::SetCursor(view, hitCode);
}

unsigned FFIELD::GetHandleMask()
{
    return bListShown ? kBottomHandleOnly : FORMOBJ::GetHandleMask();
}

int FFIELD::Track(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (bListShown && view) {
        // The list's bottom edge: from the field's top to the list's bottom,
        // at least the field and one list row tall.
        const gdi::TEXTMETRIC list = GetDefaultFontMetrics();
        // The handles keep their size: only the dragged rectangle changes.
        const RECT start {rect.left, rect.top, rect.right, rect.bottom + nListHeight};
        trackRect = start;
        minSize = {kMinTrack, rect.bottom - rect.top + list.tmAscent + list.tmDescent};
        int changed = 0;
        if (TrackAt(view, x, y, 0, &start)) {
            const RECT dragged = trackRect.Normalized();
            VIEWDC dc(view, kOwnWindow);
            if (dc.IsSetUp()
                && view->IsValidPlacement(dragged.left - dc.originX, dragged.top - dc.originY,
                    dragged.right - dc.originX, dragged.bottom - dc.originY, this)) {
                SetListBottom(dragged.bottom);
                changed = 1;
            }
        }
        minSize = {kMinTrack, kMinTrack};
        trackRect = rect;
        Invalidate(view);
        view->UpdateWindow();
        return changed;
    }
    minSize.cx = TrackingMinWidth();
    const int answer = FORMOBJ::Track(view, x, y);
    minSize = {kMinTrack, kMinTrack};
    return answer;
}

void FFIELD::DrawTrackerRect(const RECT& r, uintptr_t, gdi::DC* dc, OBJECT_VIEW* view)
{
    if (!dc || !view)
        return;
    const RECT area = r.Normalized();
    // The baselines are laid out as on the field itself, from the top of
    // the dragged rectangle down to its inside's bottom.
    uint16_t first = 0;
    uint16_t step = 0;
    int32_t insideBottom = area.bottom;
    const uint8_t tag = pDataType ? pDataType->GetTypeTag() : 0;
    if (tag != kKindCheckBox && tag != kKindBarcode) {
        VIEWDC own(view, kOwnWindow);
        if (own.IsSetUp()) {
            uint16_t descent = 0;
            GetBaselines(own, first, step, descent);
            RECT inner;
            GetInnerRect(inner, own);
            insideBottom -= rect.bottom - inner.bottom;
        }
    }
    RECT device = area;
    view->ToDeviceRect(device);
    dc->SaveDC();
    dc->SetMapMode(gdi::MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    dc->SetROP2(gdi::R2_NOT);
    dc->SelectObject(TrackerDottedPen());
    dc->SelectObject(gdi::Brush::Null());
    dc->Rectangle(device.left, device.top, device.right, device.bottom);
    InvertDragBaselines(*dc, *view, area, first, step, insideBottom);
    dc->RestoreDC(-1);
    view->ShowPositionInRulers(&area);
}

FORMOBJ* FFIELD::ObjectAt(VIEWDC& dc, int32_t x, int32_t y)
{
    return HitTest(dc, x, y) ? this : nullptr;
}

void FFIELD::GetActiveRect(RECT& out, VIEWDC& dc)
{
    GetOuterRect(out, dc);
    if (bListShown)
        out.bottom = rect.bottom + nListHeight;
}

void FFIELD::GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles)
{
    FORMOBJ::GetUpdateRect(out, dc, withHandles);
    if (bListShown) {
        RECT list = ToDevice(dc, {0, 0, 0, ListHeight()});
        out.bottom += list.bottom - list.top;
    }
}

void FFIELD::GetBoundingRect(RECT& out)
{
    FORMOBJ::GetBoundingRect(out);
    if (bListShown)
        out.bottom += ListHeight();
}

void FFIELD::GetDropButtonRect(RECT& out, VIEWDC& dc)
{
    RECT inner;
    GetInnerRect(inner, dc);
    const int32_t height = inner.bottom - inner.top;
    const int32_t half = (rect.right - rect.left) / 2;
    const int32_t width = std::min({height, kDropButtonCap, half});
    out = {inner.right - width, inner.top, inner.right, inner.bottom};
}

void FFIELD::Draw(VIEWDC& dc)
{
    const bool fieldsOnly = dc.fieldsOnly != 0;
    RECT outer;
    GetOuterRect(outer, dc);
    if (bListShown)
        outer.bottom += ListHeight();
    if (dc.dc && !dc.dc->RectVisible(outer.Offset(-dc.originX, -dc.originY)))
        return;

    const uint8_t tag = pDataType ? pDataType->GetTypeTag() : 0;
    const bool textKind = tag == kKindNumber || tag == kKindDate || tag == kKindText || tag == kKindMemo;
    RECT value;
    if (textKind && !pValues)
        GetTextRect(value, dc);
    else
        GetInnerRect(value, dc);
    // The data types take the rectangle in page twips and allow for the
    // context's origin themselves.

    if (!fieldsOnly && tag != kKindBarcode && tag != kKindCheckBox) {
        BORDER line;
        const bool hasBorder = GetBorder(&line) != 0;
        BASICSHADE fill;
        GetShade(&fill);
        if (dc.deviceKind == kDevicePicture && hasBorder && line.rounding > 0) {
            line.DrawRounded(dc, rect, &fill);
        } else {
            SHADOW drop;
            RECT shadowed;
            GetOuterRect(shadowed, dc);
            const bool hasShadow = GetShadow(&drop) && !drop.IsNone();
            if (hasShadow)
                drop.Draw(dc, shadowed, hasBorder ? line.rounding : 0);
            if (hasBorder)
                line.DrawFor(dc, fill, rect, hasShadow ? &shadowed : nullptr);
            else
                fill.FillRect(dc, shadowed);
        }
        DrawBaselines(dc);
        if (pValues) {
            RECT button;
            GetDropButtonRect(button, dc);
            DrawIconBox(dc, button.Offset(-dc.originX, -dc.originY));
            value.right -= button.right - button.left;
        }
    }

    if (pDataType) {
        TEXTATTR font;
        GetFont(&font);
        uint8_t align = 0;
        GetAlignment(&align);
        const uint16_t spacing = IsTextType() ? nLineSpacing : 0xFFFF;
        pDataType->Draw(dc, value, font, align, spacing, this, dc.outputMode);
    }
    if (!fieldsOnly)
        DrawTracker(dc);
}

gdi::TEXTMETRIC FFIELD::GetDefaultFontMetrics()
{
    TEXTATTR list;
    list.Reset();
    if (const FontFaces* table = GetProgramFonts().GetTable())
        for (int i = 0; const FONTFACE* face = table->GetAt(i); ++i)
            if (text::EqualNoCase(face->GetName(), "Arial")) {
                list.face = static_cast<uint16_t>(i);
                break;
            }
    list.size = kListFontSize;
    return MetricsOf(list);
}

void FFIELD::GetBaselines(VIEWDC& dc, uint16_t& first, uint16_t& step, uint16_t& descent)
{
    RECT inner;
    GetInnerRect(inner, dc);
    TEXTATTR font;
    GetFont(&font);
    const gdi::TEXTMETRIC metrics = MetricsOf(font);
    const int32_t margin = inner.top - rect.top;
    int32_t firstLine = margin + metrics.tmAscent;
    int32_t pitch = metrics.tmAscent + metrics.tmDescent;
    descent = static_cast<uint16_t>(metrics.tmDescent);
    if (bListShown) {
        const gdi::TEXTMETRIC list = GetDefaultFontMetrics();
        firstLine = list.tmAscent;
        pitch = list.tmAscent + list.tmDescent;
    } else if (IsTextType() && nLineSpacing != 0xFFFF) {
        pitch = nLineSpacing;
        if (nLineSpacing - metrics.tmDescent + margin >= firstLine)
            firstLine = nLineSpacing - metrics.tmDescent + margin;
    }
    first = static_cast<uint16_t>(firstLine);
    step = static_cast<uint16_t>(pitch);
}

int FFIELD::DrawBaselines(VIEWDC& dc)
{
    if (!dc.dc || !dc.showBaselines || dc.outputMode != kOutputDesign || dc.deviceKind == kDevicePrinter
        || dc.deviceKind == kDevicePreview)
        return 1;
    const gdi::Brush& brush = SharedFillPatterns().brushes[kBaselinePattern];
    if (brush.style != gdi::BS_PATTERN)
        return 0;
    gdi::DC& device = *dc.dc;
    const int saved = device.SaveDC();
    device.SelectObject(gdi::Pen::Null());
    device.SelectObject(brush);
    TEXTATTR font;
    GetFont(&font);
    device.SetTextColor(font.colour);
    if (pShade)
        device.SetBkColor(pShade->colour2);
    uint16_t first = 0;
    uint16_t step = 0;
    uint16_t descent = 0;
    GetBaselines(dc, first, step, descent);
    RECT inner;
    GetInnerRect(inner, dc);
    inner = inner.Offset(-dc.originX, -dc.originY);
    const RECT pixel = device.DPtoLP(RECT {0, 0, 1, 1}).Normalized();
    const int32_t thickness = std::max(pixel.bottom - pixel.top, kMinBaseline);
    std::vector<RECT> bands;
    for (int64_t y = int64_t {inner.top} + first; step > 0 && y + thickness < inner.bottom; y += step)
        bands.push_back(
            device.LPtoDP(RECT {inner.left, static_cast<int32_t>(y), inner.right, static_cast<int32_t>(y) + thickness})
                .Normalized());
    // The bands are filled in device units.
    DCMAPSTATE map;
    map.Save(dc);
    for (const RECT& band : bands)
        device.PatBlt(band.left, band.top, band.right - band.left, std::max(1, band.bottom - band.top), gdi::PATCOPY);
    map.Restore(dc);
    device.RestoreDC(saved);
    return 1;
}
