// What a text object answers while it is edited in place: most operations
// go to its upright proxy, and the proxy answers for the editor over it
// (its handles, its cursor, its rich text).
#include "forms/objects/ftextobj.h"

#include "forms/fields/editor/edithandle.h"
#include "forms/fields/editor/texteditwnd.h"
#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"

void FTEXTOBJ::Invalidate(OBJECT_VIEW* view)
{
    if (pEditProxy)
        pEditProxy->FORMOBJ::Invalidate(view);
    if (pProxyOwner)
        pProxyOwner->FORMOBJ::Invalidate(view);
    FORMOBJ::Invalidate(view);
}

void FTEXTOBJ::DrawSelection(VIEWDC& dc)
{
    if (pEditProxy)
        pEditProxy->DrawSelection(dc);
    else
        FORMOBJ::DrawSelection(dc);
}

void FTEXTOBJ::DrawTracker(VIEWDC& dc)
{
    if (dc.deviceKind != kDeviceWindow)
        return;
    if (!pEditProxy || rotation == 0) {
        FORMOBJ::DrawTracker(dc);
        return;
    }
    // The turned place of the text shows hatched while it is typed upright.
    const uint32_t style = trackStyle;
    trackStyle |= kTrackHatchedInside;
    FORMOBJ::DrawTracker(dc);
    trackStyle = style;
}

int FTEXTOBJ::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    if (pEditProxy)
        return pEditProxy->SetCursor(view, hitCode);
    if (!pProxyOwner)
        return FORMOBJ::SetCursor(view, hitCode);
    // Over the text the editor keeps its own cursor; the handles and a
    // hatched border show the tracker's.
    return SetTrackerCursor(view, hitCode, [this](VIEWDC& dc, POINT p) {
        const int hit = HitTestHandlesAt(dc, p.x, p.y);
        if (hit >= 0 && hit < kHitInside)
            return NormalizeHit(hit);
        if ((trackStyle & kTrackHatchedBorder) && hit == kHitNothing) {
            RECT outer;
            GetOuterRect(outer, dc);
            if (PointInRect(outer.Inflated(handleSize, handleSize), p) && !PointInRect(outer, p))
                return kCursorMoveBorder;
        }
        return kHitNothing;
    });
}

int FTEXTOBJ::HitTestHandles(VIEWDC& dc, int32_t x, int32_t y)
{
    if (pEditProxy)
        return pEditProxy->HitTestHandles(dc, x, y);
    if (!pProxyOwner)
        return FORMOBJ::HitTestHandles(dc, x, y);
    if (!(trackStyle & (kTrackHandlesInside | kTrackHandlesOutside)))
        return kHitNothing;
    const int hit = HitTestHandlesAt(dc, x, y);
    return hit == kHitInside ? kHitNothing : hit;
}

void FTEXTOBJ::GetTrackRotation(ROTATION& out)
{
    out = pProxyOwner ? pProxyOwner->drawRotation : rectRotation;
}

int FTEXTOBJ::CanAlign()
{
    return pEditProxy || pProxyOwner ? 0 : 1;
}

int FTEXTOBJ::CanCut()
{
    if (!pEditProxy && !pProxyOwner)
        return 1;
    const EDITHANDLE* editor = GetEditor();
    return editor && editor->GetTextLength() > 0 ? 1 : 0;
}

int FTEXTOBJ::CanCopy()
{
    return CanCut();
}

int FTEXTOBJ::GetRichText(uintptr_t* out)
{
    EDITHANDLE* editor = pEditProxy ? pEditProxy->pEditor.get() : nullptr;
    if (!editor || !editor->Window()) {
        if (out)
            *out = 0;
        return 0;
    }
    if (out)
        *out = reinterpret_cast<uintptr_t>(editor->Window());
    return 1;
}

int FTEXTOBJ::EditHookState()
{
    return pEditProxy ? 1 : 0;
}
