// Whole columns and rows of a table as its current part, and what a double
// click on a part opens.
#include "forms/objects/ftable.h"

#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fheader.h"
#include "forms/objects/tablecolrow.h"

#include <new>

int FTABLE::SelectColumnOrRow(OBJECT_VIEW* view, uint8_t kind, int32_t x, int32_t y)
{
    EndCurrentObject(view);
    if (!view || cells.empty())
        return 0;
    int c = -1;
    int r = -1;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return 0;
        const POINT p = DeviceToLogical(dc, {x, y});
        CellFromPoint(p.x, p.y, c, r);
    }
    if (c < 0 || r < 0)
        return 0;
    std::unique_ptr<TABLECOLROW> made;
    try {
        if (kind == kTypeColumn)
            made = std::make_unique<TABLECOL>();
        else
            made = std::make_unique<TABLEROW>();
    } catch (const std::bad_alloc&) {
        return 0;
    }
    if (!made->Attach(this, static_cast<uint16_t>(kind == kTypeColumn ? c : r)))
        return 0;
    made->SetPage(page);
    proxy = std::move(made);
    SetCurrentObject(proxy.get(), view);
    return 1;
}

FORMOBJ* FTABLE::SelectColumnOrRowAt(OBJECT_VIEW* view)
{
    if (!current || !view)
        return nullptr;
    if (current->GetType() == kTypeColumn)
        return current;
    if (current->GetType() != kTypeCell)
        return nullptr;
    RECT cell;
    current->GetRect(cell);
    POINT centre;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return nullptr;
        centre = LogicalToDevice(dc, {(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2});
    }
    if (!SelectColumnOrRow(view, kTypeColumn, centre.x, centre.y))
        return nullptr;
    return current;
}

int FTABLE::HitTestColumnOrRow(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (!view || cells.empty())
        return 0;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp() || !HitTest(dc, x, y))
        return 0;
    const POINT p = DeviceToLogical(dc, {x, y});
    int c = -1;
    int r = -1;
    CellFromPoint(p.x, p.y, c, r);
    return c >= 0 && r >= 0 ? 1 : 0;
}

FHEADER* FTABLE::GetEditedHeader() const
{
    if (!current || current->GetType() != kTypeHeader)
        return nullptr;
    return current->GetRichText(nullptr) ? static_cast<FHEADER*>(current) : nullptr;
}

int FTABLE::ShowProperties(OBJECT_VIEW* view)
{
    POINT p;
    if (!view || cells.empty() || !view->GetLastMouseDown(p))
        return 0;
    int c = -1;
    int r = -1;
    CellFromPoint(p.x, p.y, c, r);
    if (c >= 0 && r >= 0) {
        FCELL* cell = GetCell(c, r);
        SetCurrentObject(cell, view);
        return cell->ShowProperties(view);
    }
    FHEADER* header = nullptr;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return 0;
        // Inside the band's lines, not on them.
        const auto inside = [&p](int32_t left, int32_t top, int32_t right, int32_t bottom) {
            return left <= p.x && p.x < right && top <= p.y && p.y < bottom;
        };
        if (colHeaderLine && c >= 0
            && inside(GetBoundaryRight(dc, *colHeaderBoundaries.front()), GetBoundaryBottom(dc, *colHeaderLine),
                GetBoundaryLeft(dc, *colHeaderBoundaries.back()), GetBoundaryTop(dc, *rowBoundaries.front())))
            header = GetColumnHeader(c);
        else if (rowHeaderLine && r >= 0
            && inside(GetBoundaryRight(dc, *rowHeaderLine), GetBoundaryBottom(dc, *rowHeaderBoundaries.front()),
                GetBoundaryLeft(dc, *colBoundaries.front()), GetBoundaryTop(dc, *rowHeaderBoundaries.back())))
            header = GetRowHeader(r);
    }
    if (!header)
        return 0;
    SetCurrentObject(header, view);
    return header->ShowProperties(view);
}

int FTABLE::GetRichText(uintptr_t* out)
{
    if (current && current->GetType() == kTypeHeader)
        return current->GetRichText(out);
    if (out)
        *out = 0;
    return 0;
}
