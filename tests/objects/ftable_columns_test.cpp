// Whole columns and rows of a table as its current part: made at a cell,
// reading their cells' common look and setting it on every cell, a column's
// name checked against the others and renaming the cells, never saved; and
// the table's look by part.
#include "tests/model/selection_view.h"
#include "tests/objects/table_test_support.h"

#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/textattr.h"
#include "forms/objects/tablecolrow.h"
#include "forms/res/program_resources.h"

#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Lines at 480, 960, 1440 and 1920 across, 480, 960 ... 2400 down, one twip
// to the device unit: a 3 x 4 table with both header bands.
constexpr RECT kPlace {0, 0, 1920, 2400};

// A point inside cell (c, r) of that table, and inside its headers.
POINT InCell(int c, int r)
{
    return {480 * (c + 1) + 240, 480 * (r + 1) + 240};
}

class TableColumnsTest : public TableTest {
protected:
    TableColumnsTest()
    {
        g_twipsPerDevice = 1;
        table = MakeTable(3, 4, true, true, kPlace);
    }

    static uint32_t ShadeOf(FORMOBJ* part)
    {
        BASICSHADE shown;
        part->GetShade(&shown);
        return shown.colour2;
    }

    TABLECOLROW* Select(uint8_t kind, POINT p)
    {
        if (!table->SelectColumnOrRow(&view, kind, p.x, p.y))
            return nullptr;
        return dynamic_cast<TABLECOLROW*>(table->GetCurrentObject());
    }

    FakeView view;
    std::unique_ptr<FTABLE> table;
};

TEST_F(TableColumnsTest, AColumnOrARowStandsForTheLineThroughTheCellAtThePoint)
{
    const struct {
        const char* what;
        uint8_t kind;
        POINT p;
        uint8_t type;
        uint16_t index;
        RECT rect;
    } cases[] = {
        {"the column of cell (1, 2)", kTypeColumn, InCell(1, 2), kTypeColumn, 1, {960, 480, 1440, 2400}},
        {"the row of cell (1, 2)", kTypeRow, InCell(1, 2), kTypeRow, 2, {480, 1440, 1920, 1920}},
        {"the last column", kTypeColumn, InCell(2, 0), kTypeColumn, 2, {1440, 480, 1920, 2400}},
        {"any other kind makes a row", kTypeCell, InCell(0, 3), kTypeRow, 3, {480, 1920, 1920, 2400}},
    };
    for (const auto& c : cases) {
        TABLECOLROW* line = Select(c.kind, c.p);
        ASSERT_NE(line, nullptr) << c.what;
        EXPECT_EQ(line->GetType(), c.type) << c.what;
        EXPECT_EQ(line->GetIndex(), c.index) << c.what;
        RECT r;
        line->GetRect(r);
        EXPECT_EQ(r, c.rect) << c.what;
        EXPECT_EQ(line->GetSelected(), 1) << c.what;
        EXPECT_EQ(table->CanCut() + table->CanCopy() + table->CanAlign(), 0) << c.what;
        EXPECT_EQ(line->CanCut() + line->CanCopy() + line->CanAlign(), 0) << c.what;
        EXPECT_EQ(line->Clone(), nullptr) << c.what;
    }
    const struct {
        const char* what;
        POINT p;
    } misses[] = {
        {"a column header", {1200, 240}},
        {"a row header", {240, 1200}},
        {"the empty corner", {240, 240}},
    };
    for (const auto& m : misses) {
        table->SetCurrentObject(table->GetCell(0, 0), &view);
        EXPECT_EQ(table->SelectColumnOrRow(&view, kTypeColumn, m.p.x, m.p.y), 0) << m.what;
        EXPECT_EQ(table->GetCurrentObject(), nullptr) << m.what << ": the current part ends all the same";
        EXPECT_EQ(table->GetCell(0, 0)->GetSelected(), 0) << m.what;
    }
}

