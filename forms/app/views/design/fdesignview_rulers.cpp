// The design view's overrides that keep its frame's rulers in step; the
// markers are its rulers part's (design_rulers.cpp).
#include "forms/app/views/design/design_rulers.h"
#include "forms/app/views/design/fdesignview.h"

bool FDESIGNVIEW::UpdateRulers(bool horizontal, bool vertical)
{
    if (!FBASEVIEW::UpdateRulers(horizontal, vertical))
        return false;
    Rulers().ShowSelectionAfterUpdate(horizontal, vertical);
    return true;
}

void FDESIGNVIEW::ShowPositionInRulers(const RECT* rect)
{
    Rulers().ShowPositionInRulers(rect);
}

void FDESIGNVIEW::OnZoomChanged()
{
    FBASEVIEW::OnZoomChanged();
    FollowEditedObject();
}
