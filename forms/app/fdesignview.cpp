#include "forms/app/fdesignview.h"

#include "platform/ui/document.h"

FDESIGNVIEW::FDESIGNVIEW() = default;

int FDESIGNVIEW::SetupDC(VIEWDC& dc, gdi::DC* device)
{
    const int ok = FBASEVIEW::SetupDC(dc, device);
    dc.outputMode = kOutputDesign;
    return ok;
}

void FDESIGNVIEW::OnInitialUpdate()
{
    FBASEVIEW::OnInitialUpdate();
    if (ui::Document* doc = GetDocument())
        for (ui::View* view : doc->Views())
            if (auto* other = dynamic_cast<FBASEVIEW*>(view); other && other != this) {
                if (other->GetZoom() != zoomX)
                    SetZoom(other->GetZoom());
                break;
            }
}

void FDESIGNVIEW::OnPageChanged()
{
    windowOrg = {0, 0};
    viewportOrg = {placement.left, placement.top};
    OnZoomChanged();
}

void FDESIGNVIEW::OnViewSwitch(bool incoming, ui::View* other)
{
    if (incoming)
        if (auto* from = dynamic_cast<FBASEVIEW*>(other))
            SetZoom(from->GetZoom());
}