TEST_F(TableColumnsTest, TheColumnAtTheCurrentCellIsMadeOnceAndOnlyFromACell)
{
    table->SetCurrentObject(table->GetCell(2, 1), &view);
    FORMOBJ* column = table->SelectColumnOrRowAt(&view);
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->GetType(), kTypeColumn);
    EXPECT_EQ(static_cast<TABLECOL*>(column)->GetIndex(), 2);
    EXPECT_EQ(table->GetCurrentObject(), column);
    EXPECT_EQ(table->GetCell(2, 1)->GetSelected(), 0) << "the cell is no longer current";
    EXPECT_EQ(table->SelectColumnOrRowAt(&view), column) << "asked again, the same column";

    const struct {
        const char* what;
        FORMOBJ* part;
    } others[] = {
        {"nothing current", nullptr},
        {"a header", table->GetColumnHeader(0)},
        {"a line", table->GetRowBoundary(1)},
    };
    for (const auto& o : others) {
        table->SetCurrentObject(o.part, &view);
        EXPECT_EQ(table->SelectColumnOrRowAt(&view), nullptr) << o.what;
        EXPECT_EQ(table->GetCurrentObject(), o.part) << o.what;
    }
    ASSERT_NE(Select(kTypeRow, InCell(0, 0)), nullptr);
    EXPECT_EQ(table->SelectColumnOrRowAt(&view), nullptr) << "a row is no column";
}

TEST_F(TableColumnsTest, ALineReadsItsCellsCommonLookAndSetsItOnEveryCell)
{
    BASICSHADE grey;
    grey.colour2 = 0xC0C0C0;
    table->GetCell(1, 2)->SetShade(grey);
    TEXTATTR bold;
    bold.Reset();
    bold.bold = 1;
    table->GetCell(1, 3)->SetFont(bold);
    table->GetCell(1, 0)->SetAlignment(2);

    TABLECOLROW* column = Select(kTypeColumn, InCell(1, 0));
    ASSERT_NE(column, nullptr);
    BASICSHADE shade;
    EXPECT_EQ(column->GetShade(&shade), 1);
    EXPECT_TRUE(shade.IsSpecialPattern()) << "two shades: mixed";
    TEXTATTR font;
    EXPECT_EQ(column->GetFont(&font), 1);
    EXPECT_EQ(font.bold, kMixedFlag) << "bold in one cell only";
    EXPECT_EQ(font.size, 240) << "a size all cells share stays";
    uint8_t align = 0;
    EXPECT_EQ(column->GetAlignment(&align), 1);
    EXPECT_EQ(align, 0x5D);

    // Through the table, as the format commands reach it.
    BASICSHADE red;
    red.colour2 = 0x0000FF;
    table->SetShade(red);
    table->SetAlignment(1);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(ShadeOf(table->GetCell(1, r)), 0x0000FFu) << r;
        EXPECT_EQ(ShadeOf(table->GetCell(0, r)), 0xFFFFFFu) << r;
        EXPECT_EQ(ShadeOf(table->GetCell(2, r)), 0xFFFFFFu) << r;
    }
    EXPECT_EQ(ShadeOf(table->GetColumnHeader(1)), 0xFFFFFFu) << "headers are no part of the column";
    EXPECT_EQ(column->GetShade(&shade), 1);
    EXPECT_FALSE(shade.IsSpecialPattern());
    EXPECT_EQ(column->GetAlignment(&align), 1);
    EXPECT_EQ(align, 1);

    TABLECOLROW* row = Select(kTypeRow, InCell(0, 3));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetShade(&shade), 1);
    EXPECT_TRUE(shade.IsSpecialPattern()) << "the row crosses the red column";
    table->SetFont(bold);
    for (int c = 0; c < 3; ++c) {
        table->GetCell(c, 3)->GetFont(&font);
        EXPECT_EQ(font.bold, 1) << c;
        table->GetCell(c, 2)->GetFont(&font);
        EXPECT_EQ(font.bold, 0) << c;
    }
    table->SetAlignment(3);
    uint8_t cellAlign = 0;
    table->GetCell(0, 3)->GetAlignment(&cellAlign);
    EXPECT_EQ(cellAlign, 0) << "a row sets only its own alignment";
}

TEST_F(TableColumnsTest, ALinesBorderIsItsFirstLinesAndSameOnlyWhenBothLinesAgree)
{
    BORDER thick;
    thick.width = 80;
    table->GetColumnBoundary(2)->SetBorder(thick);
    const struct {
        const char* what;
        uint8_t kind;
        POINT p;
        int answer;
        uint16_t width;
    } cases[] = {
        {"column 0 between two plain lines", kTypeColumn, InCell(0, 0), 1, BORDER().width},
        {"column 1 with a thick right line", kTypeColumn, InCell(1, 0), 0, BORDER().width},
        {"column 2 with a thick left line", kTypeColumn, InCell(2, 0), 0, 80},
        {"a row", kTypeRow, InCell(0, 1), 1, BORDER().width},
    };
    for (const auto& c : cases) {
        TABLECOLROW* line = Select(c.kind, c.p);
        ASSERT_NE(line, nullptr) << c.what;
        BORDER border;
        EXPECT_EQ(line->GetBorder(&border), c.answer) << c.what;
        EXPECT_EQ(border.width, c.width) << c.what;
        line->SetBorder(BORDER(0, 200, 1, 0, 0, 0));
    }
    BORDER after;
    table->GetColumnBoundary(1)->GetBorder(&after);
    EXPECT_EQ(after.width, BORDER().width) << "a line's border is set on no boundary";
}

