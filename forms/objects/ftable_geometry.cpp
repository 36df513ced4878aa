// Where a table's parts lie: the line of each boundary, the bands its
// border covers as drawn, the rectangles of cells and headers between
// their lines, the table's outline, and points mapped to cells.
#include "forms/objects/ftable.h"

#include "forms/model/border.h"
#include "forms/model/border_layout.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"

#include <algorithm>

void FTABLE::CellFromPoint(int32_t x, int32_t y, int& column, int& row) const
{
    column = CellIndexAt(colAxis, x);
    row = CellIndexAt(rowAxis, y);
}

FTABLE::LineKind FTABLE::KindOf(const FBDRY& b) const
{
    if (b.GetTable() != this)
        return LineKind::None;
    if (&b == colHeaderLine.get())
        return LineKind::ColumnHeaderLine;
    if (&b == rowHeaderLine.get())
        return LineKind::RowHeaderLine;
    const int i = b.GetColumn();
    const int j = b.GetRow();
    if (b.IsColumnLine()) {
        if (GetColumnBoundary(i) == &b)
            return LineKind::Column;
        if (GetColumnHeaderBoundary(i) == &b)
            return LineKind::ColumnHeader;
    } else {
        if (GetRowBoundary(j) == &b)
            return LineKind::Row;
        if (GetRowHeaderBoundary(j) == &b)
            return LineKind::RowHeader;
    }
    return LineKind::None;
}

int32_t FTABLE::HalfWidth(const FBDRY* boundary)
{
    if (!boundary)
        return 0;
    BORDER pen;
    if (!const_cast<FBDRY*>(boundary)->GetBorder(&pen) || pen.lineType == kLineNone)
        return 0;
    return pen.width / 2;
}

int32_t FTABLE::RowBandLeft() const
{
    if (!rowHeaderLine)
        return rect.left;
    RECT placed;
    rowHeaderLine->FORMOBJ::GetRect(placed);
    return placed.left;
}

int32_t FTABLE::ColumnBandTop() const
{
    if (!colHeaderLine)
        return rect.top;
    RECT placed;
    colHeaderLine->FORMOBJ::GetRect(placed);
    return placed.top;
}

void FTABLE::GetBoundaryLineRect(RECT& out, const FBDRY& b) const
{
    const int n = columns;
    const int m = rows;
    if (colAxis.pos.empty() || rowAxis.pos.empty()) {
        b.FORMOBJ::GetRect(out);
        return;
    }
    const int32_t x0 = colAxis.pos[0], xn = colAxis.pos[n];
    const int32_t y0 = rowAxis.pos[0], ym = rowAxis.pos[m];
    const int32_t bandLeft = RowBandLeft();
    const int32_t bandTop = ColumnBandTop();
    // An inner line ends at the inner edges of the outer lines it meets, an
    // outer line at their outer edges.
    const auto ends = [](bool outer, int32_t from, int32_t fromHalf, int32_t to, int32_t toHalf) {
        return outer ? std::pair {from - fromHalf, to + toHalf} : std::pair {from + fromHalf, to - toHalf};
    };
    switch (KindOf(b)) {
    case LineKind::Column: {
        const int i = b.GetColumn();
        auto [top, bottom] = ends(i == 0 || i == n, y0, HalfWidth(GetRowBoundary(0)), ym, HalfWidth(GetRowBoundary(m)));
        // The first line runs on through the header band above it.
        if (i == 0 && colHeaderLine)
            top = bandTop - HalfWidth(colHeaderLine.get());
        out = {colAxis.pos[i], top, colAxis.pos[i], bottom};
        return;
    }
    case LineKind::Row: {
        const int j = b.GetRow();
        auto [left, right]
            = ends(j == 0 || j == m, x0, HalfWidth(GetColumnBoundary(0)), xn, HalfWidth(GetColumnBoundary(n)));
        if (j == 0 && rowHeaderLine)
            left = bandLeft - HalfWidth(rowHeaderLine.get());
        out = {left, rowAxis.pos[j], right, rowAxis.pos[j]};
        return;
    }
    case LineKind::ColumnHeader: {
        const int i = b.GetColumn();
        const int32_t half = HalfWidth(colHeaderLine.get());
        const int32_t top = i == 0 || i == n ? bandTop - half : bandTop + half;
        out = {colAxis.pos[i], top, colAxis.pos[i], y0};
        return;
    }
    case LineKind::RowHeader: {
        const int j = b.GetRow();
        const int32_t half = HalfWidth(rowHeaderLine.get());
        const int32_t left = j == 0 || j == m ? bandLeft - half : bandLeft + half;
        out = {left, rowAxis.pos[j], x0, rowAxis.pos[j]};
        return;
    }
    case LineKind::ColumnHeaderLine:
        out = {
            x0 - HalfWidth(GetColumnHeaderBoundary(0)), bandTop, xn + HalfWidth(GetColumnHeaderBoundary(n)), bandTop};
        return;
    case LineKind::RowHeaderLine:
        out = {bandLeft, y0 - HalfWidth(GetRowHeaderBoundary(0)), bandLeft, ym + HalfWidth(GetRowHeaderBoundary(m))};
        return;
    case LineKind::None:
        break;
    }
    b.FORMOBJ::GetRect(out);
}

