// Drawing a table: its shadow, its lines, its headers and its cells, each
// cell clipped inside the lines around it, and the tracker.
#include "forms/objects/ftable.h"

#include "forms/model/shadow.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"

#include "platform/gdi/brush.h"
#include "platform/gdi/region.h"

#include <vector>

namespace {

// The shadow of a table with both header bands: its outline leaves out the
// empty corner above the row headers and left of the column headers.
void DrawCornerShadow(VIEWDC& dc, const SHADOW& drop, const RECT& outer, POINT corner)
{
    const auto outline = [&](int32_t dx, int32_t dy) {
        const POINT logical[] = {{outer.left, corner.y}, {corner.x, corner.y}, {corner.x, outer.top},
            {outer.right, outer.top}, {outer.right, outer.bottom}, {outer.left, outer.bottom}};
        std::vector<POINT> device;
        for (const POINT& p : logical)
            device.push_back(LogicalToDevice(dc, {p.x + dx, p.y + dy}));
        return gdi::Region::Polygon(device);
    };
    gdi::Region shade = outline(drop.x, drop.y);
    shade.Combine(shade, outline(0, 0), gdi::RGN_DIFF);
    dc.dc->FillRgn(shade, gdi::Brush::Solid(drop.colour));
}

} // namespace

void FTABLE::Draw(VIEWDC& dc)
{
    if (!dc.dc || colAxis.pos.empty() || rowAxis.pos.empty())
        return;
    const bool fieldsOnly = dc.fieldsOnly != 0;

    SHADOW drop;
    if (!fieldsOnly && GetShadow(&drop) && !drop.IsNone()) {
        RECT outer;
        GetOuterRect(outer, dc);
        if (colHeaderLine && rowHeaderLine)
            DrawCornerShadow(dc, drop, outer, {colAxis.pos[0], rowAxis.pos[0]});
        else
            drop.Draw(dc, outer, 0);
    }

    if (!fieldsOnly && !IsDraggingBoundary()) {
        for (auto& line : rowHeaderBoundaries)
            line->Draw(dc);
        if (colHeaderLine)
            colHeaderLine->Draw(dc);
        for (auto& line : rowBoundaries)
            line->Draw(dc);
        for (auto& line : colHeaderBoundaries)
            line->Draw(dc);
        if (rowHeaderLine)
            rowHeaderLine->Draw(dc);
        for (auto& line : colBoundaries)
            line->Draw(dc);
    }

    if (!fieldsOnly) {
        for (auto& header : columnHeaders)
            header->Draw(dc);
        for (auto& header : rowHeaderObjects)
            header->Draw(dc);
    }

    // The edges of the row lines are the same for every column.
    std::vector<int32_t> tops(rows + 1);
    std::vector<int32_t> bottoms(rows + 1);
    for (int j = 0; j <= rows; ++j) {
        tops[j] = GetBoundaryTop(dc, *rowBoundaries[j]);
        bottoms[j] = GetBoundaryBottom(dc, *rowBoundaries[j]);
    }
    for (int c = 0; c < columns; ++c) {
        const int32_t left = GetBoundaryRight(dc, *colBoundaries[c]);
        const int32_t right = GetBoundaryLeft(dc, *colBoundaries[c + 1]);
        for (int r = 0; r < rows; ++r) {
            const RECT area {left, bottoms[r], right, tops[r + 1]};
            cells[c][r]->DrawCell(dc, &area);
        }
    }

    if (!fieldsOnly && !IsDraggingBoundary())
        DrawTracker(dc);
}
