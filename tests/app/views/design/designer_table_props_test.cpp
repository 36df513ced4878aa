// Table Properties on a table of the form: the dialog shows the table as it
// is; OK renames it and changes its counts and header bands, kept cells
// keeping their ids and kinds, and the undo list ends; Cancel, or an OK
// that changes nothing, leaves the form's "Contents" and the undo list as
// they were; a count that would make the table wider than the page asks
// before every column is resized.
#include "tests/app/views/design/designer_table_fixture.h"

#include "forms/app/views/design/design_table.h"
#include "forms/dialogs/table/table_styles.h"
#include "forms/document/print/flayout.h"
#include "forms/fields/datatypes/datatype.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kNameEdit = 1269;
constexpr int kColumnsEdit = 1215;
constexpr int kRowsEdit = 1214;
// The samples: column headers only, and both bands.
constexpr int kColumnHeadersOnly = 1216;
constexpr int kBothHeaders = 1218;

class DesignerTablePropsTest : public TableDesignerTest {
protected:
    // Table Properties on the selected table; drive works the dialog.
    void RunProperties(const std::function<void(TABLE_PROPS_DLG&)>& drive)
    {
        ASSERT_TRUE(Enabled(ID_TABLE_PROPERTIES));
        WithDialog([&] { view.ExecuteCommand(ID_TABLE_PROPERTIES); },
            [&](ui::Dialog& running) {
                auto* dialog = dynamic_cast<TABLE_PROPS_DLG*>(&running);
                ASSERT_NE(dialog, nullptr);
                drive(*dialog);
            });
        EXPECT_EQ(dialogsRun, 1);
        dialogsRun = 0;
    }
    static void Ok(TABLE_PROPS_DLG& d) { d.SendCommand(1, ui::BN_CLICKED); }
    static void Cancel(TABLE_PROPS_DLG& d) { d.SendCommand(2, ui::BN_CLICKED); }
    static bool IsOpen(TABLE_PROPS_DLG& d) { return d.GetWindow()->isVisible(); }
    std::vector<int32_t> ColumnPositions()
    {
        std::vector<int32_t> at;
        for (int i = 0; i <= table->GetColumnCount(); ++i)
            at.push_back(table->GetColumnPos(i));
        return at;
    }
};

TEST_F(DesignerTablePropsTest, OkRenamesAddsAColumnAndARowAndDropsTheRowHeaders)
{
    table->GetCell(1, 2)->SetDataType(*CreateDataType(kKindNumber), nullptr);
    const std::vector<uint16_t> ids = CellIds(*table);
    RunProperties([](TABLE_PROPS_DLG& d) {
        EXPECT_EQ(d.GetDlgItemText(kNameEdit), "T1");
        EXPECT_EQ(d.GetDlgItemText(kColumnsEdit), "4");
        EXPECT_EQ(d.GetDlgItemText(kRowsEdit), "4");
        const TableStyle& style = kTableStyles[static_cast<size_t>(d.GetSelectedStyle())];
        EXPECT_TRUE(style.columnHeaders && style.rowHeaders) << "the sample of both bands is chosen";
        SavePicture(d.GetWindow(), "table_properties_existing.png");
        d.SetDlgItemText(kNameEdit, "prices");
        d.SetDlgItemText(kColumnsEdit, "5");
        d.SetDlgItemText(kRowsEdit, "5");
        d.SendCommand(kColumnHeadersOnly, ui::BN_CLICKED);
        Ok(d);
    });
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(table->GetName(), "Prices");
    EXPECT_EQ(table->GetColumnCount(), 5);
    EXPECT_EQ(table->GetRowCount(), 5);
    EXPECT_TRUE(table->HasColumnHeaders());
    EXPECT_FALSE(table->HasRowHeaders());
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {table});
    // Kept cells keep their field ids and kinds; new ones have ids of
    // their own, all in the filling order.
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            EXPECT_EQ(table->GetCell(c, r)->GetFieldID(), ids[static_cast<size_t>(r * 4 + c)]) << c << ", " << r;
    EXPECT_EQ(table->GetCell(1, 2)->GetDataType()->GetTypeTag(), kKindNumber);
    std::vector<uint16_t> now = CellIds(*table);
    std::sort(now.begin(), now.end());
    EXPECT_EQ(std::adjacent_find(now.begin(), now.end()), now.end()) << "an id given twice";
    for (uint16_t id : now)
        EXPECT_NE(doc->FindField(id), nullptr) << id;
    // Without the row-header band the grid starts at the table's left.
    RECT r;
    table->GetRect(r);
    EXPECT_EQ(table->GetColumnPos(0), r.left);
}