TEST_F(TableColumnsTest, AttributesComeFromTheFirstCellAndARowHasNoDataType)
{
    table->GetCell(1, 0)->SetHelpText("first");
    table->GetCell(1, 1)->SetHelpText("second");
    for (uint8_t kind : {kTypeColumn, kTypeRow}) {
        TABLECOLROW* line = Select(kind, InCell(1, 0));
        ASSERT_NE(line, nullptr);
        std::string help;
        EXPECT_EQ(line->GetAttribute(3, reinterpret_cast<uintptr_t>(&help)), 1);
        EXPECT_EQ(help, kind == kTypeColumn ? "first" : "");
        DATATYPE* type = nullptr;
        const int answer = line->GetAttribute(1, reinterpret_cast<uintptr_t>(&type));
        EXPECT_EQ(answer, kind == kTypeColumn ? 1 : 0);
        EXPECT_EQ(type, kind == kTypeColumn ? table->GetCell(1, 0)->GetDataType() : nullptr);
        EXPECT_EQ(table->GetAttribute(1, reinterpret_cast<uintptr_t>(&type)), answer) << "through the table";
    }
}

TEST_F(TableColumnsTest, AColumnNameIsCheckedAgainstTheOtherColumnsInAnyCase)
{
    std::vector<std::string> shown;
    ui::ScopedMessageBoxHook hook {[&](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::IDOK;
    }};
    const std::string taken = ProgramResources().LoadString(293);
    TABLECOLROW* column = Select(kTypeColumn, InCell(1, 0));
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->GetName(), "ColB");
    std::string typeName;
    column->GetTypeName(typeName);
    EXPECT_EQ(typeName, "Col");
    const struct {
        std::string typed;
        int answer;
        std::string becomes;
        bool refusedAsTaken;
    } cases[] = {
        {"price", 1, "Price", false},
        {"COLB", 1, "Colb", false},
        {"colc", 0, "", true},
        {"COLA", 0, "", true},
        {"9lives", 0, "", false},
        {"", 0, "", false},
    };
    for (const auto& c : cases) {
        shown.clear();
        std::string name = c.typed;
        EXPECT_EQ(column->ExtCheck(name, 0), c.answer) << c.typed;
        if (c.answer) {
            EXPECT_EQ(name, c.becomes) << c.typed;
            EXPECT_TRUE(shown.empty()) << c.typed;
        } else {
            ASSERT_EQ(shown.size(), 1u) << c.typed;
            EXPECT_EQ(shown[0] == taken, c.refusedAsTaken) << c.typed << ": " << shown[0];
        }
    }
}

TEST_F(TableColumnsTest, NamingAColumnRenamesItsCellsAndOtherCodesReachEveryCellOfIt)
{
    TABLECOLROW* column = Select(kTypeColumn, InCell(1, 0));
    ASSERT_NE(column, nullptr);
    // As the data sheet writes back: through the table to its current part.
    table->OnEvent(8, reinterpret_cast<uintptr_t>("Price"), reinterpret_cast<uintptr_t>(&view));
    table->OnEvent(3, reinterpret_cast<uintptr_t>("help"), reinterpret_cast<uintptr_t>(&view));
    table->OnEvent(6, 1, reinterpret_cast<uintptr_t>(&view));
    std::string full;
    table->GetCell(1, 1)->GetFullName(full);
    EXPECT_EQ(full, "T1.Price[2]");
    EXPECT_EQ(column->GetName(), "Price");
    uint16_t id = 0;
    EXPECT_EQ(table->FindCellByName("T1.Price[4]", id), 1);
    EXPECT_EQ(id, table->GetCell(1, 3)->GetFieldID());
    EXPECT_EQ(table->FindCellByName("T1.ColB[4]", id), 0);
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(table->GetCell(1, r)->GetHelpText(), "help") << r;
        EXPECT_TRUE(table->GetCell(1, r)->IsProtected()) << r;
        EXPECT_EQ(table->GetCell(2, r)->GetHelpText(), "") << r;
        EXPECT_FALSE(table->GetCell(0, r)->IsProtected()) << r;
    }
    std::string other;
    table->GetColumnName(other, 2);
    EXPECT_EQ(other, "ColC");

    // A new column object for the renamed column shows the new name and the
    // cells' switches.
    column = Select(kTypeColumn, InCell(1, 3));
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->GetName(), "Price");
    EXPECT_TRUE(column->IsProtected());
    EXPECT_EQ(column->GetHelpText(), "help");
}

