#include "forms/app/views/design/design_rulers.h"

#include "forms/app/views/design/fdesignview.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/frame.h"

DESIGN_RULERS::DESIGN_RULERS(FDESIGNVIEW& view)
    : view(view)
{}

void DESIGN_RULERS::ShowSelectionAfterUpdate(bool horizontal, bool vertical)
{
    for (const bool horz : {true, false})
        if (VIEW_RULER* ruler = view.GetRuler(horz); ruler && (horz ? horizontal : vertical))
            ruler->SetSelectionFlag(true);
    ShowSelectionInRulers();
}

void DESIGN_RULERS::ShowExtentInRulers(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const POINT origin = view.GetViewportOrg();
    if (VIEW_RULER* ruler = view.GetRuler(true))
        ruler->ShowObjectExtent(left - origin.x, right - origin.x);
    if (VIEW_RULER* ruler = view.GetRuler(false))
        ruler->ShowObjectExtent(top - origin.y, bottom - origin.y);
}

void DESIGN_RULERS::HideRulerMarkers()
{
    for (const bool horz : {true, false})
        if (VIEW_RULER* ruler = view.GetRuler(horz))
            ruler->HideMarkers();
}

void DESIGN_RULERS::ShowPointerInRulers(POINT device)
{
    const POINT origin = view.GetViewportOrg();
    if (VIEW_RULER* ruler = view.GetRuler(true))
        ruler->ShowMarker(device.x - origin.x);
    if (VIEW_RULER* ruler = view.GetRuler(false))
        ruler->ShowMarker(device.y - origin.y);
}

void DESIGN_RULERS::ShowRulerSelection(bool on)
{
    for (const bool horz : {true, false})
        if (VIEW_RULER* ruler = view.GetRuler(horz)) {
            ruler->HideMarkers();
            ruler->SetSelectionFlag(on);
            ruler->Redraw();
        }
}

void DESIGN_RULERS::ShowPositionInRulers(const RECT* rect)
{
    if (!rect) {
        HideRulerMarkers();
        return;
    }
    RECT device = *rect;
    view.ToDeviceRect(device);
    ShowExtentInRulers(device.left, device.top, device.right, device.bottom);
}

void DESIGN_RULERS::ShowSelectionInRulers()
{
    FSELECTION* selection = view.GetSelection();
    if (!selection || selection->GetCount() == 0)
        return;
    RECT bounds;
    selection->GetRect(bounds);
    ShowPositionInRulers(&bounds);
}

void DESIGN_RULERS::SetRulerUnit(uint8_t rulerUnit)
{
    for (const bool horz : {true, false})
        if (VIEW_RULER* ruler = view.GetRuler(horz)) {
            ruler->SetUnit(rulerUnit);
            ruler->Refresh();
        }
    ShowSelectionInRulers();
}

void DESIGN_RULERS::OnViewRulers()
{
    if (auto* frame = dynamic_cast<VIEW_FRAME*>(view.GetParentFrame())) {
        frame->ShowRulers(!frame->AreRulersShown());
        view.UpdateRulers(true, true);
    }
}

void DESIGN_RULERS::RegisterRulerCommands()
{
    view.AddCommand(ID_VIEW_RULERS, [this](unsigned) { OnViewRulers(); });
    view.AddUpdate(ID_VIEW_RULERS, [this](ui::CmdUI& cmdUI) {
        auto* frame = dynamic_cast<VIEW_FRAME*>(view.GetParentFrame());
        cmdUI.Enable(frame != nullptr);
        cmdUI.SetCheck(frame && frame->AreRulersShown() ? 1 : 0);
    });
}
