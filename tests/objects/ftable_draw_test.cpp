// The table's drawing on the recording surface: the order of lines,
// headers and cells, cells kept inside the lines, a context that draws
// fields only, no tracker on paper; its hit testing, and the update
// rectangle of a boundary.
#include "tests/model/shape_fixtures.h"
#include "tests/objects/table_test_support.h"

#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/shade.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using TableDrawTest = TableTest;

BORDER Line(uint32_t colour, uint16_t width = 20)
{
    BORDER line;
    line.colour = colour;
    line.width = width;
    return line;
}

BASICSHADE Fill(uint32_t background)
{
    BASICSHADE fill;
    fill.colour2 = background;
    return fill;
}

void SetValue(FCELL& cell, const std::string& value)
{
    dynamic_cast<TEXTDATATYPE*>(cell.GetDataType())->strValue = value;
}

// Every kind of part in a colour of its own: the lines by their border
// colour, the fills by their background.
std::unique_ptr<FTABLE> ColouredTable()
{
    auto table = TableTest::MakeTable(2, 2, true, true, {0, 0, 1500, 1500});
    for (int j = 0; j <= 2; ++j) {
        table->GetRowHeaderBoundary(j)->SetBorder(Line(0x01));
        table->GetRowBoundary(j)->SetBorder(Line(0x03));
    }
    for (int i = 0; i <= 2; ++i) {
        table->GetColumnHeaderBoundary(i)->SetBorder(Line(0x04));
        table->GetColumnBoundary(i)->SetBorder(Line(0x06));
    }
    table->GetColumnHeaderLine()->SetBorder(Line(0x02));
    table->GetRowHeaderLine()->SetBorder(Line(0x05));
    for (int i = 0; i < 2; ++i) {
        table->GetColumnHeader(i)->SetShade(Fill(0xA0));
        table->GetRowHeader(i)->SetShade(Fill(0xA1));
    }
    table->ForEachCell([](FORMOBJ& cell) { cell.SetShade(Fill(0xB0)); });
    return table;
}

// The colour a filled rectangle stands for: a line's or a fill's.
uint32_t PartColour(const gdi::RecordedCall& call)
{
    return call.state.brush.style == gdi::BS_SOLID ? call.state.brush.colour : call.state.bkColour;
}

TEST_F(TableDrawTest, LinesComeFirstThenTheHeadersThenTheCells)
{
    auto table = ColouredTable();
    Mapped mapped;
    table->Draw(mapped.dc);
    std::vector<uint32_t> order;
    for (const auto& call : mapped.Calls())
        if (call.name == "PatBlt" && (order.empty() || order.back() != PartColour(call)))
            order.push_back(PartColour(call));
    // Horizontal lines (row-header boundaries, the column-header line, the
    // row boundaries), vertical lines, column and row headers, cells.
    EXPECT_EQ(order, (std::vector<uint32_t> {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0xA0, 0xA1, 0xB0}));
}

