// Dragging a table's boundaries in a design view, with the moves and the
// release posted to the view's window before the press: the lines beyond
// the dragged one move with it, the drag stops 144 twips past the line
// before and at the page's edge, snaps to the grid, and the outer top and
// left lines stay.
#include "tests/model/tracking_view.h"
#include "tests/objects/table_test_support.h"

#include "forms/model/tracker_geometry.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using TableDragTest = TableTest;

// Two columns and two rows at (1500, 1500)-(4500, 3000): on the window
// (15 twips to the pixel) its column lines lie at 100, 200 and 300, its row
// lines at 100, 150 and 200.
struct DragCase {
    const char* what;
    bool columnLine;
    int index;
    int32_t grid;
    int16_t pageWidth;
    int releaseAt; // the pointer along the drag, in pixels
    std::vector<int32_t> columns;
    std::vector<int32_t> rows;
    RECT rect;
};

TEST_F(TableDragTest, ADraggedLineTakesTheLinesBeyondItAlongWithinItsLimits)
{
    const std::vector<int32_t> columns {1500, 3000, 4500};
    const std::vector<int32_t> rows {1500, 2250, 3000};
    const DragCase cases[] = {
        // 213 pixels are 3195 twips, snapped to 3200.
        {"an inner line +200 widens the table by 200", true, 1, 100, 12240, 213, {1500, 3200, 4700}, rows,
            {1500, 1500, 4700, 3000}},
        {"no nearer than 144 to the line before", true, 1, 0, 12240, 20, {1500, 1644, 3144}, rows,
            {1500, 1500, 3144, 3000}},
        {"the far edge stops at the page's edge", true, 1, 0, 6000, 390, {1500, 4500, 6000}, rows,
            {1500, 1500, 6000, 3000}},
        {"the last line", true, 2, 0, 12240, 320, {1500, 3000, 4800}, rows, {1500, 1500, 4800, 3000}},
        {"a row line", false, 1, 0, 12240, 160, columns, {1500, 2400, 3150}, {1500, 1500, 4500, 3150}},
        {"the outer left line stays", true, 0, 0, 12240, 50, columns, rows, {1500, 1500, 4500, 3000}},
        {"the outer top line stays", false, 0, 0, 12240, 50, columns, rows, {1500, 1500, 4500, 3000}},
    };
    for (const DragCase& c : cases) {
        SCOPED_TRACE(c.what);
        TrackView view;
        view.grid = c.grid;
        view.pageWidth = c.pageWidth;
        auto table = MakeTable(2, 2, false, false, {1500, 1500, 4500, 3000});
        table->Select(&view);
        FBDRY* line = c.columnLine ? table->GetColumnBoundary(c.index) : table->GetRowBoundary(c.index);
        table->SetCurrentObject(line, &view);

        const int along = c.columnLine ? 100 + 100 * c.index : 100 + 50 * c.index;
        const POINT press = c.columnLine ? POINT {along, 125} : POINT {150, along};
        const POINT release = c.columnLine ? POINT {c.releaseAt, 125} : POINT {150, c.releaseAt};
        view.PostMove((press.x + release.x) / 2, (press.y + release.y) / 2);
        view.PostMove(release.x, release.y);
        view.PostRelease(release.x, release.y);
        const QImage before = view.Picture();
        EXPECT_EQ(table->Track(&view, press.x, press.y), 0);
        EXPECT_EQ(view.Picture(), before) << "the drag's outline is gone";

        EXPECT_EQ(Columns(*table), c.columns);
        EXPECT_EQ(Rows(*table), c.rows);
        RECT r;
        table->GetRect(r);
        EXPECT_EQ(r, c.rect);
        EXPECT_FALSE(table->IsDraggingBoundary());
        // The parts stand on the new lines.
        RECT cell;
        table->GetCell(1, 1)->GetRect(cell);
        EXPECT_EQ(cell, (RECT {c.columns[1], c.rows[1], c.columns[2], c.rows[2]}));
    }
}

TEST_F(TableDragTest, ACancelledDragLeavesTheLinesWhereTheyWereAndShowsThemAgain)
{
    TrackView view;
    auto table = MakeTable(2, 2, false, false, {1500, 1500, 4500, 3000});
    table->Select(&view);
    table->SetCurrentObject(table->GetColumnBoundary(1), &view);
    view.invalidRects.clear();
    view.PostMove(230, 125);
    view.PostEscape();
    view.PostRelease(230, 125);
    EXPECT_EQ(table->Track(&view, 200, 125), 0);
    EXPECT_EQ(Columns(*table), (std::vector<int32_t> {1500, 3000, 4500}));
    // The drag showed the table without its lines; they are drawn again.
    RECT whole;
    {
        VIEWDC dc(&view, kOwnWindow);
        table->GetUpdateRect(whole, dc, 1);
    }
    ASSERT_EQ(view.invalidRects.size(), 2u);
    EXPECT_EQ(view.invalidRects.back(), whole);
}

TEST_F(TableDragTest, ALineShowsTheSplitCursorAcrossItAndAHeaderLineTheArrow)
{
    TrackView view;
    auto table = MakeTable(2, 2, true, true, {1500, 1500, 6000, 3750});
    // Column lines at 200, 300 and 400, row lines at 150, 200 and 250; the
    // column-header line at 100 from 200 to 400.
    const struct {
        const char* what;
        FBDRY* line;
        POINT pointer;
        int answer;
        Qt::CursorShape shape;
    } cases[] = {
        {"a column line", table->GetColumnBoundary(1), {300, 225}, 1, Qt::SplitHCursor},
        {"a row line", table->GetRowBoundary(1), {350, 200}, 1, Qt::SplitVCursor},
        {"the column-header line", table->GetColumnHeaderLine(), {350, 100}, 1, Qt::ArrowCursor},
        {"off the line", table->GetColumnBoundary(1), {320, 225}, 0, Qt::ArrowCursor},
    };
    for (const auto& c : cases) {
        view.window.setCursor(Qt::CrossCursor);
        view.pointer = c.pointer;
        EXPECT_EQ(c.line->SetCursor(&view, kHitClient), c.answer) << c.what;
        EXPECT_EQ(view.window.cursor().shape(), c.answer ? c.shape : Qt::CrossCursor) << c.what;
    }
}

TEST_F(TableDragTest, AHandleResizesTheTableNoSmallerThanItsMinimum)
{
    TrackView view;
    auto table = MakeTable(2, 2, true, true, {1500, 1500, 4500, 3000});
    table->Select(&view);
    table->SetCurrentObject(table->GetCell(0, 0), &view);
    // The bottom-right handle from (300, 200) far up and left.
    view.PostMove(200, 150);
    view.PostMove(20, 20);
    view.PostRelease(20, 20);
    EXPECT_EQ(table->Track(&view, 302, 202), 1);
    EXPECT_EQ(table->GetCurrentObject(), nullptr) << "a handle ends the current part";
    RECT r;
    table->GetRect(r);
    EXPECT_EQ(r, (RECT {1500, 1500, 1500 + 3 * 144, 1500 + 3 * 144}));
    const std::vector<int32_t> columns = Columns(*table);
    for (size_t k = 1; k < columns.size(); ++k)
        EXPECT_GE(columns[k] - columns[k - 1], 144);
    EXPECT_GE(columns[0] - 1500, 144) << "the row-header band";
}

} // namespace