RECT FTABLE::LineBand(VIEWDC& dc, FBDRY& b)
{
    RECT line;
    switch (KindOf(b)) {
    case LineKind::Column:
        line = {colAxis.pos[b.GetColumn()], rowAxis.pos[0], colAxis.pos[b.GetColumn()], rowAxis.pos[rows]};
        break;
    case LineKind::Row:
        line = {colAxis.pos[0], rowAxis.pos[b.GetRow()], colAxis.pos[columns], rowAxis.pos[b.GetRow()]};
        break;
    default:
        GetBoundaryLineRect(line, b);
        break;
    }
    BORDER pen;
    if (!b.GetBorder(&pen) || pen.lineType == kLineNone)
        return line;
    // Across the line the band is where the line is drawn: from half its
    // width before it for its whole width. A ring centred on the line would
    // drop the odd unit past it, and a cell would paint over a line one
    // unit wide.
    const BorderLayout layout = BorderLayout::Make(pen, dc, line);
    RECT band = layout.OuterRing(true);
    if (layout.device.Width() == 0)
        band.right = band.left + layout.totalX;
    if (layout.device.Height() == 0)
        band.bottom = band.top + layout.totalY;
    return DeviceToLogical(dc, band);
}

int32_t FTABLE::GetBoundaryLeft(VIEWDC& dc, FBDRY& b)
{
    return LineBand(dc, b).left;
}

int32_t FTABLE::GetBoundaryTop(VIEWDC& dc, FBDRY& b)
{
    return LineBand(dc, b).top;
}

int32_t FTABLE::GetBoundaryRight(VIEWDC& dc, FBDRY& b)
{
    return LineBand(dc, b).right;
}

int32_t FTABLE::GetBoundaryBottom(VIEWDC& dc, FBDRY& b)
{
    return LineBand(dc, b).bottom;
}

void FTABLE::GetCellLineRect(RECT& out, VIEWDC& dc, const FCELL& cell)
{
    const int c = cell.GetColumn();
    const int r = cell.GetRow();
    out = {GetBoundaryRight(dc, *colBoundaries[c]), GetBoundaryBottom(dc, *rowBoundaries[r]),
        GetBoundaryLeft(dc, *colBoundaries[c + 1]), GetBoundaryTop(dc, *rowBoundaries[r + 1])};
}

void FTABLE::GetCellInnerRect(RECT& out, VIEWDC& dc, const FCELL& cell)
{
    GetCellLineRect(out, dc, cell);
    BORDER pen;
    if (const_cast<FCELL&>(cell).GetBorder(&pen) && pen.lineType != kLineNone)
        out = out.Inflated(-pen.width, -pen.width);
}

