// Resizing a table by its handles and dragging one of its boundaries: the
// limits of the drag, the outline shown meanwhile, and the lines beyond the
// dragged one moving with it.
#include "forms/objects/ftable.h"

#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fbdry.h"

#include "platform/gdi/dc.h"

#include <limits>

int FTABLE::Track(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (!view)
        return 0;
    int hit;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return 0;
        const POINT p = DeviceToLogical(dc, {x, y});
        hit = FORMOBJ::HitTestHandles(dc, p.x, p.y);
    }
    if (hit != kHitInside && hit != kHitNothing) {
        EndCurrentObject(view);
        minSize = {kTableMinExtent * (columns + (rowHeaders ? 1 : 0)), kTableMinExtent * (rows + (colHeaders ? 1 : 0))};
        return FORMOBJ::Track(view, x, y);
    }
    auto* line = current && current->GetType() == kTypeBoundary ? dynamic_cast<FBDRY*>(current) : nullptr;
    if (!line)
        return 0;
    // The outer top and left lines stay where they are.
    const LineKind kind = KindOf(*line);
    if (kind == LineKind::None || kind == LineKind::ColumnHeaderLine || kind == LineKind::RowHeaderLine
        || (kind == LineKind::Column && line->GetColumn() == 0 && !rowHeaders)
        || (kind == LineKind::Row && line->GetRow() == 0 && !colHeaders))
        return 0;
    BeginBoundaryDrag(*line);
    if (line->TrackAt(view, x, y, 0, nullptr))
        TakeBoundaryDrag(*line, view);
    EndBoundaryDrag(view);
    return 0;
}

void FTABLE::BeginBoundaryDrag(const FBDRY& boundary)
{
    if (boundary.IsColumnLine())
        colDrag = 1;
    else
        rowDrag = 1;
    dragStarting = 1;
}

void FTABLE::EndBoundaryDrag(OBJECT_VIEW* view)
{
    const bool drawnWithoutLines = IsDraggingBoundary() && !dragStarting;
    colDrag = 0;
    rowDrag = 0;
    dragStarting = 0;
    if (!view)
        return;
    // The drag showed the table without its lines: they come back.
    if (drawnWithoutLines)
        Invalidate(view);
    view->UpdateWindow();
}

void FTABLE::TakeBoundaryDrag(const FBDRY& boundary, OBJECT_VIEW* view)
{
    Invalidate(view);
    const RECT tracker = boundary.GetTrackerRect();
    int32_t delta;
    if (boundary.IsColumnLine()) {
        const int i = boundary.GetColumn();
        delta = tracker.left - colAxis.pos[i];
        for (int k = i; k <= columns; ++k)
            colAxis.pos[k] += delta;
        rect.right += delta;
    } else {
        const int j = boundary.GetRow();
        delta = tracker.top - rowAxis.pos[j];
        for (int k = j; k <= rows; ++k)
            rowAxis.pos[k] += delta;
        rect.bottom += delta;
    }
    if (delta == 0)
        return;
    SetRect(rect.left, rect.top, rect.right, rect.bottom);
    RecalcLayout(rect.left, rect.top, rect.right, rect.bottom, 0);
    Invalidate(view);
}

int32_t FTABLE::GetBoundaryMin(const FBDRY& boundary) const
{
    if (boundary.IsColumnLine())
        return LowestLinePlace(colAxis, boundary.GetColumn());
    return LowestLinePlace(rowAxis, boundary.GetRow());
}

int32_t FTABLE::GetBoundaryMax(OBJECT_VIEW* view, const FBDRY& boundary) const
{
    if (!view)
        return std::numeric_limits<int32_t>::max();
    if (boundary.IsColumnLine())
        return colAxis.pos[boundary.GetColumn()] - colAxis.pos[columns] + view->GetPageWidth();
    return rowAxis.pos[boundary.GetRow()] - rowAxis.pos[rows] + view->GetPageHeight();
}

void FTABLE::DrawBoundaryDrag(gdi::DC* dc, const RECT& tracker, OBJECT_VIEW* view, FBDRY& boundary)
{
    if (!dc || !view || colAxis.pos.empty() || rowAxis.pos.empty())
        return;
    if (dragStarting) {
        // The table is shown without its lines while they are dragged.
        Invalidate(view);
        view->UpdateWindow();
        dragStarting = 0;
    }
    const bool vertical = boundary.IsColumnLine();
    const int at = vertical ? boundary.GetColumn() : boundary.GetRow();
    const int32_t delta = vertical ? tracker.left - colAxis.pos[at] : tracker.top - rowAxis.pos[at];
    RECT outline {rowHeaderLine ? RowBandLeft() : colAxis.pos[0], colHeaderLine ? ColumnBandTop() : rowAxis.pos[0],
        colAxis.pos[columns], rowAxis.pos[rows]};
    if (vertical)
        outline.right += delta;
    else
        outline.bottom += delta;
    FORMOBJ::DrawTrackerRect(outline, 0, dc, view);

    // The inner lines of the outline, those beyond the dragged one moved.
    std::vector<RECT> lines;
    const int firstColumn = rowHeaderLine ? 0 : 1;
    for (int k = firstColumn; k < columns; ++k) {
        const int32_t x = colAxis.pos[k] + (vertical && k >= at ? delta : 0);
        lines.push_back({x, outline.top, x, outline.bottom});
    }
    const int firstRow = colHeaderLine ? 0 : 1;
    for (int k = firstRow; k < rows; ++k) {
        const int32_t y = rowAxis.pos[k] + (!vertical && k >= at ? delta : 0);
        lines.push_back({outline.left, y, outline.right, y});
    }
    dc->SaveDC();
    dc->SetMapMode(gdi::MM_TEXT);
    dc->SetWindowOrg(0, 0);
    dc->SetViewportOrg(0, 0);
    for (RECT line : lines) {
        view->ToDeviceRect(line);
        boundary.DrawDragOutline(dc, line);
    }
    dc->RestoreDC(-1);
}