TEST_F(TableColumnsTest, ACurrentColumnOrRowChangesNoSavedByte)
{
    const auto bytes = [this] { return Written([this](RECORDARCHIVE& ar) { table->Save(ar, kTypeTable); }); };
    const std::vector<uint8_t> before = bytes();
    for (uint8_t kind : {kTypeColumn, kTypeRow}) {
        ASSERT_NE(Select(kind, InCell(2, 2)), nullptr);
        EXPECT_EQ(bytes(), before) << int(kind);
    }
    table->Deselect(&view);
    EXPECT_EQ(table->GetCurrentObject(), nullptr);
    EXPECT_EQ(bytes(), before);
}

TEST_F(TableColumnsTest, ARebuildEndsTheCurrentPartAndFreesTheLineObject)
{
    // Create rebuilds every part, as loading does; a column or cell left
    // current would be a freed part the next command reaches.
    for (uint8_t kind : {kTypeColumn, kTypeCell}) {
        if (kind == kTypeColumn)
            ASSERT_NE(Select(kind, InCell(1, 1)), nullptr);
        else
            table->SetCurrentObject(table->GetCell(1, 1), &view);
        ASSERT_EQ(table->Create(2, 2, 1, 0), 1);
        EXPECT_EQ(table->GetCurrentObject(), nullptr) << int(kind);
        EXPECT_EQ(table->CanCut(), 1) << int(kind);
        table->RecalcLayout(0, 0, 1440, 1440, 1);
        BASICSHADE red;
        red.colour2 = 0x0000FF;
        table->SetShade(red);
        EXPECT_EQ(ShadeOf(table->GetCell(1, 1)), 0x0000FFu) << int(kind);
        table->Deselect(&view);
        table = MakeTable(3, 4, true, true, kPlace);
    }
}

