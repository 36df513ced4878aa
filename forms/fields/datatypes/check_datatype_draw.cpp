// The check box's geometry and drawing: its box with the field's border,
// fill and shadow, the mark, the caption and the focus outline.
#include "forms/fields/datatypes/check_datatype.h"

#include "forms/fields/datatypes/value_draw.h"
#include "forms/model/border.h"
#include "forms/model/dc_map_state.h"
#include "forms/model/default_printer.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/formobj.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"

#include <algorithm>

namespace {

constexpr int8_t kLayoutSlot = 0;
// The mark's pen: 20 x 10000 / 14142 twips, rounded.
constexpr int32_t kMarkPenTwips = 14;
// A tick on a box wider than this is drawn a second time a pixel lower.
constexpr int32_t kDoubleTickWidth = 15;
constexpr uint8_t kAlignmentOwnCaption = 4;
constexpr uint32_t kCaptionEditGrey = 0xC0C0C0;

} // namespace

RECT CHECK_DATATYPE::GetBoxRect(VIEWDC& dc, FORMOBJ& field, const TEXTATTR& attr)
{
    RECT r;
    field.GetRect(r);
    gdi::TEXTMETRIC metrics {};
    if (FONTMETRICSCACHE* cache = GetFontMetricsCache())
        cache->GetFont(kDeviceWindow, kDefaultPrinterId, kLayoutSlot, attr, 0, &metrics, nullptr);
    const int32_t side = std::min<int32_t>(metrics.tmAscent * 8 / 10, r.bottom - r.top);
    const int32_t bottom = std::min<int32_t>(r.top + metrics.tmAscent + metrics.tmDescent / 2, r.bottom);
    const int32_t left = nTextPos ? r.right - kCheckBoxInset - side : r.left + kCheckBoxInset;
    RECT box {left, bottom - side, left + side, bottom};
    if (field.GetType() == kTypeCell) {
        // In a table cell the box stands in the middle of the cell.
        const int32_t x = r.left + (r.right - r.left - side) / 2;
        const int32_t y = r.top + (r.bottom - r.top - side) / 2;
        box = RECT {x, y, x + side, y + side};
    }
    if (dc.dc && dc.deviceKind != kDevicePicture) {
        // Exact in device pixels: the smaller of its device width and height.
        RECT device = dc.dc->LPtoDP(box.Offset(-dc.originX, -dc.originY)).Normalized();
        const int32_t pixels = std::min(device.right - device.left, device.bottom - device.top);
        device.right = device.left + pixels;
        device.top = device.bottom - pixels;
        box = dc.dc->DPtoLP(device).Normalized().Offset(dc.originX, dc.originY);
    }
    return box;
}

RECT CHECK_DATATYPE::GetTextRect(VIEWDC& dc, FORMOBJ& field, const TEXTATTR& attr)
{
    RECT r;
    field.GetRect(r);
    const RECT box = GetBoxRect(dc, field, attr);
    if (nTextPos)
        r.right = box.left - kCheckBoxInset;
    else
        r.left = box.right + kCheckBoxInset;
    return r;
}

void CHECK_DATATYPE::DrawMark(VIEWDC& dc, const RECT& inner, uint32_t colour)
{
    gdi::DC& device = *dc.dc;
    RECT d = device.LPtoDP(inner.Offset(-dc.originX, -dc.originY)).Normalized();
    const RECT pen = device.LPtoDP(RECT {0, 0, 0, kMarkPenTwips}).Normalized();
    int32_t width = pen.bottom - pen.top;
    if (width < 2)
        width = 1;
    if (nStyle == kCheckTick)
        d = d.Inflated(-width, -width);
    if (d.right - d.left <= 1 || d.bottom - d.top <= 1)
        return;
    DCMAPSTATE map;
    map.Save(dc);
    const int saved = device.SaveDC();
    switch (nStyle) {
    case kCheckCross:
        device.SelectObject(gdi::Pen::Solid(width, 0));
        device.MoveTo(d.left, d.top);
        device.LineTo(d.right, d.bottom);
        device.MoveTo(d.left, d.bottom - 1);
        device.LineTo(d.right, d.top - 1);
        break;
    case kCheckTick: {
        device.SelectObject(gdi::Pen::Solid(width, 0));
        const int32_t x0 = d.left + (d.right - d.left) / 4;
        const int32_t y0 = d.bottom - (d.bottom - d.top) / 4;
        const int passes = d.right - d.left > kDoubleTickWidth ? 2 : 1;
        for (int pass = 0; pass < passes; ++pass) {
            device.MoveTo(x0, y0 + pass);
            device.LineTo(d.right, y0 + pass - (d.right - x0));
            device.MoveTo(x0, y0 + pass);
            device.LineTo(d.left, y0 + pass - (x0 - d.left));
        }
        break;
    }
    case kCheckRound: {
        device.SelectObject(gdi::Pen::Null());
        device.SelectObject(gdi::Brush::Solid(colour));
        const int32_t w = d.right - d.left;
        const int32_t h = d.bottom - d.top;
        RECT dot {d.left + w / 4, d.top + h / 4, d.right - w / 4, d.bottom - h / 4};
        if (dot.bottom - dot.top != dot.right - dot.left)
            dot.bottom = dot.top + (dot.right - dot.left);
        device.Ellipse(dot.left, dot.top, dot.right, dot.bottom);
        break;
    }
    default:
        break;
    }
    device.RestoreDC(saved);
    map.Restore(dc);
}

