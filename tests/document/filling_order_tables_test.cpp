// Tables and groups in the document's filling order: cells go in row by
// row and stay together, come out together, and come back at their places.
#include "tests/document/document_test_support.h"

#include "forms/model/group_members.h"
#include "forms/model/table_cells.h"

#include <gtest/gtest.h>

namespace {

class GridTable;

class GridCell : public TestField {
public:
    explicit GridCell(GridTable& table)
        : table(table)
    {}
    TABLE_CELLS* GetOwnerTable() const override;

private:
    GridTable& table;
};

// A table of columns by rows of 500 × 300 cells from its top-left corner.
class GridTable
    : public TestBox
    , public TABLE_CELLS {
public:
    GridTable(FDOCUMENT& doc, uint16_t columns, uint16_t rows, POINT at)
        : TestBox(kTypeTable, "table")
        , columns(columns)
        , rows(rows)
    {
        SetPlace(1, {at.x, at.y, at.x + 500 * columns, at.y + 300 * rows});
        for (uint16_t r = 0; r < rows; ++r)
            for (uint16_t c = 0; c < columns; ++c) {
                auto cell = std::make_unique<GridCell>(*this);
                cell->fieldId = doc.GetNextFieldID();
                cell->SetPlace(1, {at.x + 500 * c, at.y + 300 * r, at.x + 500 * (c + 1), at.y + 300 * (r + 1)});
                cells.push_back(std::move(cell));
            }
    }

    FORMOBJ* FindCell(uint16_t id) override
    {
        for (auto& cell : cells)
            if (cell->fieldId == id)
                return cell.get();
        return nullptr;
    }
    bool GetCellPlace(uint16_t, uint16_t&, uint16_t&) override { return false; }
    FORMOBJ* GetCellAt(uint16_t c, uint16_t r) override
    {
        return c < columns && r < rows ? cells[r * columns + c].get() : nullptr;
    }
    FORMOBJ* FindCellByName(std::string_view) override { return nullptr; }
    uint16_t GetColumnCount() const override { return columns; }
    uint16_t GetRowCount() const override { return rows; }
    void ForEachCell(const std::function<void(FORMOBJ&)>& visit) override
    {
        for (auto& cell : cells)
            visit(*cell);
    }
    uint16_t Id(uint16_t c, uint16_t r) { return cells[r * columns + c]->fieldId; }

private:
    uint16_t columns;
    uint16_t rows;
    std::vector<std::unique_ptr<GridCell>> cells;
};

TABLE_CELLS* GridCell::GetOwnerTable() const
{
    return &table;
}

class TablesInOrder : public ::testing::Test {
protected:
    TestField& AddField(RECT r)
    {
        auto f = std::make_unique<TestField>();
        f->fieldId = doc.GetNextFieldID();
        f->SetPlace(1, r);
        TestField& placed = *f;
        doc.GetObjects().SetObjectPage(std::move(f), 1);
        EXPECT_EQ(doc.InsertFieldInOrder(&placed, false), 1);
        return placed;
    }
    GridTable& AddTable(uint16_t columns, uint16_t rows, POINT at)
    {
        auto t = std::make_unique<GridTable>(doc, columns, rows, at);
        GridTable& placed = *t;
        doc.GetObjects().SetObjectPage(std::move(t), 1);
        EXPECT_EQ(doc.InsertFieldInOrder(&placed, false), 1);
        return placed;
    }
    std::vector<uint16_t> Order() const
    {
        std::vector<uint16_t> ids;
        for (int i = 0; i < doc.GetTabOrderCount(); ++i)
            ids.push_back(doc.GetFieldIDAt(i));
        return ids;
    }

    ProgramParts program;
    FormKinds kinds;
    FakeHost host;
    FDOCUMENT doc {&host};
};

TEST_F(TablesInOrder, CellsGoInRowByRowAndStayTogether)
{
    GridTable& alone = AddTable(2, 3, {1000, 1000});
    EXPECT_EQ(Order(), (std::vector<uint16_t> {1, 2, 3, 4, 5, 6})) << "a 2 x 3 table with no other field";

    // A field beside the table's second row still follows all of its
    // cells; one above it comes first; one below it last.
    TestField& beside = AddField({3000, 1300, 3500, 1600});
    TestField& above = AddField({1000, 100, 1500, 400});
    TestField& below = AddField({1000, 5000, 1500, 5300});
    EXPECT_EQ(Order(), (std::vector<uint16_t> {above.fieldId, 1, 2, 3, 4, 5, 6, beside.fieldId, below.fieldId}));
    EXPECT_EQ(above.tabIndex, 0);
    EXPECT_EQ(beside.tabIndex, 7);

    // A second table between them goes in as one block after the field
    // that precedes its first cell.
    GridTable& second = AddTable(2, 1, {1000, 4000});
    EXPECT_EQ(Order(),
        (std::vector<uint16_t> {
            above.fieldId, 1, 2, 3, 4, 5, 6, beside.fieldId, second.Id(0, 0), second.Id(1, 0), below.fieldId}));
    EXPECT_EQ(doc.FindField(alone.Id(1, 2)), alone.GetCellAt(1, 2)) << "cells are found by id";
}

TEST_F(TablesInOrder, ATableLeavesTheOrderWholeAndComesBackAtItsPlaces)
{
    TestField& top = AddField({1000, 100, 1500, 400});
    GridTable& table = AddTable(2, 2, {1000, 1000});
    TestField& bottom = AddField({1000, 5000, 1500, 5300});
    const std::vector<uint16_t> before = Order();
    ASSERT_TRUE(doc.IsInTabOrder(&table));

    doc.RemoveFromTabOrder(&table);
    EXPECT_EQ(Order(), (std::vector<uint16_t> {top.fieldId, bottom.fieldId}));
    EXPECT_FALSE(doc.IsInTabOrder(&table));
    EXPECT_EQ(doc.FindField(table.Id(0, 0)), nullptr) << "the cells left the field index with their table";

    doc.RestoreFields({&table});
    EXPECT_EQ(Order(), before) << "every cell back at its own index";
    EXPECT_EQ(doc.FindField(table.Id(1, 1)), table.GetCellAt(1, 1));

    doc.RemoveFromTabOrder(&table);
    ASSERT_EQ(doc.InsertFieldInOrder(&table, true), 1);
    EXPECT_EQ(Order(), before) << "placing at the own index";
}

TEST_F(TablesInOrder, AGroupsFieldsAndTablesGoInAndOutTogether)
{
    TestField& top = AddField({1000, 100, 1500, 400});
    auto group = std::make_unique<TestGroup>();
    auto member = std::make_unique<TestField>();
    member->fieldId = doc.GetNextFieldID();
    member->SetPlace(1, {1000, 6000, 1500, 6300});
    TestField& field = *member;
    auto table = std::make_unique<GridTable>(doc, 1, 2, POINT {1000, 2000});
    GridTable& inner = *table;
    group->members.AddTail(std::move(member));
    group->members.AddTail(std::move(table));
    TestGroup& placed = *group;
    doc.GetObjects().SetObjectPage(std::move(group), 1);

    ASSERT_EQ(doc.InsertFieldInOrder(&placed, false), 1);
    EXPECT_EQ(Order(), (std::vector<uint16_t> {top.fieldId, inner.Id(0, 0), inner.Id(0, 1), field.fieldId}));
    doc.RemoveFromTabOrder(&placed);
    EXPECT_EQ(Order(), (std::vector<uint16_t> {top.fieldId}));
}

} // namespace
