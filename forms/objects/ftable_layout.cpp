// Laying a table's lines out in a rectangle, evenly for a new table or
// scaled with the minimums for a resized one, and placing every part on
// them.
#include "forms/objects/ftable.h"

#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"

RECT FTABLE::RecalcLayout(int32_t left, int32_t top, int32_t right, int32_t bottom, int isNew)
{
    const RECT given {left, top, right, bottom};
    if (colAxis.pos.empty() || rowAxis.pos.empty())
        return given;
    colAxis.hasBand = rowHeaders != 0;
    rowAxis.hasBand = colHeaders != 0;
    if (isNew) {
        LayOutEvenly(colAxis, left, right);
        LayOutEvenly(rowAxis, top, bottom);
    } else {
        colAxis.bandStart = RowBandLeft();
        rowAxis.bandStart = ColumnBandTop();
        ScaleToFit(colAxis, rect.left, rect.right, left, right);
        ScaleToFit(rowAxis, rect.top, rect.bottom, top, bottom);
    }
    PlaceParts(colAxis.bandStart, rowAxis.bandStart);
    return given;
}

void FTABLE::PlaceParts(int32_t rowBandLeft, int32_t columnBandTop)
{
    if (colAxis.pos.empty() || rowAxis.pos.empty())
        return;
    colAxis.bandStart = rowBandLeft;
    rowAxis.bandStart = columnBandTop;
    const std::vector<int32_t>& x = colAxis.pos;
    const std::vector<int32_t>& y = rowAxis.pos;
    const int32_t xn = x[columns];
    const int32_t ym = y[rows];
    if (rowHeaderLine) {
        rowHeaderLine->SetRectBy(rowBandLeft, y[0], rowBandLeft, ym);
        for (int j = 0; j < rows; ++j)
            rowHeaderObjects[j]->SetRectBy(rowBandLeft, y[j], x[0], y[j + 1]);
        for (int j = 0; j <= rows; ++j)
            rowHeaderBoundaries[j]->SetRectBy(rowBandLeft, y[j], x[0], y[j]);
    }
    if (colHeaderLine) {
        colHeaderLine->SetRectBy(x[0], columnBandTop, xn, columnBandTop);
        for (int i = 0; i < columns; ++i)
            columnHeaders[i]->SetRectBy(x[i], columnBandTop, x[i + 1], y[0]);
        for (int i = 0; i <= columns; ++i)
            colHeaderBoundaries[i]->SetRectBy(x[i], columnBandTop, x[i], y[0]);
    }
    for (int i = 0; i <= columns; ++i)
        colBoundaries[i]->SetRectBy(x[i], y[0], x[i], ym);
    for (int j = 0; j <= rows; ++j)
        rowBoundaries[j]->SetRectBy(x[0], y[j], xn, y[j]);
    for (int c = 0; c < columns; ++c)
        for (int r = 0; r < rows; ++r)
            cells[c][r]->SetRectBy(x[c], y[r], x[c + 1], y[r + 1]);
}

void FTABLE::SetRectBy(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    const RECT r = RecalcLayout(left, top, right, bottom, 0);
    SetRect(r.left, r.top, r.right, r.bottom);
}
