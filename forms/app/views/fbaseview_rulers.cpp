// The base view feeds its frame's rulers: their scale follows the zoom, the
// page and the scroll position of the frame's active view, whichever view
// that is and whether or not its frame is the active one.
#include "forms/app/views/fbaseview.h"

#include "forms/model/viewdc.h"

#include "platform/gdi/dc.h"
#include "platform/ui/frame.h"
#include "platform/ui/surface_window.h"

#include <QWidget>

VIEW_RULER* FBASEVIEW::GetRuler(bool horizontal) const
{
    auto* frame = dynamic_cast<VIEW_FRAME*>(GetParentFrame());
    return frame ? frame->GetRuler(horizontal) : nullptr;
}

bool FBASEVIEW::UpdateRulers(bool horizontal, bool vertical)
{
    QWidget* window = GetWindow();
    ui::Frame* frame = GetParentFrame();
    // Of the panes of a split window only the active one feeds the rulers.
    if (!window || !frame || frame->GetActiveView() != this)
        return false;
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return false;
    const gdi::Mapping& mapping = v.dc->GetMapping();
    const RECT client = GetClientRect();
    for (const bool horz : {true, false}) {
        VIEW_RULER* ruler = GetRuler(horz);
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
        ruler->Redraw();
    }
    return true;
}
