// The table's boundary line: its records, its cursor and handles, and the
// drag of the line, which the table bounds and draws.
#include "forms/objects/fbdry.h"

#include "forms/model/border.h"
#include "forms/model/border_layout.h"
#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/ftable.h"

#include <algorithm>

namespace {

// The line's own group inside the boundary's.
constexpr uint8_t kLineGroupTag = kTypeOrthLine;

} // namespace

int FBDRY::Init(const BORDER& pen, FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    if (!InitNew(pen))
        return 0;
    SetPosition(owner, atColumn, atRow);
    return 1;
}

int FBDRY::InitDefault(FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    if (!LINE_OBJECT::Init())
        return 0;
    SetPosition(owner, atColumn, atRow);
    return 1;
}

void FBDRY::SetPosition(FTABLE* owner, uint16_t atColumn, uint16_t atRow)
{
    table = owner;
    column = atColumn;
    row = atRow;
}

void FBDRY::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FORTHLINE::Save(ar, kLineGroupTag);
    ar.WriteTag(kEndGroup);
}

void FBDRY::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag == kLineGroupTag)
            FORTHLINE::Load(ar, owner);
        else
            ar.SkipRecord(tag);
    }
}

std::unique_ptr<FORMOBJ> FBDRY::Clone() const
{
    auto copy = std::make_unique<FBDRY>();
    if (!MakeCopy(*copy))
        return nullptr;
    copy->SetPosition(table, column, row);
    return copy;
}

void FBDRY::GetLineRect(RECT& out)
{
    if (table)
        table->GetBoundaryLineRect(out, *this);
    else
        FORTHLINE::GetLineRect(out);
}

void FBDRY::GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles)
{
    RECT line;
    GetLineRect(line);
    const bool vertical = line.top != line.bottom;
    BORDER pen;
    int32_t w = 1;
    if (GetBorder(&pen)) {
        const auto [wx, wy] = DeviceExtent(dc, pen.width);
        w = vertical ? wx : wy;
    }
    if (w < 2)
        w = 1;
    RECT r = line;
    if (selected == 1 && withHandles)
        r = r.Inflated(handleSize + 1, handleSize + 1);
    r = ToDevice(dc, r);
    if (vertical) {
        r.left += (-1 - w) / 2;
        r.right += (w + 1) / 2;
    } else {
        r.top += (-1 - w) / 2;
        r.bottom += (w + 1) / 2;
    }
    out = r;
}

ui::StandardCursor FBDRY::MoveCursor() const
{
    if (row == kNoTableIndex && column == kNoTableIndex)
        return ui::StandardCursor::Arrow;
    return row == kNoTableIndex ? ui::StandardCursor::SplitH : ui::StandardCursor::SplitV;
}

int FBDRY::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    return SetCursorOnHandles(view, hitCode, MoveCursor());
}

void FBDRY::SetMoveCursor(int)
{
    if (QWidget* window = trackView ? trackView->GetTrackingWindow() : nullptr)
        ui::SetCursor(*window, MoveCursor());
}

int FBDRY::HitTestHandles(VIEWDC& dc, int32_t x, int32_t y)
{
    POINT p {x - dc.originX, y - dc.originY};
    dc.LPtoDP(&p, 1);
    if (!HitTest(dc, p.x, p.y))
        return kHitNothing;
    RECT line;
    GetLineRect(line);
    return line.Width() > line.Height() ? kHandleTop : kHandleLeft;
}

void FBDRY::DrawTrackerRect(const RECT& r, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view)
{
    if (table)
        table->DrawBoundaryDrag(dc, r, view, *this);
    else
        FORTHLINE::DrawTrackerRect(r, clipWindow, dc, view);
}

void FBDRY::AdjustRect(int handle, RECT& r, OBJECT_VIEW* view)
{
    if (!table) {
        FORTHLINE::AdjustRect(handle, r, view);
        return;
    }
    RECT line;
    GetLineRect(line);
    const uint8_t edges = DraggedEdges(handle);
    const int32_t lowest = table->GetBoundaryMin(*this);
    const int32_t highest = table->GetBoundaryMax(view, *this);
    if (IsColumnLine()) {
        int32_t x = (edges & kDragRight) ? r.right : r.left;
        if (view)
            view->SnapX(x);
        x = std::max(std::min(x, highest), lowest);
        r = {x, line.top, x, line.bottom};
    } else {
        int32_t y = (edges & kDragBottom) ? r.bottom : r.top;
        if (view)
            view->SnapY(y);
        y = std::max(std::min(y, highest), lowest);
        r = {line.left, y, line.right, y};
    }
}

int32_t FBDRY::GetLeftEdge(VIEWDC& dc)
{
    return table ? table->GetBoundaryLeft(dc, *this) : rect.left;
}

int32_t FBDRY::GetTopEdge(VIEWDC& dc)
{
    return table ? table->GetBoundaryTop(dc, *this) : rect.top;
}

int32_t FBDRY::GetRightEdge(VIEWDC& dc)
{
    return table ? table->GetBoundaryRight(dc, *this) : rect.right;
}

int32_t FBDRY::GetBottomEdge(VIEWDC& dc)
{
    return table ? table->GetBoundaryBottom(dc, *this) : rect.bottom;
}
