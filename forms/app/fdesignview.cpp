#include "forms/app/fdesignview.h"

#include "forms/document/fdocument.h"
#include "forms/model/fselection.h"

#include "platform/ui/document.h"

FDESIGNVIEW::FDESIGNVIEW() = default;

FDESIGNVIEW::~FDESIGNVIEW() = default;

int FDESIGNVIEW::SetupDC(VIEWDC& dc, gdi::DC* device)
{
    const int ok = FBASEVIEW::SetupDC(dc, device);
    dc.outputMode = kOutputDesign;
    return ok;
}

void FDESIGNVIEW::OnInitialUpdate()
{
    FBASEVIEW::OnInitialUpdate();
    if (FDOCUMENT* form = GetFormDocument(); form && !selection) {
        selection = std::make_unique<FSELECTION>(&form->GetObjects());
        selection->SetPage(static_cast<uint16_t>(currentPage));
    }
    if (ui::Document* doc = GetDocument())
        for (ui::View* view : doc->Views())
            if (auto* other = dynamic_cast<FBASEVIEW*>(view); other && other != this) {
                if (other->GetZoom() != zoomX)
                    SetZoom(other->GetZoom());
                break;
            }
}

void FDESIGNVIEW::OnDraw(gdi::DC& dc)
{
    if (selection)
        FBASEVIEW::OnDraw(dc);
}

void FDESIGNVIEW::NoteSelected(uint16_t count)
{
    if (selection)
        selection->NoteSelected(count, this);
}

void FDESIGNVIEW::NoteDeselected(uint16_t count)
{
    if (selection)
        selection->NoteDeselected(count, this);
}

void FDESIGNVIEW::OnPageChanged()
{
    if (selection) {
        selection->Deselect(this);
        selection->SetPage(static_cast<uint16_t>(currentPage));
    }
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