TEST_F(DesignerTablePropsTest, CancelOrAnUnchangedOkLeaveTheContentsAndTheUndoListAsTheyWere)
{
    // A deletion to undo: it stays undoable through them.
    FORMOBJ* box = Add(kTypeBox, {1440, 9000, 2880, 10440});
    table->Deselect(&view);
    box->Select(&view);
    view.DeleteSelection(false);
    ASSERT_TRUE(Enabled(ID_EDIT_UNDO));
    table->Select(&view);
    doc->SetModified(false);
    const std::vector<uint8_t> before = Contents();
    RunProperties([](TABLE_PROPS_DLG& d) {
        d.SetDlgItemText(kNameEdit, "Other");
        d.SetDlgItemText(kColumnsEdit, "7");
        d.SendCommand(kColumnHeadersOnly, ui::BN_CLICKED);
        Cancel(d);
    });
    EXPECT_EQ(Contents(), before);
    EXPECT_FALSE(doc->IsModified());

    RunProperties([](TABLE_PROPS_DLG& d) {
        d.SendCommand(kColumnHeadersOnly, ui::BN_CLICKED);
        d.SendCommand(kBothHeaders, ui::BN_CLICKED);
        Ok(d);
    });
    EXPECT_EQ(Contents(), before);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));

    // A changed format ends it: what the list keeps may hold the table's
    // old parts.
    RunProperties([](TABLE_PROPS_DLG& d) {
        d.SetDlgItemText(kRowsEdit, "3");
        Ok(d);
    });
    EXPECT_EQ(table->GetRowCount(), 3);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(DesignerTablePropsTest, TwelveColumnsOnASevenInchPageAskFirstAndFitThePage)
{
    // A seven-inch page with half-inch margins: six inches to print on.
    FLAYOUT& layout = *doc->GetPageLayout(1);
    layout.right = static_cast<uint16_t>(layout.left + 6 * 1440);
    const std::vector<int32_t> before = ColumnPositions();

    // Five columns still fit: nothing is asked and the kept ones stay.
    RunProperties([](TABLE_PROPS_DLG& d) {
        d.SetDlgItemText(kColumnsEdit, "5");
        Ok(d);
    });
    EXPECT_TRUE(messages.empty());
    ASSERT_EQ(table->GetColumnCount(), 5);
    for (size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(table->GetColumnPos(static_cast<int>(i)), before[i]) << i;
    EXPECT_EQ(table->GetColumnPos(5) - table->GetColumnPos(4), 720);

    // Twelve would not: asked, Cancel keeps the dialog with what was typed.
    answers = {ui::IDCANCEL};
    RunProperties([](TABLE_PROPS_DLG& d) {
        d.SetDlgItemText(kColumnsEdit, "12");
        Ok(d);
        EXPECT_TRUE(IsOpen(d));
        EXPECT_EQ(d.GetDlgItemText(kColumnsEdit), "12");
        Ok(d);
        EXPECT_FALSE(IsOpen(d));
    });
    const std::string question = "This many columns will result in all the columns being resized.";
    EXPECT_EQ(messages, (std::vector<std::string> {question, question}));
    ASSERT_EQ(table->GetColumnCount(), 12);
    RECT r;
    table->GetRect(r);
    EXPECT_LE(r.right, layout.right) << "the table fits the page";
    // Evenly, the last column taking what the division leaves.
    const int32_t width = table->GetColumnPos(1) - table->GetColumnPos(0);
    EXPECT_LT(width, 720);
    for (int i = 1; i < 12; ++i)
        EXPECT_NEAR(table->GetColumnPos(i + 1) - table->GetColumnPos(i), width, 12) << "column " << i;
    EXPECT_EQ(table->GetRowCount(), 4);
}

TEST_F(DesignerTablePropsTest, EveryLineIsResizedOnlyWhenTheTableWouldOutgrowThePrintableArea)
{
    // T1's columns and row-header band are 720 wide, its rows and
    // column-header band 480 high: 3600 by 2400 twips.
    ASSERT_EQ(table->GetColumnPos(1) - table->GetColumnPos(0), 720);
    ASSERT_EQ(table->GetRowPos(1) - table->GetRowPos(0), 480);
    const RECT printable {720, 720, 720 + 4320, 720 + 2880};
    struct Case {
        int count;
        bool band;
        bool columns;
        bool rows;
    };
    const Case cases[] = {
        {4, true, false, false},
        {5, true, false, false},
        {6, true, true, true},
        {6, false, false, false},
        {7, false, true, true},
        {1, true, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DESIGN_TABLE::ResizesAllColumns(*table, c.count, c.band, printable), c.columns)
            << c.count << " columns, band " << c.band;
        EXPECT_EQ(DESIGN_TABLE::ResizesAllRows(*table, c.count, c.band, printable), c.rows)
            << c.count << " rows, band " << c.band;
    }
    // A kept column made 300 wider counts at its width.
    const int32_t x = table->GetColumnPos(2);
    const int32_t y = (table->GetRowPos(1) + table->GetRowPos(2)) / 2;
    Click(At(x, y));
    view.SetSnap(false);
    Drag({At(x, y), At(x + 150, y), At(x + 300, y)});
    ASSERT_GT(table->GetColumnPos(2) - table->GetColumnPos(1), 720);
    EXPECT_TRUE(DESIGN_TABLE::ResizesAllColumns(*table, 5, true, printable));
    EXPECT_FALSE(DESIGN_TABLE::ResizesAllColumns(*table, 5, false, printable));
}

} // namespace