TEST_F(TableColumnsTest, PartWiseLooksGoToOnePartAndAreReadFromItsFirstMember)
{
    BASICSHADE grey;
    grey.colour2 = 0xC0C0C0;
    TEXTATTR italic;
    italic.Reset();
    italic.italic = 1;
    using Part = FORMOBJ* (*)(FTABLE&);
    const Part rowHeader = [](FTABLE& t) -> FORMOBJ* { return t.GetRowHeader(3); };
    const Part columnHeader = [](FTABLE& t) -> FORMOBJ* { return t.GetColumnHeader(2); };
    const Part cell = [](FTABLE& t) -> FORMOBJ* { return t.GetCell(2, 3); };
    const struct {
        const char* what;
        int part;
        Part changed;
        std::vector<Part> unchanged;
    } cases[] = {
        {"row headers", 1, rowHeader, {columnHeader, cell}},
        {"column headers", 2, columnHeader, {rowHeader, cell}},
        {"cells", 0, cell, {rowHeader, columnHeader}},
        {"cells, any other part", 7, cell, {rowHeader, columnHeader}},
    };
    for (const auto& c : cases) {
        table = MakeTable(3, 4, true, true, kPlace);
        table->SetPartShade(grey, c.part);
        table->SetPartTextAttr(italic, c.part);
        table->SetPartAlign(2, c.part);
        TEXTATTR font;
        uint8_t align = 0;
        FORMOBJ* changed = c.changed(*table);
        EXPECT_EQ(ShadeOf(changed), 0xC0C0C0u) << c.what;
        changed->GetFont(&font);
        EXPECT_EQ(font.italic, 1) << c.what;
        changed->GetAlignment(&align);
        EXPECT_EQ(align, 2) << c.what;
        for (Part other : c.unchanged) {
            EXPECT_EQ(ShadeOf(other(*table)), 0xFFFFFFu) << c.what;
            other(*table)->GetFont(&font);
            EXPECT_EQ(font.italic, 0) << c.what;
        }
        BASICSHADE read;
        const int shadeRead = c.part == 1 ? table->GetRowHeaderShade(&read)
            : c.part == 2                 ? table->GetColumnHeaderShade(&read)
                                          : table->GetCellShade(&read);
        EXPECT_EQ(shadeRead, 1) << c.what;
        EXPECT_EQ(read.colour2, 0xC0C0C0u) << c.what;
        const int fontRead = c.part == 1 ? table->GetRowHeaderTextAttr(&font)
            : c.part == 2                ? table->GetColumnHeaderTextAttr(&font)
                                         : table->GetCellTextAttr(&font);
        EXPECT_EQ(fontRead, 1) << c.what;
        EXPECT_EQ(font.italic, 1) << c.what;
        const int alignRead = c.part == 1 ? table->GetRowHeaderAlign(&align)
            : c.part == 2                 ? table->GetColumnHeaderAlign(&align)
                                          : table->GetCellAlign(&align);
        EXPECT_EQ(alignRead, 1) << c.what;
        EXPECT_EQ(align, 2) << c.what;
    }

    BORDER thick;
    thick.width = 80;
    table->GetColumnBoundary(0)->SetBorder(thick);
    BORDER read;
    EXPECT_EQ(table->GetGridBorder(&read), 1);
    EXPECT_EQ(read.width, 80);
    EXPECT_EQ(table->GetColumnHeaderBorder(&read), 1);
    EXPECT_EQ(read.width, BORDER().width);

    // A table without header bands.
    auto bare = MakeTable(2, 2, false, false);
    uint8_t align = 0;
    BASICSHADE shade;
    TEXTATTR font;
    EXPECT_EQ(bare->GetColumnHeaderAlign(&align), 0);
    EXPECT_EQ(align, ']');
    align = 0;
    EXPECT_EQ(bare->GetRowHeaderAlign(&align), 0);
    EXPECT_EQ(align, ']');
    EXPECT_EQ(bare->GetColumnHeaderShade(&shade), 0);
    EXPECT_EQ(bare->GetRowHeaderTextAttr(&font), 0);
    EXPECT_EQ(bare->GetColumnHeaderBorder(&read), 0);
    bare->SetPartShade(shade, 2);
    EXPECT_EQ(bare->GetCellAlign(&align), 1);
}

class SelectionColumnsTest
    : public TableTest
    , public SelectionFixture {
protected:
    SelectionColumnsTest()
    {
        g_twipsPerDevice = 1;
        auto made = MakeTable(3, 4, true, true, kPlace);
        table = made.get();
        objects.SetObjectPage(std::move(made), 1);
        box = Add("Box", {3000, 3000, 4000, 4000});
    }

    FTABLE* table = nullptr;
    TestBox* box = nullptr;
};

TEST_F(SelectionColumnsTest, AColumnOrRowIsSelectedOnlyOnACellOfTheOneSelectedTable)
{
    table->Select(&view);
    const struct {
        const char* what;
        POINT p;
        int answer;
    } cases[] = {
        {"a cell", InCell(1, 2), 1},
        {"the last cell", InCell(2, 3), 1},
        {"a column header", {1200, 240}, 0},
        {"a row header", {240, 1200}, 0},
        {"the empty corner", {240, 240}, 0},
        {"off the table", {2500, 1200}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(selection.CanSelectColumn(&view, c.p.x, c.p.y), c.answer) << c.what;

    const POINT at = InCell(0, 1);
    selection.SelectColumnOrRow(&view, kTypeRow, at.x, at.y);
    auto* row = dynamic_cast<TABLEROW*>(table->GetCurrentObject());
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->GetIndex(), 1);
    selection.SelectColumnOrRow(&view, kTypeColumn, at.x, at.y);
    auto* column = dynamic_cast<TABLECOL*>(table->GetCurrentObject());
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->GetIndex(), 0);

    box->Select(&view);
    EXPECT_EQ(selection.CanSelectColumn(&view, at.x, at.y), 0) << "two objects selected";
    table->Deselect(&view);
    EXPECT_EQ(table->GetCurrentObject(), nullptr);
    EXPECT_EQ(selection.CanSelectColumn(&view, 3500, 3500), 0) << "a box alone";
    selection.SelectColumnOrRow(&view, kTypeColumn, at.x, at.y);
    EXPECT_EQ(table->GetCurrentObject(), nullptr) << "the table is not selected";
}

} // namespace
