// What an object edited in place asks of the design view: its placement
// check, room to scroll past the page's edges while the edit runs, and the
// deletion of an object that was emptied by its edit.
#include "forms/app/views/design/fdesignview.h"

#include "forms/document/fdocument.h"
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/viewdc.h"

int FDESIGNVIEW::IsValidObjectPlacement(FORMOBJ* object, const RECT& rect)
{
    if (!object || !object->AcceptsPlacement())
        return 0;
    return IsValidPlacement(rect.left, rect.top, rect.right, rect.bottom, object);
}

int FDESIGNVIEW::AutoScrollToRect(int32_t left, int32_t top, int32_t right, int32_t bottom, FORMOBJ*)
{
    VIEWDC v(this, kOwnWindow);
    if (!v.IsSetUp())
        return 0;
    // The free space around the page, in twips at the present zoom.
    gdi::Mapping scale = v.dc->GetMapping();
    scale.windowOrg = {};
    scale.viewportOrg = {};
    const POINT before = scale.DPtoLP({placement.left, placement.top});
    const POINT after = scale.DPtoLP({placement.right, placement.bottom});
    const int32_t limitLeft = -before.x;
    const int32_t limitTop = -before.y;
    const int32_t limitRight = after.x + GetPageWidth();
    const int32_t limitBottom = after.y + GetPageHeight();
    if (left > limitLeft && top > limitTop && right < limitRight && bottom < limitBottom)
        return 0;
    // How far the rectangle reaches past a limit, plus the side's own free
    // space; nothing for a side it does not reach past.
    const auto past = [](int32_t amount, int32_t side) { return amount > 0 ? amount + side : 0; };
    extraBorder.left = past(limitLeft - left, before.x);
    extraBorder.top = past(limitTop - top, before.y);
    extraBorder.right = past(right - limitRight, after.x);
    extraBorder.bottom = past(bottom - limitBottom, after.y);
    OnZoomChanged();
    return 1;
}

void FDESIGNVIEW::StopAutoScroll()
{
    const bool widened = extraBorder.left || extraBorder.top || extraBorder.right || extraBorder.bottom;
    extraBorder = RECT {0, 0, 0, 0};
    if (widened)
        OnZoomChanged();
}

void FDESIGNVIEW::DeleteObjectAlone(FORMOBJ* object)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !object || !doc->GetObjects().Contains(object))
        return;
    object->Invalidate(this);
    if (object->IsSelected(nullptr))
        object->Deselect(this);
    doc->RemoveFromTabOrder(object);
    doc->GetObjects().Delete(object);
    UpdateWindow();
    ClearPosSize();
    doc->SetModified(true);
}
