// The table's names and ids: default column names and header texts, cell
// names and lookups, the cell below in a range, the check of a typed name,
// fresh names and ids for a copy, and copies and masters between tables.
#include "tests/objects/table_test_support.h"

#include "forms/document/fdocument.h"
#include "forms/model/fobjlist.h"
#include "forms/model/shade.h"
#include "forms/res/program_resources.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using TableNamesTest = TableTest;

TEST_F(TableNamesTest, ColumnsAreNamedAndHeadedByTheirLettersAndRowsByTheirNumber)
{
    auto table = MakeTable(53, 2, true, true, {0, 0, 53 * 200, 600});
    const struct {
        int column;
        const char* name;
        const char* header;
    } cases[] = {{0, "ColA", "A"}, {25, "ColZ", "Z"}, {26, "ColAA", "AA"}, {51, "ColAZ", "AZ"}, {52, "ColBA", "BA"}};
    for (const auto& c : cases) {
        std::string name;
        table->GetColumnName(name, c.column);
        EXPECT_EQ(name, c.name);
        EXPECT_EQ(table->GetColumnHeader(c.column)->GetText().View(), c.header);
    }
    EXPECT_EQ(table->GetRowHeader(0)->GetText().View(), "1");
    EXPECT_EQ(table->GetRowHeader(1)->GetText().View(), "2");
}

TEST_F(TableNamesTest, CellsAreFoundByTheirFullNameWithLetterCaseCountingAndById)
{
    auto table = MakeTable(3, 4, true, true);
    FCELL* cell = table->GetCell(1, 2);
    std::string full;
    cell->GetFullName(full);
    EXPECT_EQ(full, "T1.ColB[3]");

    const struct {
        const char* name;
        FORMOBJ* found;
    } cases[] = {{"T1.ColB[3]", cell}, {"t1.colb[3]", nullptr}, {"T1.ColB[03]", nullptr}, {"T1.ColB[5]", nullptr},
        {"T1.ColA[1]", table->GetCell(0, 0)}};
    for (const auto& c : cases) {
        EXPECT_EQ(table->FindCellByName(std::string_view(c.name)), c.found) << c.name;
        uint16_t id = 0;
        EXPECT_EQ(table->FindCellByName(c.name, id), c.found ? 1 : 0) << c.name;
        if (c.found) {
            EXPECT_EQ(id, dynamic_cast<FCELL*>(c.found)->GetFieldID());
        }
    }
    EXPECT_EQ(table->FindCellById(cell->GetFieldID()), cell);
    EXPECT_EQ(table->FindCellById(0x7777), nullptr);
    uint16_t column = 0, row = 0;
    EXPECT_TRUE(table->GetCellPlace(cell->GetFieldID(), column, row));
    EXPECT_EQ(column, 1);
    EXPECT_EQ(row, 2);
    EXPECT_EQ(cell->GetOwnerTable(), table.get());
}

// A lookup by id remembers where it found each cell: ids handed out again
// and a table rebuilt smaller must not answer from what it remembered.
TEST_F(TableNamesTest, ACellFoundByIdIsFoundAgainAfterIdsChangeAndTheTableIsRebuilt)
{
    auto table = MakeTable(3, 4, false, false);
    FCELL* last = table->GetCell(2, 3);
    const uint16_t oldId = last->GetFieldID();
    ASSERT_EQ(table->FindCellById(oldId), last);

    FDOCUMENT doc;
    for (int i = 0; i < 100; ++i)
        doc.GetNextFieldID();
    table->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc)));
    ASSERT_NE(last->GetFieldID(), oldId);
    EXPECT_EQ(table->FindCellById(oldId), nullptr) << "the old id is no cell's now";
    EXPECT_EQ(table->FindCellById(last->GetFieldID()), last);

    // Swapped ids: each is found at its new cell.
    FCELL* first = table->GetCell(0, 0);
    const uint16_t a = first->GetFieldID();
    const uint16_t b = last->GetFieldID();
    first->SetFieldID(b);
    last->SetFieldID(a);
    EXPECT_EQ(table->FindCellById(a), last);
    EXPECT_EQ(table->FindCellById(b), first);

    ASSERT_TRUE(table->Create(1, 1, 0, 0));
    table->GetCell(0, 0)->SetFieldID(a);
    EXPECT_EQ(table->FindCellById(b), nullptr) << "the remembered place is gone";
    EXPECT_EQ(table->FindCellById(a), table->GetCell(0, 0));
}

