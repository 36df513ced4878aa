// The design view keeps its frame's rulers in step: their scale follows the
// zoom, the page and the scroll position; their markers show the pointer, or
// the extent of the selection or of an object being placed or sized.
#include "forms/app/views/design/fdesignview.h"

#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"

#include "platform/gdi/dc.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/frame.h"
#include "platform/ui/surface_window.h"

#include <QWidget>

bool FDESIGNVIEW::UpdateRulers(bool horizontal, bool vertical)
{
    if (!FBASEVIEW::UpdateRulers(horizontal, vertical))
        return false;
    for (const bool horz : {true, false})
        if (VIEW_RULER* ruler = GetRuler(horz); ruler && (horz ? horizontal : vertical))
            ruler->SetSelectionFlag(true);
    ShowSelectionInRulers();
    return true;
}

void FDESIGNVIEW::ShowExtentInRulers(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (VIEW_RULER* ruler = GetRuler(true))
        ruler->ShowObjectExtent(left - viewportOrg.x, right - viewportOrg.x);
    if (VIEW_RULER* ruler = GetRuler(false))
        ruler->ShowObjectExtent(top - viewportOrg.y, bottom - viewportOrg.y);
}

void FDESIGNVIEW::HideRulerMarkers()
{
    for (const bool horz : {true, false})
        if (VIEW_RULER* ruler = GetRuler(horz))
            ruler->HideMarkers();
}

void FDESIGNVIEW::ShowPointerInRulers(POINT device)
{
    if (VIEW_RULER* ruler = GetRuler(true))
        ruler->ShowMarker(device.x - viewportOrg.x);
    if (VIEW_RULER* ruler = GetRuler(false))
        ruler->ShowMarker(device.y - viewportOrg.y);
}

void FDESIGNVIEW::ShowRulerSelection(bool on)
{
    for (const bool horz : {true, false})
        if (VIEW_RULER* ruler = GetRuler(horz)) {
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
        if (VIEW_RULER* ruler = GetRuler(horz)) {
            ruler->SetUnit(rulerUnit);
            ruler->Refresh();
        }
    ShowSelectionInRulers();
}

void FDESIGNVIEW::OnZoomChanged()
{
    FBASEVIEW::OnZoomChanged();
    FollowEditedObject();
}

void FDESIGNVIEW::OnViewRulers()
{
    if (auto* frame = dynamic_cast<VIEW_FRAME*>(GetParentFrame())) {
        frame->ShowRulers(!frame->AreRulersShown());
        UpdateRulers(true, true);
    }
}

void FDESIGNVIEW::RegisterRulerCommands()
{
    AddCommand(ID_VIEW_RULERS, [this](unsigned) { OnViewRulers(); });
    AddUpdate(ID_VIEW_RULERS, [this](ui::CmdUI& cmdUI) {
        auto* frame = dynamic_cast<VIEW_FRAME*>(GetParentFrame());
        cmdUI.Enable(frame != nullptr);
        cmdUI.SetCheck(frame && frame->AreRulersShown() ? 1 : 0);
    });
}
