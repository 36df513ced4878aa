// Changing a table's counts and header bands on a form: lines kept or added
// where they belong, kept cells keeping ids, types and values, new cells
// taking their neighbours' look, their column's settings and new ids, the
// filling order and the id index following, the current part ended; a
// failure part-way shows its message and leaves the table as it was.
#include "tests/objects/table_test_support.h"

#include "forms/document/ccinterface.h"
#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/border.h"
#include "forms/model/fobjlist.h"
#include "forms/model/shade.h"
#include "forms/objects/table_allocation.h"
#include "forms/objects/tablecolrow.h"
#include "forms/res/program_resources.h"

#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

TABLE_FORMAT Format(int columns, int rows, bool columnHeaders, bool rowHeaders)
{
    TABLE_FORMAT format;
    format.columns = static_cast<uint16_t>(columns);
    format.rows = static_cast<uint16_t>(rows);
    format.columnHeaders = columnHeaders ? 1 : 0;
    format.rowHeaders = rowHeaders ? 1 : 0;
    return format;
}

// The wide limits of a letter page's printable area.
constexpr RECT kPage {720, 720, 11520, 15120};

class ApplyFormatTest : public TableTest {
protected:
    ApplyFormatTest()
    {
        g_twipsPerDevice = 1;
        RegisterDocumentObjects();
    }

    // A table of that shape on page 1 of a new document, its cells with ids
    // from the document and in the filling order between a field above it
    // and a field below it.
    FTABLE* Place(int columns, int rows, bool columnHeaders, bool rowHeaders, RECT r = {720, 720, 2160, 2160})
    {
        doc = std::make_unique<FDOCUMENT>();
        auto heading = MakeField({720, 100, 2000, 400});
        heading->SetName("Heading");
        heading->SetFieldID(doc->GetNextFieldID());
        above = heading.get();
        doc->GetObjects().SetObjectPage(std::move(heading), 1);
        doc->InsertFieldInOrder(above, false);
        auto made = MakeTable(columns, rows, columnHeaders, rowHeaders, r);
        FTABLE* table = made.get();
        table->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(doc.get())));
        doc->GetObjects().SetObjectPage(std::move(made), 1);
        doc->InsertFieldInOrder(table, false);
        auto field = MakeField({720, 14000, 2000, 14300});
        field->SetName("Total");
        field->SetFieldID(doc->GetNextFieldID());
        total = field.get();
        doc->GetObjects().SetObjectPage(std::move(field), 1);
        doc->InsertFieldInOrder(total, false);
        return table;
    }

    int Apply(
        FTABLE& table, const TABLE_FORMAT& format, int respaceColumns = 0, int respaceRows = 0, RECT within = kPage)
    {
        return table.ApplyFormat(
            format, respaceColumns, respaceRows, doc.get(), within.left, within.top, within.right, within.bottom);
    }

    std::vector<uint16_t> Order()
    {
        std::vector<uint16_t> ids;
        for (int i = 0; i < doc->GetTabOrderCount(); ++i)
            ids.push_back(doc->GetFieldIDAt(i));
        return ids;
    }

    // The cells' ids row by row where the table's first cell stands among
    // the fields above and below it (a table moved back within the page may
    // come to stand above the first).
    std::vector<uint16_t> InPositionOrder(FTABLE& table)
    {
        std::vector<uint16_t> ids;
        RECT heading;
        above->GetRect(heading);
        const bool headingFirst = heading.top < table.GetRowPos(0)
            || (heading.top == table.GetRowPos(0) && heading.left < table.GetColumnPos(0));
        if (headingFirst)
            ids.push_back(above->GetFieldID());
        for (int r = 0; r < table.GetRowCount(); ++r)
            for (int c = 0; c < table.GetColumnCount(); ++c)
                ids.push_back(table.GetCell(c, r)->GetFieldID());
        if (!headingFirst)
            ids.push_back(above->GetFieldID());
        ids.push_back(total->GetFieldID());
        return ids;
    }

    static std::vector<uint8_t> Bytes(FTABLE& table)
    {
        return Written([&table](RECORDARCHIVE& ar) { table.Save(ar, kTypeTable); });
    }

    static void SetNumber(FFIELD& field, double value)
    {
        OPERAND operand {};
        operand.nType = kOperandNumber;
        operand.dNumber = value;
        field.GetDataType()->SetFromOperand(operand);
    }

    static double NumberOf(FFIELD& field)
    {
        OPERAND operand {};
        field.GetDataType()->GetOperand(operand);
        return operand.dNumber;
    }

    static uint32_t ShadeOf(FORMOBJ* part)
    {
        BASICSHADE shown;
        part->GetShade(&shown);
        return shown.colour2;
    }

    // What must hold after any change: positions in order, every part in
    // its place and this table's, each cell once in the filling order, row
    // by row between the fields above and below, and found by its id.
    void ExpectWhole(FTABLE& table, const std::set<uint16_t>& gone, const std::string& what)
    {
        const std::vector<int32_t> x = Columns(table);
        const std::vector<int32_t> y = Rows(table);
        EXPECT_TRUE(std::is_sorted(x.begin(), x.end())) << what;
        EXPECT_TRUE(std::is_sorted(y.begin(), y.end())) << what;
        std::set<uint16_t> ids;
        for (int c = 0; c < table.GetColumnCount(); ++c)
            for (int r = 0; r < table.GetRowCount(); ++r) {
                FCELL* cell = table.GetCell(c, r);
                ASSERT_EQ(cell->GetTable(), &table) << what;
                ASSERT_EQ(cell->GetColumn(), c) << what;
                ASSERT_EQ(cell->GetRow(), r) << what;
                EXPECT_TRUE(ids.insert(cell->GetFieldID()).second) << what << ": one id per cell";
                EXPECT_EQ(table.FindCellById(cell->GetFieldID()), cell) << what;
                EXPECT_EQ(doc->FindField(cell->GetFieldID()), cell) << what;
                RECT placed;
                cell->FORMOBJ::GetRect(placed);
                EXPECT_EQ(placed, (RECT {x[c], y[r], x[c + 1], y[r + 1]})) << what;
            }
        for (int i = 0; i <= table.GetColumnCount(); ++i)
            EXPECT_EQ(table.GetColumnBoundary(i)->GetTable(), &table) << what;
        for (int i = 0; i < table.GetColumnCount(); ++i) {
            if (FHEADER* header = table.GetColumnHeader(i)) {
                EXPECT_EQ(header->GetTable(), &table) << what;
            }
        }
        EXPECT_EQ(Order(), InPositionOrder(table)) << what;
        for (uint16_t id : gone)
            if (!ids.count(id)) {
                EXPECT_EQ(table.FindCellById(id), nullptr) << what << ": " << id;
                EXPECT_EQ(doc->FindField(id), nullptr) << what << ": " << id;
            }
        EXPECT_EQ(table.GetCurrentObject(), nullptr) << what;
    }

    std::unique_ptr<FDOCUMENT> doc = std::make_unique<FDOCUMENT>();
    FFIELD* above = nullptr;
    FFIELD* total = nullptr;
    FakeView view;
};

