#include "forms/model/forthline.h"

#include "forms/model/border.h"
#include "forms/model/dc_map_state.h"
#include "forms/model/shade.h"
#include "forms/model/viewdc.h"

namespace {

// How thin a line must be (twips) to be widened for hit testing, and by
// how much on each side: horizontal lines more than vertical ones.
const int32_t kThinHorizontal = MulDiv(1440, 4, 100);
const int32_t kWidenHorizontal = MulDiv(1440, 2, 100);
const int32_t kThinVertical = MulDiv(1440, 3, 100);
constexpr int32_t kWidenVertical = 14;

constexpr unsigned kHandlesVertical = 0x50;
constexpr unsigned kHandlesHorizontal = 0xA0;

// The pattern brush of the drag outline.
constexpr int kDragPattern = 5;

} // namespace

void FORTHLINE::Draw(VIEWDC& dc)
{
    RECT line;
    GetLineRect(line);
    BORDER pen;
    if (GetBorder(&pen))
        pen.DrawStraight(dc, line);
    DrawTracker(dc);
}

void FORTHLINE::GetOuterRect(RECT& out, VIEWDC& dc)
{
    RECT line;
    GetLineRect(line);
    out = line;
    BORDER pen;
    if (!GetBorder(&pen))
        return;
    pen.GetOuterRect(dc, out);
    if (IsVertical(line)) {
        out.top = line.top;
        out.bottom = line.bottom;
    } else {
        out.left = line.left;
        out.right = line.right;
    }
}

int FORTHLINE::HitTest(VIEWDC& dc, int32_t x, int32_t y)
{
    RECT r;
    GetOuterRect(r, dc);
    RECT line;
    GetLineRect(line);
    if (!IsVertical(line)) {
        if (r.Height() <= kThinHorizontal)
            r = r.Inflated(0, kWidenHorizontal);
    } else if (r.Width() <= kThinVertical) {
        r = r.Inflated(kWidenVertical, 0);
    }
    const RECT d = ToDevice(dc, r);
    return d.left <= x && x <= d.right && d.top <= y && y <= d.bottom ? 1 : 0;
}

std::unique_ptr<FORMOBJ> FORTHLINE::Clone() const
{
    auto copy = std::make_unique<FORTHLINE>();
    if (!MakeCopy(*copy))
        return nullptr;
    return copy;
}

void FORTHLINE::GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles)
{
    RECT line;
    GetLineRect(line);
    BORDER pen;
    const int32_t w = GetBorder(&pen) ? GetDeviceWidth(pen, dc) : 1;
    RECT r = line;
    if (selected == 1 && withHandles)
        r = r.Inflated(handleSize + 1, handleSize + 1);
    r = ToDevice(dc, r);
    if (line.top == line.bottom) {
        r.top += (-1 - w) / 2;
        r.bottom += (w + 1) / 2;
    } else {
        r.left += (-1 - w) / 2;
        r.right += (w + 1) / 2;
    }
    out = r;
}

void FORTHLINE::ResetToDefaults()
{
    FORMOBJ::ResetToDefaults();
    const int32_t width = rect.Width();
    const int32_t middle = rect.left + width / 2;
    SetRectBy(middle, rect.top, middle, rect.top + 2 * width);
}

void FORTHLINE::DrawFocusOutline(const RECT& r, gdi::DC* dc)
{
    DrawDragOutline(dc, r);
}

void FORTHLINE::DrawDragOutline(gdi::DC* dc, const RECT& r)
{
    if (!dc)
        return;
    const RECT n = r.Normalized();
    const gdi::Brush oldBrush = dc->SelectObject(BASICSHADE::GetPatternBrush(kDragPattern));
    const int oldRop = dc->SetROP2(gdi::R2_NOT);
    const int oldMode = dc->SetBkMode(gdi::TRANSPARENT);
    const gdi::COLORREF oldText = dc->SetTextColor(0);
    if (IsVertical(n))
        dc->PatBlt(n.left, n.top, 1, n.Height(), gdi::PATINVERT);
    else
        dc->PatBlt(n.left, n.top, n.Width(), 1, gdi::PATINVERT);
    dc->SetTextColor(oldText);
    dc->SetBkMode(oldMode);
    dc->SetROP2(oldRop);
    dc->SelectObject(oldBrush);
}

unsigned FORTHLINE::GetHandleMask()
{
    RECT line;
    GetLineRect(line);
    return IsVertical(line) ? kHandlesVertical : kHandlesHorizontal;
}

void FORTHLINE::GetLineRect(RECT& out)
{
    out = rect;
}

void FORTHLINE::CopyFrom(const FORMOBJ& source)
{
    FORMOBJ::CopyFrom(source);
    if (const auto* other = dynamic_cast<const FORTHLINE*>(&source); other && other->border && border)
        *border = *other->border;
}