TEST_F(TableNamesTest, TheCellBelowIsGivenOnlyWhileTheRangeReachesItsRow)
{
    auto table = MakeTable(2, 4, false, false);
    const auto id = [&](int c, int r) { return table->GetCell(c, r)->GetFieldID(); };
    const struct {
        const char* what;
        int row;
        uint16_t last;
        FCELL* below;
    } cases[] = {
        {"a range down to row 3", 0, id(1, 3), table->GetCell(1, 1)},
        {"the range ends in the next row", 1, id(1, 2), table->GetCell(1, 2)},
        {"the range ends in this row", 2, id(1, 2), nullptr},
        {"the last row", 3, id(1, 3), nullptr},
        {"an id of no cell", 0, 0x7777, nullptr},
    };
    for (const auto& c : cases) {
        const FCELL& from = *table->GetCell(1, c.row);
        EXPECT_EQ(table->GetCellBelow(from, c.last), c.below) << c.what;
        EXPECT_EQ(table->GetIdBelow(from, c.last), c.below ? c.below->GetFieldID() : 0) << c.what;
    }
    EXPECT_EQ(table->GetCell(0, 3)->GetCellBelow(), nullptr);
    EXPECT_EQ(table->GetCell(0, 0)->GetCellAbove(), nullptr);
    EXPECT_EQ(table->GetCell(0, 1)->GetCellAbove(), table->GetCell(0, 0));
    EXPECT_EQ(table->GetCell(0, 1)->GetCellBelow(), table->GetCell(0, 2));
}

TEST_F(TableNamesTest, ATypedNameIsTrimmedCheckedCapitalisedAndRefusedWhenAnotherTableHasIt)
{
    std::vector<std::string> shown;
    ui::ScopedMessageBoxHook hook {[&](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::IDOK;
    }};
    FDOCUMENT doc;
    doc.GetObjects().SetObjectPage(MakeTable(2, 2, true, true, {0, 0, 1440, 1440}, "Sales"), 1);
    auto owned = MakeTable(2, 2, true, true, {0, 2000, 1440, 3440}, "Mine");
    FTABLE* table = owned.get();
    doc.GetObjects().SetObjectPage(std::move(owned), 1);
    const auto text = [](uint16_t id) { return ProgramResources().LoadString(id); };
    const struct {
        std::string typed;
        int answer;
        std::string becomes;
        std::string message;
    } cases[] = {
        {"budget  ", 1, "Budget", ""},
        {"BUDGET  ", 1, "Budget", ""},
        {" x", 0, "", text(133)},
        {"T5", 0, "", text(134)},
        {"sALES", 0, "", text(kTableNameTakenId)},
        {"mine", 1, "Mine", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        shown.clear();
        std::string name = c.typed;
        EXPECT_EQ(table->ExtCheck(name, reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc))), c.answer);
        if (c.answer) {
            EXPECT_EQ(name, c.becomes);
            EXPECT_TRUE(shown.empty());
        } else {
            EXPECT_EQ(shown, std::vector<std::string> {c.message});
        }
        EXPECT_EQ(table->GetName(), "Mine") << "the check leaves the table's name alone";
    }
}

// A design view of a document that counts table ids from 5, the table
// counter from 3 and field ids from 40, and holds one table named Sales.
class CopyView : public FakeView {
public:
    class Document : public CountingDocument {
    public:
        uint16_t GetNextTableID() override { return nextTable++; }
        uint16_t GetTableCounter(bool advance) override { return advance ? counter++ : counter; }
        FORMOBJ* FindObjectOfTypeByName(uint8_t type, std::string_view name) override
        {
            return type == kTypeTable && name == "Sales" ? &sales : nullptr;
        }
        TestBox sales {kTypeTable, "Sales"};
        uint16_t nextTable = 5;
        uint16_t counter = 3;
    };
    OBJECT_DOCUMENT* GetObjectDocument() override { return &doc; }
    Document doc;
};