TEST_F(ApplyFormatTest, LinesAreKeptMovedForABandAndAddedAStepApart)
{
    // A 2 x 2 table with both bands in (720, 720, 2160, 2160): lines at
    // 1200, 1680, 2160 both ways.
    const struct {
        const char* what;
        bool columnHeaders, rowHeaders;
        TABLE_FORMAT to;
        std::vector<int32_t> x, y;
        RECT rect;
    } cases[] = {
        {"a column added", true, true, Format(3, 2, true, true), {1200, 1680, 2160, 2880}, {1200, 1680, 2160},
            {720, 720, 2880, 2160}},
        {"a row and a column taken away", true, true, Format(1, 1, true, true), {1200, 1680}, {1200, 1680},
            {720, 720, 1680, 1680}},
        {"the row headers taken away", true, true, Format(2, 2, true, false), {720, 1200, 1680}, {1200, 1680, 2160},
            {720, 720, 1680, 2160}},
        {"the column headers taken away, a row added", true, true, Format(2, 3, false, true), {1200, 1680, 2160},
            {720, 1200, 1680, 2160}, {720, 720, 2160, 2160}},
        {"row headers added", true, false, Format(2, 2, true, true), {1440, 2160, 2880}, {1200, 1680, 2160},
            {720, 720, 2880, 2160}},
        {"column headers added", false, true, Format(2, 2, true, true), {1200, 1680, 2160}, {1200, 1920, 2640},
            {720, 720, 2160, 2640}},
    };
    for (const auto& c : cases) {
        FTABLE* table = Place(2, 2, c.columnHeaders, c.rowHeaders);
        ASSERT_EQ(Apply(*table, c.to), 1) << c.what;
        EXPECT_EQ(Columns(*table), c.x) << c.what;
        EXPECT_EQ(Rows(*table), c.y) << c.what;
        RECT r;
        table->GetRect(r);
        EXPECT_EQ(r, c.rect) << c.what;
        EXPECT_EQ(table->HasColumnHeaders(), c.to.columnHeaders != 0) << c.what;
        EXPECT_EQ(table->HasRowHeaders(), c.to.rowHeaders != 0) << c.what;
        if (FHEADER* header = table->GetColumnHeader(0)) {
            RECT band;
            header->FORMOBJ::GetRect(band);
            EXPECT_EQ(band, (RECT {c.x[0], 720, c.x[1], c.y[0]})) << c.what << ": the header band starts at the top";
        }
        if (FHEADER* header = table->GetRowHeader(0)) {
            RECT band;
            header->FORMOBJ::GetRect(band);
            EXPECT_EQ(band, (RECT {720, c.y[0], c.x[0], c.y[1]})) << c.what << ": the row band starts at the left";
        }
        ExpectWhole(*table, {}, c.what);
    }
}

