// The table's current part: a press picks the line before the cell or
// header it borders, nothing in the empty corner; appearance commands act
// on the current part, or on every cell and header (every line) without
// one; cut, copy and align wait until no part is current.
#include "tests/objects/table_test_support.h"

#include "forms/model/border.h"
#include "forms/model/shade.h"

#include <gtest/gtest.h>

namespace {

class TablePartsTest : public TableTest {
protected:
    TablePartsTest() { g_twipsPerDevice = 1; }

    FakeView view;
};

TEST_F(TablePartsTest, APressPicksTheLineBeforeWhatItBordersAndNothingInTheCorner)
{
    // Lines at 480, 960 and 1440 both ways; one twip to the device unit.
    auto table = MakeTable(2, 2, true, true, {0, 0, 1440, 1440});
    const struct {
        const char* what;
        POINT p;
        FORMOBJ* part;
    } cases[] = {
        {"on a column line", {960, 700}, table->GetColumnBoundary(1)},
        {"on a row line", {1200, 960}, table->GetRowBoundary(1)},
        {"inside a cell", {700, 1200}, table->GetCell(0, 1)},
        {"a column header", {1200, 240}, table->GetColumnHeader(1)},
        {"a column-header line", {960, 240}, table->GetColumnHeaderBoundary(1)},
        {"a row header", {240, 1200}, table->GetRowHeader(1)},
        {"a row-header line", {240, 960}, table->GetRowHeaderBoundary(1)},
    };
    for (const auto& c : cases) {
        table->SelectPartAt(&view, c.p.x, c.p.y);
        EXPECT_EQ(table->GetCurrentObject(), c.part) << c.what;
        EXPECT_EQ(c.part->GetSelected(), 1) << c.what;
    }
    FORMOBJ* before = table->GetCurrentObject();
    table->SelectPartAt(&view, 240, 240);
    EXPECT_EQ(table->GetCurrentObject(), before) << "the corner picks nothing";
    table->Deselect(&view);
    EXPECT_EQ(table->GetCurrentObject(), nullptr);
    EXPECT_EQ(before->GetSelected(), 0);
}

TEST_F(TablePartsTest, AppearanceGoesToTheCurrentPartOrToTheWholeTable)
{
    auto table = MakeTable(2, 2, true, true);
    BASICSHADE grey;
    grey.colour2 = 0xC0C0C0;
    const auto shadeOf = [](FORMOBJ* part) {
        BASICSHADE shown;
        part->GetShade(&shown);
        return shown.colour2;
    };

    table->SetCurrentObject(table->GetCell(1, 0), &view);
    EXPECT_EQ(table->CanCut() + table->CanCopy() + table->CanAlign(), 0);
    table->SetShade(grey);
    EXPECT_EQ(shadeOf(table->GetCell(1, 0)), 0xC0C0C0u);
    EXPECT_EQ(shadeOf(table->GetCell(0, 0)), 0xFFFFFFu);
    EXPECT_EQ(shadeOf(table->GetColumnHeader(0)), 0xFFFFFFu);
    EXPECT_EQ(shadeOf(table.get()), 0xC0C0C0u) << "the table reports its current part";

    table->EndCurrentObject(&view);
    EXPECT_EQ(table->CanCut() + table->CanCopy() + table->CanAlign(), 3);
    table->SetShade(grey);
    for (FORMOBJ* part : std::initializer_list<FORMOBJ*> {
             table->GetCell(0, 0), table->GetCell(1, 1), table->GetColumnHeader(1), table->GetRowHeader(0)})
        EXPECT_EQ(shadeOf(part), 0xC0C0C0u);

    BORDER thick;
    thick.width = 80;
    table->SetBorder(thick);
    for (FBDRY* line : {table->GetColumnBoundary(0), table->GetRowBoundary(2), table->GetColumnHeaderLine(),
             table->GetRowHeaderBoundary(1), table->GetColumnHeaderBoundary(2)}) {
        BORDER shown;
        line->GetBorder(&shown);
        EXPECT_EQ(shown.width, 80);
    }
    EXPECT_EQ(table->GetCell(0, 0)->GetBorder(nullptr), 0) << "cells have no border";
    BORDER reported;
    EXPECT_EQ(table->GetBorder(&reported), 1);
    EXPECT_EQ(reported.width, 80);
}

} // namespace