void CHECK_DATATYPE::DrawBoxBackground(VIEWDC& dc, const RECT& box, FORMOBJ& field, const BORDER& line, bool hasBorder)
{
    BASICSHADE fill;
    field.GetShade(&fill);
    SHADOW drop;
    RECT outer = box;
    if (hasBorder)
        line.GetOuterRect(dc, outer);
    if (field.GetShadow(&drop) && !drop.IsNone()) {
        if (nStyle == kCheckRound)
            drop.DrawEllipse(dc, outer);
        else
            drop.Draw(dc, outer, 0);
    }
    if (nStyle == kCheckRound) {
        fill.FillEllipse(dc, dc.dc->LPtoDP(box.Offset(-dc.originX, -dc.originY)).Normalized());
        if (hasBorder)
            line.Draw(dc, box, kTypeEllipse);
    } else if (hasBorder) {
        line.DrawFor(dc, fill, box, nullptr);
    } else {
        fill.FillRect(dc, box);
    }
}

int CHECK_DATATYPE::Draw(
    VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t, FORMOBJ* field, uint16_t outputMode)
{
    if (!field || !dc.dc)
        return 1;
    if (outputMode == kOutputFill && pEditHandle) {
        // The caption editor paints itself over a light grey field.
        dc.dc->FillRect(rect.Offset(-dc.originX, -dc.originY), gdi::Brush::Solid(kCaptionEditGrey));
        return 1;
    }
    const RECT box = GetBoxRect(dc, *field, attr);
    const bool inCell = field->GetType() == kTypeCell;

    BORDER line;
    const bool hasBorder = !inCell && field->GetBorder(&line) != 0;
    if (inCell) {
        // A cell has no border of its own: only a round box gets a ring,
        // of the default border.
        if (nStyle == kCheckRound)
            BORDER().Draw(dc, box, kTypeEllipse);
    } else {
        DrawBoxBackground(dc, box, *field, line, hasBorder);
    }
    // The design view shows the mark whatever the value, except on paper.
    const bool showMark = (outputMode == kOutputDesign && dc.deviceKind != kDevicePrinter) || nChecked != 0;
    if (dc.deviceKind != kDevicePicture && showMark) {
        RECT inner = box;
        if (inCell && nStyle == kCheckRound)
            BORDER().GetInnerRect(dc, inner);
        else if (hasBorder)
            line.GetInnerRect(dc, inner);
        // A cell's round mark is black.
        DrawMark(dc, inner, hasBorder ? line.colour : 0);
    }

    if (!strCaption.empty())
        DrawValueText(dc, GetTextRect(dc, *field, attr), strCaption, attr,
            alignment == kAlignmentOwnCaption ? 0 : alignment, 0xFFFF);

    const bool outlineShown = dc.deviceKind != kDevicePrinter && dc.deviceKind != kDevicePreview
        && (outputMode != kOutputDesign || dc.checkBoxOutlines != 0) && !(inCell && outputMode == kOutputDesign);
    // In the fill view the outline marks the box that has the focus.
    const bool focusOrNotFilling = outputMode != kOutputFill || pControl != nullptr;
    if (outlineShown && field->GetSelected() == 0 && field->GetMemberSelected() == 0 && focusOrNotFilling) {
        if (inCell && outputMode == kOutputFill) {
            // A cell with the focus shows its tracker for the moment.
            field->SetSelectFlag(1);
            field->DrawTracker(dc);
            field->SetSelectFlag(0);
            return 1;
        }
        RECT r;
        field->GetRect(r);
        r = r.Offset(-dc.originX, -dc.originY);
        gdi::DC& device = *dc.dc;
        const int saved = device.SaveDC();
        device.SelectObject(gdi::Pen::Dotted(0));
        device.SelectObject(gdi::Brush::Null());
        device.Rectangle(r.left, r.top, r.right, r.bottom);
        device.RestoreDC(saved);
    }
    return 1;
}