TEST_F(ApplyFormatTest, TheSameFormatAgainChangesNoSavedByteAndBadCountsChangeNothing)
{
    FTABLE* table = Place(3, 2, true, true);
    table->GetCell(2, 1)->SetDataType(*CreateDataType(kKindNumber), nullptr);
    SetNumber(*table->GetCell(2, 1), 7);
    table->SetColumnName(0, "Item");
    const std::vector<uint8_t> before = Bytes(*table);
    const std::vector<uint16_t> order = Order();
    TABLE_FORMAT same;
    table->GetFormat(same);
    ASSERT_EQ(Apply(*table, same), 1);
    EXPECT_EQ(Bytes(*table), before);
    EXPECT_EQ(Order(), order);

    for (const TABLE_FORMAT& bad : {Format(0, 2, true, true), Format(3, 0, true, true), Format(200, 200, true, true)}) {
        EXPECT_EQ(Apply(*table, bad), 0) << bad.columns << " x " << bad.rows;
        EXPECT_EQ(Bytes(*table), before) << bad.columns << " x " << bad.rows;
    }
    ExpectWhole(*table, {}, "unchanged");
}

TEST_F(ApplyFormatTest, ARespacedDimensionFillsTheRectangleAndATableTooWideMovesBack)
{
    FTABLE* table = Place(2, 2, true, true);
    ASSERT_EQ(Apply(*table, Format(4, 3, true, true), 1, 0, {0, 0, 5000, 3000}), 1);
    EXPECT_EQ(Columns(*table), (std::vector<int32_t> {1000, 2000, 3000, 4000, 5000}));
    EXPECT_EQ(Rows(*table), (std::vector<int32_t> {1200, 1680, 2160, 2640})) << "rows not re-spaced";
    RECT r;
    table->GetRect(r);
    EXPECT_EQ(r, (RECT {0, 720, 5000, 2640}));
    ExpectWhole(*table, {}, "columns re-spaced");

    ASSERT_EQ(Apply(*table, Format(4, 5, true, true), 0, 1, {0, 0, 5000, 3000}), 1);
    EXPECT_EQ(Columns(*table), (std::vector<int32_t> {1000, 2000, 3000, 4000, 5000})) << "columns not re-spaced";
    EXPECT_EQ(Rows(*table), (std::vector<int32_t> {500, 1000, 1500, 2000, 2500, 3000}));

    // Not re-spaced, past the right edge given: the whole table moves back.
    ASSERT_EQ(Apply(*table, Format(6, 5, true, true), 0, 0, {0, 0, 5800, 3000}), 1);
    EXPECT_EQ(Columns(*table), (std::vector<int32_t> {360, 1360, 2360, 3360, 4360, 5080, 5800}));
    table->GetRect(r);
    EXPECT_EQ(r, (RECT {-640, 0, 5800, 3000}));
    ExpectWhole(*table, {}, "moved back");
}

