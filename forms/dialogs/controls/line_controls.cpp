#include "forms/dialogs/controls/line_controls.h"

#include "forms/dialogs/appearance/line_rules.h"
#include "forms/dialogs/controls/button_frames.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/muldiv.h"
#include "platform/gdi/palette.h"
#include "platform/ui/dialog/dialog.h"

#include <QWidget>

#include <algorithm>

namespace {

// The screen's pixels per inch.
constexpr int kScreenDpi = 96;
constexpr uint16_t kStyleSampleWidth = 14;

} // namespace

void DrawLineSample(gdi::DC& dc, const BORDER& border, const gdi::RECT& rect)
{
    if (border.lineType == kLineNone)
        return;
    const int inset = rect.Width() / 6;
    const int left = rect.left + inset;
    const int right = rect.right - inset;
    const int w = std::max(1, gdi::MulDiv(border.width, kScreenDpi, 1440));
    VIEWDC view;
    view.dc = &dc;
    const int middle = (rect.top + rect.bottom) / 2;
    if (border.lineType == kLineDouble && w >= 3) {
        const int stroke = (w - 1) / 2;
        const int top = middle - (2 * stroke + 1) / 2;
        border.FillLine(view, {left, top, right, top + stroke});
        border.FillLine(view, {left, top + stroke + 1, right, top + 2 * stroke + 1});
    } else {
        const int top = middle - w / 2;
        border.FillLine(view, {left, top, right, top + w});
    }
}

void LINE_STYLE_LIST::Attach(ui::Dialog& owner, int controlId)
{
    dialog = &owner;
    id = controlId;
    owner.AttachDrawer(controlId, this);
    owner.ResetContent(controlId);
    for (std::string_view name : kStyleNames)
        owner.AddString(controlId, name);
}

void LINE_STYLE_LIST::MeasureItem(ui::MEASUREITEMSTRUCT& item)
{
    if (QWidget* list = dialog ? dialog->GetDlgItem(id) : nullptr)
        item.itemHeight = std::max(1, list->contentsRect().height() / count);
}

void LINE_STYLE_LIST::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    if (item.itemID < 0)
        return;
    gdi::DC& dc = *item.dc;
    const bool selected = item.itemState & ui::ODS_SELECTED;
    dc.FillRect(item.rcItem, gdi::Brush::Solid(gdi::GetSysColor(selected ? gdi::COLOR_HIGHLIGHT : gdi::COLOR_WINDOW)));
    if (item.itemState & ui::ODS_FOCUS)
        dc.DrawFocusRect(item.rcItem);
    BORDER sample;
    sample.SetStyle(item.itemID + 1);
    sample.SetWidth(kStyleSampleWidth);
    sample.SetLineType(kLineSingle);
    sample.SetColour(gdi::GetSysColor(selected ? gdi::COLOR_HIGHLIGHTTEXT : gdi::COLOR_WINDOWTEXT));
    DrawLineSample(dc, sample, item.rcItem);
}

void LINE_WIDTH_COMBO::Attach(ui::Dialog& dialog, int id)
{
    dialog.ResetContent(id);
    for (std::string_view width : kListedWidths)
        dialog.AddString(id, std::string(width) + " pt");
}

void LINE_SAMPLE_BUTTON::Attach(ui::Dialog& owner, int controlId, const BORDER* shown)
{
    dialog = &owner;
    id = controlId;
    border = shown;
    owner.AttachDrawer(controlId, this);
}

void LINE_SAMPLE_BUTTON::Redraw()
{
    if (dialog)
        dialog->RedrawItem(id);
}

void LINE_SAMPLE_BUTTON::DrawItem(ui::DRAWITEMSTRUCT& item)
{
    gdi::DC& dc = *item.dc;
    const gdi::RECT& r = item.rcItem;
    dc.FillRect(r, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_WINDOW)));
    const int right = r.right - 1;
    const int bottom = r.bottom - 1;
    FrameLine(dc, gdi::GetSysColor(gdi::COLOR_BTNSHADOW), {{r.left, bottom}, {r.left, r.top}, {right, r.top}});
    FrameLine(dc, 0, {{r.left + 1, bottom - 1}, {r.left + 1, r.top + 1}, {right - 1, r.top + 1}});
    FrameLine(dc, gdi::GetSysColor(gdi::COLOR_BTNFACE),
        {{r.left + 1, bottom - 1}, {right - 1, bottom - 1}, {right - 1, r.top}});
    if (border && (item.CtlID == kNewLineSample || item.CtlID == kOldLineSample))
        DrawLineSample(dc, *border, {r.left + 2, r.top + 2, r.right - 2, r.bottom - 2});
}
