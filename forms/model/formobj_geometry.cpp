// The object base's rectangles: bounds, border-adjusted rectangles, update
// rectangles and turned outlines, hit testing and alignment.
#include "forms/model/formobj.h"

#include "forms/model/border.h"
#include "forms/model/object_view.h"
#include "forms/model/shadow.h"
#include "forms/model/viewdc.h"

#include <algorithm>

RECT FORMOBJ::ToDevice(VIEWDC& dc, const RECT& logical)
{
    POINT pts[2] = {{logical.left - dc.originX, logical.top - dc.originY},
        {logical.right - dc.originX, logical.bottom - dc.originY}};
    dc.LPtoDP(pts, 2);
    return {pts[0].x, pts[0].y, pts[1].x, pts[1].y};
}

RECT FORMOBJ::UnionRectNormalized(const RECT& a, const RECT& b)
{
    RECT na = a.Normalized();
    RECT nb = b.Normalized();
    if (na.left == na.right && na.top == na.bottom)
        return nb;
    return {std::min(na.left, nb.left), std::min(na.top, nb.top), std::max(na.right, nb.right),
        std::max(na.bottom, nb.bottom)};
}

int FORMOBJ::HitTest(VIEWDC& dc, int32_t x, int32_t y)
{
    if (rotation == 0) {
        RECT outer;
        GetOuterRect(outer, dc);
        RECT r = ToDevice(dc, outer);
        return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom ? 1 : 0;
    }
    Outline region;
    GetRegion(region, dc, 1, nullptr);
    return region.Contains(x, y) ? 1 : 0;
}

void FORMOBJ::GetActiveRect(RECT& out, VIEWDC& dc)
{
    GetOuterRect(out, dc);
}

void FORMOBJ::GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles)
{
    RECT r;
    GetOuterRect(r, dc);
    SHADOW shadow;
    RECT s = GetShadow(&shadow) ? r.Offset(shadow.x, shadow.y) : r;
    if (selected == 1 && withHandles)
        r = r.Inflated(handleSize + 1, handleSize + 1);
    out = ToDevice(dc, UnionRectNormalized(r, s));
}

void FORMOBJ::GetRegion(Outline& region, VIEWDC& dc, int withHandles, POINT* corners)
{
    RECT r;
    GetUpdateRect(r, dc, withHandles);
    r = r.Inflated(4, 4);
    viewRotation.Set(r.left, r.top, r.right, r.bottom, rotation);
    region.pt[0] = viewRotation.Rotate({r.left, r.top});
    region.pt[1] = viewRotation.Rotate({r.left, r.bottom});
    region.pt[2] = viewRotation.Rotate({r.right, r.bottom});
    region.pt[3] = viewRotation.Rotate({r.right, r.top});
    if (corners)
        std::copy(region.pt, region.pt + 4, corners);
}

void FORMOBJ::GetDeviceRect(RECT& out, VIEWDC& dc, int withHandles)
{
    RECT r;
    GetRect(r);
    if (selected == 1 && withHandles)
        r = r.Inflated(handleSize + 1, handleSize + 1);
    out = ToDevice(dc, r);
}

void FORMOBJ::GetRect(RECT& out) const
{
    out = rect;
}

void FORMOBJ::GetInnerRect(RECT& out, VIEWDC& dc)
{
    out = rect;
    BORDER border;
    if (GetBorder(&border))
        border.GetInnerRect(dc, out);
}

void FORMOBJ::GetOuterRect(RECT& out, VIEWDC& dc)
{
    out = rect;
    BORDER border;
    if (GetBorder(&border))
        border.GetOuterRect(dc, out);
}

void FORMOBJ::GetBoundingRectIn(RECT& out, VIEWDC& dc)
{
    GetOuterRect(out, dc);
    if (rotation != 0)
        GetRotatedBounds(out, rectRotation);
}

void FORMOBJ::GetBoundingRect(RECT& out)
{
    GetRect(out);
    if (rotation != 0)
        GetRotatedBounds(out, rectRotation);
}

void FORMOBJ::GetTextRect(RECT& out, VIEWDC& dc)
{
    RECT inner;
    GetInnerRect(inner, dc);
    BORDER border;
    bool hasBorder = GetBorder(&border) != 0;
    out = inner;
    if (hasBorder && border.width <= 60) {
        out.left = rect.left + 30;
        out.right = rect.right - 30;
    } else {
        out.left = inner.left + 30;
        out.right = inner.right - 30;
    }
    if (hasBorder) {
        out.top = rect.top + border.width / 2;
        out.bottom = rect.bottom - border.width / 2;
    }
}

void FORMOBJ::SetRectBy(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    SetRect(left, top, right, bottom);
}

void FORMOBJ::SetRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    rect = RECT {left, top, right, bottom}.Normalized();
    trackRect = rect;
    rectRotation.Set(rect.left, rect.top, rect.right, rect.bottom, rotation);
}

void FORMOBJ::RotateTrackerRect(RECT& r)
{
    if (rotation != 0)
        GetRotatedBounds(r, viewRotation);
}

void FORMOBJ::GetRotatedBounds(RECT& r, const ROTATION& turn)
{
    POINT pts[4] = {turn.Rotate({r.left, r.top}), turn.Rotate({r.left, r.bottom}), turn.Rotate({r.right, r.bottom}),
        turn.Rotate({r.right, r.top})};
    RECT bounds {pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (const POINT& p : pts) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.right = std::max(bounds.right, p.x);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    r = bounds;
}

int FORMOBJ::IsInsideRect(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    RECT area = RECT {left, top, right, bottom}.Normalized();
    RECT b;
    GetBoundingRect(b);
    return b.left >= area.left && b.top >= area.top && b.right <= area.right && b.bottom <= area.bottom ? 1 : 0;
}

void FORMOBJ::GetTrackRotation(ROTATION& out)
{
    out = rectRotation;
}

namespace {

// New near edge of an extent w placed by a code on a page of the given
// size: 1 centred on at, 2 (4) near edge at at, 3 (5) far edge at at.
int32_t Place(int code, int32_t nearCode, int32_t farCode, int32_t at, int32_t w, int32_t pageSize, int32_t current)
{
    if (code == 1) {
        int32_t start = std::max(0, at - w / 2);
        return std::min(start + w, pageSize) - w;
    }
    if (code == nearCode)
        return std::min(at + w, pageSize) - w;
    if (code == farCode)
        return std::max(0, at - w);
    return current;
}

} // namespace

int FORMOBJ::Align(OBJECT_VIEW* view, uint16_t code, int32_t x, int32_t y)
{
    // The page's size comes from the view.
    if (!view)
        return 0;
    RECT b;
    GetBoundingRect(b);
    int32_t pageWidth = view->GetPageWidth();
    int32_t pageHeight = view->GetPageHeight();
    int32_t left = Place(code & 0xFF, 2, 3, x, b.Width(), pageWidth, b.left);
    int32_t top = Place(code >> 8, 4, 5, y, b.Height(), pageHeight, b.top);
    int32_t dx = left - b.left;
    int32_t dy = top - b.top;
    if (dx == 0 && dy == 0)
        return 0;
    Offset(dx, dy, view);
    return 1;
}