TEST_F(ApplyFormatTest, KeptCellsKeepTheirIdsTypesAndValuesAndNewOnesFollowTheirNeighbours)
{
    FTABLE* table = Place(3, 4, true, true);
    // Column B numbers with a rule's help and protected cells; column C red;
    // header C bold on grey.
    for (int r = 0; r < 4; ++r) {
        FCELL* cell = table->GetCell(1, r);
        cell->SetDataType(*CreateDataType(kKindNumber), nullptr);
        SetNumber(*cell, r + 1);
        cell->SetHelpText("numbers");
        cell->OnEvent(6, 1, 0);
    }
    BASICSHADE red;
    red.colour2 = 0x0000FF;
    for (int r = 0; r < 4; ++r)
        table->GetCell(2, r)->SetShade(red);
    BASICSHADE grey;
    grey.colour2 = 0xC0C0C0;
    table->GetColumnHeader(2)->SetShade(grey);
    table->SetColumnName(1, "Price");
    BORDER thick;
    thick.width = 80;
    table->GetColumnBoundary(3)->SetBorder(thick);
    std::vector<uint16_t> kept;
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 4; ++r)
            kept.push_back(table->GetCell(c, r)->GetFieldID());
    const uint16_t nextId = doc->GetNextFieldID();

    ASSERT_EQ(Apply(*table, Format(4, 6, true, true)), 1);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(table->GetCell(c, r)->GetFieldID(), kept[c * 4 + r]) << c << "," << r;
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(table->GetCell(1, r)->GetDataType()->GetTypeTag(), kKindNumber) << r;
        EXPECT_EQ(NumberOf(*table->GetCell(1, r)), r + 1) << r;
    }
    // New rows of column B: the column's type, help and switch, no value.
    for (int r = 4; r < 6; ++r) {
        FCELL* cell = table->GetCell(1, r);
        EXPECT_EQ(cell->GetDataType()->GetTypeTag(), kKindNumber) << r;
        EXPECT_TRUE(cell->GetDataType()->IsEmpty()) << r;
        EXPECT_EQ(cell->GetHelpText(), "numbers") << r;
        EXPECT_TRUE(cell->IsProtected()) << r;
        EXPECT_EQ(ShadeOf(table->GetCell(2, r)), 0x0000FFu) << r << ": the look of the cell above";
        EXPECT_EQ(ShadeOf(table->GetCell(0, r)), 0xFFFFFFu) << r;
    }
    // The new column D: its left neighbours' look, a new cell's settings.
    for (int r = 0; r < 6; ++r) {
        FCELL* cell = table->GetCell(3, r);
        EXPECT_EQ(ShadeOf(cell), 0x0000FFu) << r;
        EXPECT_EQ(cell->GetDataType()->GetTypeTag(), kKindText) << r;
        EXPECT_FALSE(cell->IsProtected()) << r;
        EXPECT_GT(cell->GetFieldID(), nextId) << r << ": a new id";
    }
    EXPECT_EQ(table->GetColumnPos(4) - table->GetColumnPos(3), 720);
    std::string name;
    table->GetColumnName(name, 1);
    EXPECT_EQ(name, "Price");
    table->GetColumnName(name, 3);
    EXPECT_EQ(name, "ColD");
    std::string full;
    table->GetCell(1, 5)->GetFullName(full);
    EXPECT_EQ(full, "T1.Price[6]");
    EXPECT_EQ(std::string(table->GetColumnHeader(3)->GetText().View()), "D");
    EXPECT_EQ(ShadeOf(table->GetColumnHeader(3)), 0xC0C0C0u) << "the last kept header's look";
    EXPECT_EQ(std::string(table->GetRowHeader(5)->GetText().View()), "6");
    BORDER line;
    table->GetColumnBoundary(4)->GetBorder(&line);
    EXPECT_EQ(line.width, 80) << "the last shared line's border";
    table->GetColumnBoundary(2)->GetBorder(&line);
    EXPECT_EQ(line.width, BORDER().width);
    ExpectWhole(*table, {}, "grown");

    // Back to 2 x 2: the cells removed are gone from the order and the
    // indexes.
    const std::set<uint16_t> before(kept.begin(), kept.end());
    ASSERT_EQ(Apply(*table, Format(2, 2, true, true)), 1);
    EXPECT_EQ(table->GetCell(1, 1)->GetFieldID(), kept[5]);
    ExpectWhole(*table, before, "shrunk");
}