void FTABLE::GetHeaderRect(RECT& out, const FHEADER& header) const
{
    if (header.GetRow() == kNoTableIndex) {
        const int i = header.GetColumn();
        out = {colAxis.pos[i], ColumnBandTop(), colAxis.pos[i + 1], rowAxis.pos[0]};
    } else {
        const int j = header.GetRow();
        out = {RowBandLeft(), rowAxis.pos[j], colAxis.pos[0], rowAxis.pos[j + 1]};
    }
}

void FTABLE::GetHeaderLineRect(RECT& out, VIEWDC& dc, const FHEADER& header)
{
    if (header.GetRow() == kNoTableIndex) {
        const int i = header.GetColumn();
        out = {GetBoundaryRight(dc, *colHeaderBoundaries[i]), GetBoundaryBottom(dc, *colHeaderLine),
            GetBoundaryLeft(dc, *colHeaderBoundaries[i + 1]), GetBoundaryTop(dc, *rowBoundaries[0])};
    } else {
        const int j = header.GetRow();
        out = {GetBoundaryRight(dc, *rowHeaderLine), GetBoundaryBottom(dc, *rowHeaderBoundaries[j]),
            GetBoundaryLeft(dc, *colBoundaries[0]), GetBoundaryTop(dc, *rowHeaderBoundaries[j + 1])};
    }
}

void FTABLE::GetOuterRect(RECT& out, VIEWDC& dc)
{
    if (colBoundaries.empty() || rowBoundaries.empty()) {
        out = rect;
        return;
    }
    out = {GetBoundaryLeft(dc, *colBoundaries.front()), GetBoundaryTop(dc, *rowBoundaries.front()),
        GetBoundaryRight(dc, *colBoundaries.back()), GetBoundaryBottom(dc, *rowBoundaries.back())};
    if (colHeaderLine) {
        out.top = GetBoundaryTop(dc, *colHeaderLine);
        out.left = std::min(out.left, GetBoundaryLeft(dc, *colHeaderBoundaries.front()));
        out.right = std::max(out.right, GetBoundaryRight(dc, *colHeaderBoundaries.back()));
    }
    if (rowHeaderLine) {
        out.left = GetBoundaryLeft(dc, *rowHeaderLine);
        out.top = std::min(out.top, GetBoundaryTop(dc, *rowHeaderBoundaries.front()));
        out.bottom = std::max(out.bottom, GetBoundaryBottom(dc, *rowHeaderBoundaries.back()));
    }
}

int FTABLE::HitTest(VIEWDC& dc, int32_t x, int32_t y)
{
    if (colAxis.pos.empty() || rowAxis.pos.empty())
        return 0;
    const auto inside = [&](int32_t left, int32_t top, int32_t right, int32_t bottom) {
        const RECT d = ToDevice(dc, RECT {left, top, right, bottom}).Normalized();
        return d.left < x && x < d.right && d.top < y && y < d.bottom;
    };
    const int32_t x0 = colAxis.pos[0], xn = colAxis.pos[columns];
    const int32_t y0 = rowAxis.pos[0], ym = rowAxis.pos[rows];
    if (inside(x0, y0, xn, ym))
        return 1;
    if (colHeaderLine && inside(x0, ColumnBandTop(), xn, y0))
        return 1;
    if (rowHeaderLine && inside(RowBandLeft(), y0, x0, ym))
        return 1;
    return 0;
}

FORMOBJ* FTABLE::ObjectAt(VIEWDC& dc, int32_t x, int32_t y)
{
    if (!HitTest(dc, x, y))
        return nullptr;
    const POINT p = DeviceToLogical(dc, POINT {x, y});
    int c = -1;
    int r = -1;
    CellFromPoint(p.x, p.y, c, r);
    return c >= 0 && r >= 0 ? GetCell(c, r) : nullptr;
}