// Lines whose drawn width is even or odd in device units, on the window at
// 1:1 and at 100 % (15 twips a pixel), with and without header bands: no
// cell or header fill and no cell's value reaches a line's bar.
TEST_F(TableDrawTest, CellsAndHeadersNeverPaintOverTheLines)
{
    const struct {
        uint16_t width;
        int twips;
        bool bands;
    } cases[] = {{90, 1, false}, {45, 1, false}, {45, 1, true}, {20, 15, false}, {20, 15, true}, {60, 15, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " twips wide, " + std::to_string(c.twips) + " twips a unit"
            + (c.bands ? ", with bands" : ""));
        auto table = MakeTable(2, 2, c.bands, c.bands, {0, 0, 1440 * c.twips, 1440 * c.twips});
        table->SetBorder(Line(0x06, c.width));
        table->SetFont(Font(IndexOf("Arial"), 200));
        table->ForEachCell([](FORMOBJ& cell) {
            cell.SetShade(Fill(0xB0));
            SetValue(dynamic_cast<FCELL&>(cell), "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
        });
        for (int i = 0; c.bands && i < 2; ++i) {
            table->GetColumnHeader(i)->SetShade(Fill(0xA0));
            table->GetRowHeader(i)->SetShade(Fill(0xA0));
        }
        Mapped mapped(kDeviceWindow, c.twips);
        table->Draw(mapped.dc);
        std::vector<RECT> bars;
        for (const auto& call : mapped.Calls())
            if (call.name == "PatBlt" && call.state.brush.style == gdi::BS_SOLID && call.state.brush.colour == 0x06)
                bars.push_back({call.points[0].x, call.points[0].y, call.points[1].x, call.points[1].y});
        ASSERT_GE(bars.size(), 6u);
        int cellCalls = 0;
        for (const auto& call : mapped.Calls()) {
            // Fills of cells and headers, and the cells' values (a header's
            // short text may be clipped to its whole place).
            const bool fill = call.name == "PatBlt" && call.state.brush.style != gdi::BS_SOLID;
            if (!fill && (call.name != "TextOut" || call.text.rfind("WWW", 0) != 0))
                continue;
            ++cellCalls;
            ASSERT_TRUE(fill || call.state.clip) << "a value is clipped: " << call.ToString();
            for (const RECT& bar : bars) {
                // What the call could paint of the bar: a fill its own
                // rectangle, within the clip if it has one.
                RECT reach = bar;
                if (fill) {
                    reach = {std::max(bar.left, call.points[0].x), std::max(bar.top, call.points[0].y),
                        std::min(bar.right, call.points[1].x), std::min(bar.bottom, call.points[1].y)};
                    if (reach.left >= reach.right || reach.top >= reach.bottom)
                        continue;
                }
                EXPECT_FALSE(!call.state.clip || call.state.clip->Intersects(reach)) << call.ToString();
            }
        }
        EXPECT_GE(cellCalls, 8) << "a fill and a value for each cell";
    }
}

TEST_F(TableDrawTest, AFieldsOnlyContextDrawsTheValuesAndNothingElse)
{
    auto table = ColouredTable();
    table->SetFont(Font(IndexOf("Arial"), 200));
    SetValue(*table->GetCell(0, 1), "one");
    SetValue(*table->GetCell(1, 0), "two");
    for (int fieldsOnly : {0, 1}) {
        SCOPED_TRACE(fieldsOnly);
        Mapped mapped;
        mapped.dc.fieldsOnly = fieldsOnly;
        EXPECT_EQ(table->IsDrawnIn(mapped.dc), 1);
        table->Draw(mapped.dc);
        std::map<std::string, int> texts;
        int others = 0;
        for (const auto& call : mapped.Calls()) {
            // The text engine passes each line with its trailing blank.
            if (call.name == "TextOut")
                ++texts[call.text.substr(0, call.text.find(' '))];
            else
                ++others;
        }
        EXPECT_EQ(texts["one"], 1);
        EXPECT_EQ(texts["two"], 1);
        EXPECT_EQ(others == 0, fieldsOnly == 1);
        EXPECT_EQ(texts.count("A") + texts.count("1"), fieldsOnly ? 0u : 2u) << "header texts";
    }
}

TEST_F(TableDrawTest, TheTrackerShowsOnTheWindowAndNeverOnPaper)
{
    auto table = MakeTable(2, 2, true, true);
    table->Select(nullptr);
    table->SetCurrentObject(table->GetCell(1, 1), nullptr);
    for (uint8_t kind : {kDeviceWindow, kDevicePrinter}) {
        SCOPED_TRACE(int(kind));
        Mapped mapped(kind);
        mapped.dc.drawHandles = 1;
        mapped.dc.outputMode = kOutputDesign;
        table->Draw(mapped.dc);
        int handles = 0;
        for (const auto& call : mapped.Calls())
            if (call.name == "Rectangle" || call.name == "Polygon" || call.name == "Polyline")
                ++handles;
        EXPECT_EQ(handles > 0, kind == kDeviceWindow);
    }
}

TEST_F(TableDrawTest, OnlyTheGridAndTheHeaderBandsAreOnTheTable)
{
    auto table = MakeTable(2, 2, true, true, {0, 0, 1440, 1440});
    Mapped mapped;
    const struct {
        const char* what;
        POINT p;
        int hit;
        FORMOBJ* object;
    } cases[] = {
        {"the empty corner", {240, 240}, 0, nullptr},
        {"the row-header band", {240, 700}, 1, nullptr},
        {"the column-header band", {700, 240}, 1, nullptr},
        {"the first cell", {700, 700}, 1, table->GetCell(0, 0)},
        {"the last cell", {1200, 1200}, 1, table->GetCell(1, 1)},
        {"on the outer right line", {1440, 700}, 0, nullptr},
        {"beyond the table", {2000, 700}, 0, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table->HitTest(mapped.dc, c.p.x, c.p.y), c.hit) << c.what;
        EXPECT_EQ(table->ObjectAt(mapped.dc, c.p.x, c.p.y), c.object) << c.what;
    }
}

TEST_F(TableDrawTest, ABoundarysUpdateRectangleIsAtLeastOneDeviceUnitAcross)
{
    auto table = MakeTable(2, 2, false, false, {0, 0, 1500, 1500});
    // 15 twips to the device unit.
    Mapped mapped(kDeviceWindow, 15, 1);
    const struct {
        const char* what;
        FBDRY* line;
        uint16_t width;
        bool selected;
        int32_t across;
    } cases[] = {
        {"a hairline column line", table->GetColumnBoundary(1), 1, false, 1},
        {"a hairline row line", table->GetRowBoundary(1), 1, false, 1},
        {"a line 4 units wide", table->GetColumnBoundary(1), 60, false, 4},
        {"a selected line with its handles", table->GetRowBoundary(1), 1, true, 12},
    };
    for (const auto& c : cases) {
        c.line->SetBorder(Line(0, c.width));
        c.line->SetSelectFlag(c.selected ? 1 : 0);
        RECT update;
        c.line->GetUpdateRect(update, mapped.dc, 1);
        const int32_t across = c.line->IsColumnLine() ? update.right - update.left : update.bottom - update.top;
        EXPECT_GE(across, c.across) << c.what;
        // The line lies at 750 twips, 50 units, across its length.
        if (c.line->IsColumnLine()) {
            EXPECT_LE(update.left, 50) << c.what;
            EXPECT_GE(update.right, 50) << c.what;
        } else {
            EXPECT_LE(update.top, 50) << c.what;
            EXPECT_GE(update.bottom, 50) << c.what;
        }
    }
}

TEST_F(TableDrawTest, ACellsDropButtonIs13DeviceUnitsAtItsRightEdgeButNoWiderThanTheCell)
{
    // 15 twips to the device unit: 13 units are 195 twips.
    Mapped mapped(kDeviceWindow, 15, 1);
    const struct {
        RECT rect;
        int32_t width;
    } cases[] = {{{0, 0, 1500, 600}, 195}, {{0, 0, 300, 600}, 150}};
    for (const auto& c : cases) {
        auto table = MakeTable(2, 2, false, false, c.rect);
        RECT cell;
        table->GetCell(1, 0)->GetRect(cell);
        RECT button;
        table->GetCell(1, 0)->GetDropButtonRect(button, mapped.dc);
        EXPECT_EQ(button.right, cell.right);
        EXPECT_EQ(button.right - button.left, c.width);
    }
}

TEST_F(TableDrawTest, AMovedTableTakesEveryLineAndPartAlong)
{
    auto table = MakeTable(2, 2, true, true, {0, 0, 1440, 1440});
    table->Offset(100, 50, nullptr);
    EXPECT_EQ(Columns(*table), (std::vector<int32_t> {580, 1060, 1540}));
    EXPECT_EQ(Rows(*table), (std::vector<int32_t> {530, 1010, 1490}));
    RECT r;
    table->GetRowHeader(1)->GetRect(r);
    EXPECT_EQ(r, (RECT {100, 1010, 580, 1490}));
    table->GetColumnHeaderLine()->GetLineRect(r);
    EXPECT_EQ(r.top, 50);
}

} // namespace