TEST_F(ApplyFormatTest, ANewBandTakesTheFormatsLookAndAStyledTableKeepsItsStyle)
{
    FTABLE* table = Place(2, 2, false, false);
    TABLE_FORMAT format = Format(2, 2, true, true);
    format.headerShade.colour2 = 0x00FF00;
    format.headerAlignment = 2;
    format.columnLineBorder.width = 60;
    format.rowLineBorder.width = 100;
    ASSERT_EQ(Apply(*table, format), 1);
    for (FORMOBJ* header : std::initializer_list<FORMOBJ*> {table->GetColumnHeader(1), table->GetRowHeader(0)}) {
        EXPECT_EQ(ShadeOf(header), 0x00FF00u);
        uint8_t align = 0;
        header->GetAlignment(&align);
        EXPECT_EQ(align, 2);
    }
    BORDER line;
    table->GetColumnHeaderLine()->GetBorder(&line);
    EXPECT_EQ(line.width, 60);
    table->GetRowHeaderBoundary(2)->GetBorder(&line);
    EXPECT_EQ(line.width, 100);
    table->GetColumnBoundary(1)->GetBorder(&line);
    EXPECT_EQ(line.width, BORDER().width) << "a kept line keeps its own";

    // A table that follows a style hands every new part the style's parts.
    auto style = MakeTable(1, 1, true, true, {0, 0, 1440, 1440}, "Plain");
    BASICSHADE blue;
    blue.colour2 = 0xFF0000;
    style->GetCell(0, 0)->SetShade(blue);
    table->SetMaster(style.get());
    ASSERT_EQ(Apply(*table, Format(3, 3, true, true)), 1);
    EXPECT_EQ(table->GetMaster(), style.get());
    EXPECT_EQ(table->GetCell(2, 2)->GetMaster(), style->GetCell(0, 0));
    EXPECT_EQ(ShadeOf(table->GetCell(2, 2)), 0xFF0000u);
    table->SetMaster(nullptr);
}

TEST_F(ApplyFormatTest, EveryRebuildEndsTheCurrentPartFirst)
{
    const struct {
        const char* what;
        FORMOBJ* (*pick)(FTABLE&, OBJECT_VIEW&);
    } cases[] = {
        {"a cell",
            [](FTABLE& t, OBJECT_VIEW& v) -> FORMOBJ* {
                t.SetCurrentObject(t.GetCell(1, 1), &v);
                return t.GetCell(1, 1);
            }},
        {"a whole column",
            [](FTABLE& t, OBJECT_VIEW& v) -> FORMOBJ* {
                t.SetCurrentObject(t.GetCell(0, 1), &v);
                return t.SelectColumnOrRowAt(&v);
            }},
        {"a header",
            [](FTABLE& t, OBJECT_VIEW& v) -> FORMOBJ* {
                t.SetCurrentObject(t.GetRowHeader(1), &v);
                return t.GetRowHeader(1);
            }},
        {"a line",
            [](FTABLE& t, OBJECT_VIEW& v) -> FORMOBJ* {
                t.SetCurrentObject(t.GetColumnBoundary(1), &v);
                return t.GetColumnBoundary(1);
            }},
    };
    for (const auto& c : cases) {
        FTABLE* table = Place(2, 2, true, true);
        table->Select(&view);
        ASSERT_NE(c.pick(*table, view), nullptr) << c.what;
        ASSERT_EQ(Apply(*table, Format(1, 1, false, true)), 1) << c.what;
        EXPECT_EQ(table->GetCurrentObject(), nullptr) << c.what;
        EXPECT_EQ(table->CanCut(), 1) << c.what;
        // What a format command and a deselection then reach.
        BASICSHADE red;
        red.colour2 = 0x0000FF;
        table->SetShade(red);
        table->SetBorder(BORDER());
        TEXTATTR font;
        EXPECT_EQ(table->GetFont(&font), 1) << c.what;
        EXPECT_EQ(ShadeOf(table->GetCell(0, 0)), 0x0000FFu) << c.what;
        EXPECT_EQ(ShadeOf(table->GetRowHeader(0)), 0x0000FFu) << c.what;
        table->Deselect(&view);
        ExpectWhole(*table, {}, c.what);
    }
}