TEST_F(TableNamesTest, ACopyTakesANewNameOnlyWhenItsNameIsTakenOrADefaultOne)
{
    const struct {
        const char* what;
        int sameDocument;
        const char* name;
        const char* becomes;
        bool newIds;
    } cases[] = {
        {"into its own form, name taken", 1, "Sales", "T3", true},
        {"into its own form, name free", 1, "Budget", "Budget", false},
        {"into another form, name free", 0, "Budget", "Budget", true},
        {"into another form, name taken", 0, "Sales", "T3", true},
        {"into another form, a default name", 0, "T1", "T3", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CopyView view;
        auto table = MakeTable(2, 2, false, false, {0, 0, 1440, 1440}, c.name);
        table->SetTableId(1);
        table->DropMasterIfZero(c.sameDocument, reinterpret_cast<uintptr_t>(&view));
        EXPECT_EQ(table->GetName(), c.becomes);
        EXPECT_EQ(table->GetTableId(), c.newIds ? 5 : 1);
        EXPECT_EQ(table->GetCell(1, 1)->GetFieldID(), c.newIds ? 43 : 13);
        EXPECT_EQ(view.doc.counter, std::string(c.becomes) == "T3" ? 4 : 3) << "counted on only when used";
    }
}

TEST_F(TableNamesTest, AppearanceIsTakenOnlyForThePartsBothTablesHave)
{
    BASICSHADE grey;
    grey.colour2 = 0xC0C0C0;
    BASICSHADE white;
    for (const auto& [from, to] : std::vector<std::pair<int, int>> {{3, 2}, {2, 3}}) {
        SCOPED_TRACE(std::to_string(from) + " to " + std::to_string(to));
        auto source = MakeTable(from, from, true, from == 3);
        source->SetShade(grey);
        auto target = MakeTable(to, to, to == 3, true);
        target->TakeAppearanceFrom(*source);
        const int common = std::min(from, to);
        for (int c = 0; c < to; ++c)
            for (int r = 0; r < to; ++r) {
                BASICSHADE shown;
                target->GetCell(c, r)->GetShade(&shown);
                EXPECT_EQ(shown.colour2, c < common && r < common ? grey.colour2 : white.colour2) << c << "," << r;
            }
    }
}

TEST_F(TableNamesTest, ACloneKeepsEveryPartAndItsPartsKnowTheClone)
{
    auto table = MakeTable(3, 2, true, true, {720, 720, 4000, 2000});
    table->SetColumnName(2, "Total");
    table->GetRowHeader(1)->SetText("Sum");
    table->SetTableId(4);
    std::unique_ptr<FORMOBJ> copy = table->Clone();
    auto* clone = dynamic_cast<FTABLE*>(copy.get());
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetName(), "T1");
    EXPECT_EQ(clone->GetTableId(), 4);
    EXPECT_EQ(clone->GetPage(), 0);
    EXPECT_EQ(Columns(*clone), Columns(*table));
    EXPECT_EQ(Rows(*clone), Rows(*table));
    std::string name;
    clone->GetColumnName(name, 2);
    EXPECT_EQ(name, "Total");
    EXPECT_EQ(clone->GetRowHeader(1)->GetText().View(), "Sum");
    EXPECT_EQ(clone->GetCell(2, 1)->GetTable(), clone);
    EXPECT_EQ(clone->GetCell(2, 1)->GetFieldID(), table->GetCell(2, 1)->GetFieldID());
    EXPECT_NE(clone->GetCell(2, 1), table->GetCell(2, 1));
    EXPECT_EQ(clone->GetColumnBoundary(1)->GetTable(), clone);
    EXPECT_EQ(clone->GetRowHeader(1)->GetTable(), clone);
    EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { clone->Save(ar, kTypeTable); }), Written([&](RECORDARCHIVE& ar) {
        table->SetPage(0);
        table->Save(ar, kTypeTable);
    }));
}

TEST_F(TableNamesTest, AMasterTableLendsEachPartTheFirstPartOfItsKind)
{
    auto style = MakeTable(2, 2, true, false);
    auto table = MakeTable(3, 3, true, true);
    table->SetMaster(style.get());
    EXPECT_EQ(table->GetMaster(), style.get());
    EXPECT_EQ(table->GetCell(2, 2)->GetMaster(), style->GetCell(0, 0));
    EXPECT_EQ(table->GetRowBoundary(3)->GetMaster(), style->GetColumnBoundary(0));
    EXPECT_EQ(table->GetColumnHeaderLine()->GetMaster(), style->GetColumnHeaderBoundary(0));
    EXPECT_EQ(table->GetColumnHeader(2)->GetMaster(), style->GetColumnHeader(0));
    EXPECT_EQ(table->GetRowHeader(1)->GetMaster(), nullptr) << "the style has no row headers";

    TestBox box;
    table->SetMaster(&box);
    EXPECT_EQ(table->GetMaster(), style.get()) << "another kind is no master for a table";
    table->SetMaster(nullptr);
    EXPECT_EQ(table->GetCell(2, 2)->GetMaster(), nullptr);
}

TEST_F(TableNamesTest, AHeaderIsNeverLeftEmpty)
{
    auto table = MakeTable(2, 2, true, true);
    FHEADER* header = table->GetColumnHeader(0);
    // Without an editor the text taken is empty.
    EXPECT_EQ(header->TakeEditorText(), 1);
    EXPECT_EQ(header->GetText().View(), " ");
    EXPECT_EQ(header->Track(nullptr, 0, 0), 0);
    EXPECT_EQ(header->CanAlign() + header->CanCut() + header->CanCopy(), 0);
    FCELL* cell = table->GetCell(0, 0);
    EXPECT_EQ(cell->CanAlign() + cell->CanCut() + cell->CanCopy(), 0);
    EXPECT_EQ(cell->GetBorder(nullptr), 0);
}

} // namespace
