// The design view keeps its frame's rulers in step: their scale follows the
// zoom, the page and the scroll position; their markers show the pointer, or
// the extent of the selection or of an object being placed or sized.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/ruler_bar.h"
#include "forms/model/fselection.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/surface_window.h"

#include <QWidget>

RULERBAR* FDESIGNVIEW::GetRuler(bool horizontal) const
{
    auto* frame = dynamic_cast<CChildFrame*>(GetParentFrame());
    if (!frame)
        return nullptr;
    return horizontal ? frame->GetHorzRuler() : frame->GetVertRuler();
}

void FDESIGNVIEW::UpdateRulers(bool horizontal, bool vertical)
{
    QWidget* window = GetWindow();
    if (!active || !window)
        return;
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return;
    const gdi::Mapping& mapping = v.dc->GetMapping();
    const RECT client = GetClientRect();
    for (const bool horz : {true, false}) {
        RULERBAR* ruler = GetRuler(horz);
        if (!ruler || !(horz ? horizontal : vertical) || !ruler->GetWindow())
            continue;
        // Where the view's window lies on the ruler.
        const QPoint offset = window->mapToGlobal(QPoint(0, 0)) - ruler->GetWindow()->mapToGlobal(QPoint(0, 0));
        ruler->HideMarkers();
        if (horz)
            ruler->SetScale(mapping.viewportExt.cx, mapping.windowExt.cx, viewportOrg.x + offset.x(), windowOrg.x,
                GetPageWidth(), offset.x() + client.right);
        else
            ruler->SetScale(mapping.viewportExt.cy, mapping.windowExt.cy, viewportOrg.y + offset.y(), windowOrg.y,
                GetPageHeight(), offset.y() + client.bottom);
        ruler->SetUnit(static_cast<uint8_t>(unit));
        ruler->SetShown(true);
        ruler->SetSelectionFlag(true);
        ruler->Redraw();
    }
    ShowSelectionInRulers();
}

void FDESIGNVIEW::ShowExtentInRulers(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (RULERBAR* ruler = GetRuler(true))
        ruler->ShowObjectExtent(left - viewportOrg.x, right - viewportOrg.x);
    if (RULERBAR* ruler = GetRuler(false))
        ruler->ShowObjectExtent(top - viewportOrg.y, bottom - viewportOrg.y);
}

void FDESIGNVIEW::HideRulerMarkers()
{
    for (const bool horz : {true, false})
        if (RULERBAR* ruler = GetRuler(horz))
            ruler->HideMarkers();
}

void FDESIGNVIEW::ShowPointerInRulers(POINT device)
{
    if (RULERBAR* ruler = GetRuler(true))
        ruler->ShowMarker(device.x - viewportOrg.x);
    if (RULERBAR* ruler = GetRuler(false))
        ruler->ShowMarker(device.y - viewportOrg.y);
}

void FDESIGNVIEW::ShowRulerSelection(bool on)
{
    for (const bool horz : {true, false})
        if (RULERBAR* ruler = GetRuler(horz)) {
            ruler->HideMarkers();
            ruler->SetSelectionFlag(on);
            ruler->Redraw();
        }
}

void FDESIGNVIEW::ShowPositionInRulers(const RECT* rect)
{
    if (!rect) {
        HideRulerMarkers();
        return;
    }
    RECT device = *rect;
    ToDeviceRect(device);
    ShowExtentInRulers(device.left, device.top, device.right, device.bottom);
}

void FDESIGNVIEW::ShowSelectionInRulers()
{
    if (!selection || selection->GetCount() == 0)
        return;
    RECT bounds;
    selection->GetRect(bounds);
    ShowPositionInRulers(&bounds);
}

void FDESIGNVIEW::SetRulerUnit(uint8_t rulerUnit)
{
    for (const bool horz : {true, false})
        if (RULERBAR* ruler = GetRuler(horz)) {
            ruler->SetUnit(rulerUnit);
            ruler->Refresh();
        }
    ShowSelectionInRulers();
}

SIZE FDESIGNVIEW::RecalcLayout(uint8_t axis, int16_t distance, VIEWDC& dc)
{
    const SIZE moved = FBASEVIEW::RecalcLayout(axis, distance, dc);
    if (moved.cx != 0 || moved.cy != 0)
        UpdateRulers(moved.cx != 0, moved.cy != 0);
    return moved;
}

void FDESIGNVIEW::OnZoomChanged()
{
    FBASEVIEW::OnZoomChanged();
    UpdateRulers(true, true);
}

void FDESIGNVIEW::OnViewRulers()
{
    if (auto* frame = dynamic_cast<CChildFrame*>(GetParentFrame())) {
        frame->ShowRulers(!frame->AreRulersShown());
        UpdateRulers(true, true);
    }
}

void FDESIGNVIEW::RegisterRulerCommands()
{
    AddCommand(ID_VIEW_RULERS, [this](unsigned) { OnViewRulers(); });
    AddUpdate(ID_VIEW_RULERS, [this](ui::CmdUI& cmdUI) {
        auto* frame = dynamic_cast<CChildFrame*>(GetParentFrame());
        cmdUI.Enable(frame != nullptr);
        cmdUI.SetCheck(frame && frame->AreRulersShown() ? 1 : 0);
    });
}
