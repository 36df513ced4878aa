#include "forms/model/placement_guard.h"

#include "forms/model/formobj.h"
#include "forms/model/object_view.h"
#include "forms/model/viewdc.h"

PLACEMENT_GUARD::PLACEMENT_GUARD(OBJECT_VIEW* v, FORMOBJ& object, VIEWDC& dc)
    : view(v)
{
    if (!view)
        return;
    RECT r;
    object.GetRect(r);
    r = r.Offset(-dc.originX, -dc.originY);
    if (!view->IsValidPlacement(r.left, r.top, r.right, r.bottom, &object))
        view->SetOutOfPlace(true);
}

PLACEMENT_GUARD::~PLACEMENT_GUARD()
{
    if (view)
        view->SetOutOfPlace(false);
}
