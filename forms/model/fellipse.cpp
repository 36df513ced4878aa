#include "forms/model/fellipse.h"

#include "forms/model/border.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/viewdc.h"

namespace {

// The ellipse's rules for any border it takes.
void MakeEllipseBorder(BORDER& border)
{
    border.style = 1;
    border.roundedFlag = 0;
}

} // namespace

int FELLIPSE::Init()
{
    if (!FBOX::Init())
        return 0;
    border->roundedFlag = 0;
    return 1;
}

void FELLIPSE::LoadBorder(RECORDARCHIVE& ar)
{
    BORDER loaded;
    loaded.Load(ar);
    border->Copy(loaded);
    MakeEllipseBorder(*border);
}

void FELLIPSE::SetBorder(const BORDER& newBorder)
{
    if (BORDER* own = SetOwnBorder(border, newBorder, 0))
        MakeEllipseBorder(*own);
}

void FELLIPSE::Draw(VIEWDC& dc)
{
    if (!dc.dc)
        return;
    if (dc.deviceKind == kDevicePicture) {
        DrawOnPicture(dc);
    } else {
        RECT shadowRect;
        GetOuterRect(shadowRect, dc);
        BORDER line;
        const bool hasBorder = GetBorder(&line) != 0;
        RECT fillRect = rect;
        if (hasBorder)
            line.GetInnerRect(dc, fillRect);
        SHADOW drop;
        if (GetShadow(&drop))
            drop.DrawEllipse(dc, shadowRect);
        BASICSHADE fill;
        if (GetShade(&fill)) {
            RECT device = ToDevice(dc, fillRect);
            device.right += 1;
            device.bottom += 1;
            fill.FillEllipse(dc, device);
        }
        if (hasBorder && line.style != 0)
            line.Draw(dc, rect, kTypeEllipse);
    }
    DrawTracker(dc);
}

void FELLIPSE::DrawOnPicture(VIEWDC& dc)
{
    BORDER line;
    const bool hasBorder = GetBorder(&line) != 0;
    const int penWidth = hasBorder ? line.width : 0;
    const gdi::Pen pen
        = penWidth > 0 ? gdi::Pen::Solid(penWidth, hasBorder ? line.colour : 0) : gdi::GetStockPen(gdi::NULL_PEN);
    BASICSHADE fill;
    const bool filled = GetShade(&fill) && fill.noFill == 0;
    const gdi::COLORREF oldBack = dc.dc->GetBkColor();
    const gdi::COLORREF oldText = dc.dc->GetTextColor();
    if (filled) {
        dc.dc->SetBkColor(fill.colour2);
        dc.dc->SetTextColor(fill.colour1);
    }
    const gdi::Pen oldPen = dc.dc->SelectObject(pen);
    const gdi::Brush oldBrush
        = dc.dc->SelectObject(filled ? BASICSHADE::GetPatternBrush(fill.pattern) : gdi::GetStockBrush(gdi::NULL_BRUSH));
    dc.dc->Ellipse(rect.left, rect.top, rect.right, rect.bottom);
    dc.dc->SetBkColor(oldBack);
    dc.dc->SetTextColor(oldText);
    dc.dc->SelectObject(oldPen);
    dc.dc->SelectObject(oldBrush);
}

int FELLIPSE::HitTest(VIEWDC& dc, int32_t x, int32_t y)
{
    RECT outer;
    GetOuterRect(outer, dc);
    const RECT device = ToDevice(dc, outer).Normalized();
    return gdi::Region::Ellipse(device.left, device.top, device.right, device.bottom).Contains(x, y) ? 1 : 0;
}

std::unique_ptr<FORMOBJ> FELLIPSE::Clone() const
{
    auto copy = std::make_unique<FELLIPSE>();
    if (!MakeCopy(*copy))
        return nullptr;
    return copy;
}

void FELLIPSE::ResetToDefaults()
{
    FORMOBJ::ResetToDefaults();
    SetRectBy(rect.left, rect.top, rect.right, rect.top + 2 * rect.Width());
}

void FELLIPSE::DrawFocusOutline(const RECT& r, gdi::DC* dc)
{
    DrawDragOutline(dc, r);
}

void FELLIPSE::DrawDragOutline(gdi::DC* dc, const RECT& r)
{
    if (!dc)
        return;
    const int saved = dc->SaveDC();
    dc->SelectObject(gdi::Pen::Dotted(0));
    dc->SelectObject(gdi::GetStockBrush(gdi::NULL_BRUSH));
    dc->SetROP2(gdi::R2_NOT);
    dc->SetBkMode(gdi::TRANSPARENT);
    dc->Ellipse(r.left, r.top, r.right, r.bottom);
    dc->RestoreDC(saved);
}