TEST_F(ApplyFormatTest, AFailedAllocationShowsItsMessageAndLeavesTheTableAsItWas)
{
    std::vector<std::string> shown;
    ui::ScopedMessageBoxHook hook {[&](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::IDOK;
    }};
    FTABLE* table = Place(2, 3, true, false);
    table->GetCell(1, 0)->SetDataType(*CreateDataType(kKindNumber), nullptr);
    table->SetCurrentObject(table->GetCell(1, 2), &view);
    const std::vector<uint8_t> before = Bytes(*table);
    const std::vector<uint16_t> order = Order();
    const std::string message = ProgramResources().LoadString(295);
    EXPECT_EQ(message, "Insufficient memory to modify table.");

    // Every allocation of the change in turn fails, until none does.
    int failures = 0;
    for (int allowed = 0;; ++allowed) {
        shown.clear();
        int answer = 0;
        {
            TableAllocationLimit limit(allowed);
            answer = Apply(*table, Format(3, 4, true, true));
        }
        if (answer)
            break;
        ++failures;
        ASSERT_LT(failures, 1000);
        EXPECT_EQ(shown, std::vector<std::string> {message}) << allowed;
        EXPECT_EQ(Bytes(*table), before) << allowed;
        EXPECT_EQ(Order(), order) << allowed;
        EXPECT_EQ(table->GetCurrentObject(), table->GetCell(1, 2)) << allowed << ": nothing rebuilt, nothing ended";
        EXPECT_EQ(doc->FindField(table->GetCell(1, 2)->GetFieldID()), table->GetCell(1, 2)) << allowed;
    }
    EXPECT_GT(failures, 20) << "the new parts, the copies and the column settings are all counted";
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(table->GetColumnCount(), 3);
    EXPECT_EQ(table->GetCell(1, 3)->GetDataType()->GetTypeTag(), kKindNumber);
    ExpectWhole(*table, {}, "after the failures");
}

TEST_F(ApplyFormatTest, AFormulaOverRemovedRowsShowsAnInvalidRange)
{
    FTABLE* table = Place(3, 4, true, true);
    for (int r = 0; r < 4; ++r) {
        table->GetCell(1, r)->SetDataType(*CreateDataType(kKindNumber), nullptr);
        SetNumber(*table->GetCell(1, r), r + 1);
        table->GetCell(1, r)->SetUpToDate(1);
    }
    total->SetDataType(*CreateDataType(kKindNumber), nullptr);
    char text[1024] = {};
    ASSERT_TRUE(doc->GetFormulaHost().AddFormula(total->GetFieldID(), "SUM(T1.ColB[1..4])", text)) << text;
    ASSERT_TRUE(doc->GetFormulaHost().GetFormulaString(total->GetFieldID(), text));
    EXPECT_STREQ(text, "SUM(T1.ColB[1..4])");

    ASSERT_EQ(Apply(*table, Format(3, 6, true, true)), 1);
    ASSERT_TRUE(doc->GetFormulaHost().GetFormulaString(total->GetFieldID(), text));
    EXPECT_STREQ(text, "SUM(T1.ColB[1..4])") << "rows added after the range leave it whole";
    doc->Calculate(0);
    EXPECT_EQ(NumberOf(*total), 10);

    ASSERT_EQ(Apply(*table, Format(3, 2, true, true)), 1);
    ASSERT_TRUE(doc->GetFormulaHost().GetFormulaString(total->GetFieldID(), text));
    EXPECT_STREQ(text, "SUM(!invalid range!)");
}

TEST_F(ApplyFormatTest, RandomFormatsKeepEveryRuleOfTheTable)
{
    std::mt19937 random(31);
    const auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    FTABLE* table = Place(3, 3, true, true);
    std::set<uint16_t> seen;
    for (int step = 0; step < 120; ++step) {
        const std::string what = "step " + std::to_string(step);
        table->Select(&view);
        switch (pick(0, 3)) {
        case 0:
            table->SetCurrentObject(table->GetCell(pick(0, table->GetColumnCount() - 1), 0), &view);
            ASSERT_NE(table->SelectColumnOrRowAt(&view), nullptr) << what;
            break;
        case 1:
            table->SetCurrentObject(
                table->GetCell(pick(0, table->GetColumnCount() - 1), pick(0, table->GetRowCount() - 1)), &view);
            break;
        case 2:
            table->SetCurrentObject(table->GetRowBoundary(pick(0, table->GetRowCount())), &view);
            break;
        default:
            break;
        }
        for (int c = 0; c < table->GetColumnCount(); ++c)
            for (int r = 0; r < table->GetRowCount(); ++r)
                seen.insert(table->GetCell(c, r)->GetFieldID());
        const TABLE_FORMAT format = Format(pick(1, 25), pick(1, 25), pick(0, 1) != 0, pick(0, 1) != 0);
        ASSERT_EQ(Apply(*table, format, pick(0, 1), pick(0, 1)), 1) << what;
        ASSERT_EQ(table->GetColumnCount(), format.columns) << what;
        ASSERT_EQ(table->GetRowCount(), format.rows) << what;
        ExpectWhole(*table, seen, what);
        if (HasFatalFailure() || HasFailure())
            break;
        table->Deselect(&view);
    }
}

} // namespace
