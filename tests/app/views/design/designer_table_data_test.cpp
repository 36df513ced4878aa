// Data Properties on a table in the design view: the sheet works on the
// whole column of the current cell, captioned with the column's name; what
// OK writes reaches every cell of the column and the column's name, which
// formulas then read; another column's name is refused.
#include "tests/app/views/design/designer_table_fixture.h"
#include "tests/platform/ui/dialog_input.h"

#include "forms/dialogs/data/data_props_sheet.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/datatypes/numberdatatype.h"

#include "platform/ui/dialog/property_page.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr int kNameEdit = 1222;
constexpr int kNameGroup = 1273;
constexpr int kNumButton = 1236;
constexpr int kActAsList = 1310;
constexpr int kGeneral = 0, kValidation = 1, kValues = 3;

class DesignerTableDataTest : public TableDesignerTest {
protected:
    // Data Properties with the cell at (column, row) current; drive works
    // the sheet, which is cancelled when drive leaves it open.
    void RunSheet(int column, int row, const std::function<void(DATA_PROPS_SHEET&)>& drive)
    {
        Click(CellPoint(column, row));
        ASSERT_EQ(table->GetCurrentObject(), static_cast<FORMOBJ*>(table->GetCell(column, row)));
        ASSERT_TRUE(Enabled(ID_EDIT_DATA_PROPERTIES));
        WithDialog([&] { view.ExecuteCommand(ID_EDIT_DATA_PROPERTIES); },
            [&](ui::Dialog& running) {
                auto* sheet = dynamic_cast<DATA_PROPS_SHEET*>(&running);
                ASSERT_NE(sheet, nullptr);
                caption = sheet->Definition().caption;
                drive(*sheet);
                if (sheet->IsRunning())
                    sheet->EndDialog(2);
            });
    }
    static ui::PropertyPage& Page(DATA_PROPS_SHEET& sheet, int index)
    {
        EXPECT_TRUE(sheet.SetActivePage(index)) << index;
        return *sheet.GetActivePage();
    }
    static void Click(ui::Dialog& page, int id) { SendClick(page.GetDlgItem(id)); }
    using TableDesignerTest::Click;

    std::string caption;
};

TEST_F(DesignerTableDataTest, OkReachesEveryCellOfTheColumnAndItsName)
{
    RunSheet(1, 2, [&](DATA_PROPS_SHEET& sheet) {
        ui::PropertyPage& general = Page(sheet, kGeneral);
        EXPECT_EQ(general.GetDlgItemText(kNameGroup), "&Column name");
        EXPECT_EQ(general.GetDlgItemText(kNameEdit), "ColB");
        SavePicture(sheet.GetWindow(), "table_column_data_sheet.png");
        general.SetDlgItemText(kNameEdit, "Price");
        Click(general, kNumButton);
        Click(general, kActAsList);

        ui::PropertyPage& rule = Page(sheet, kValidation);
        rule.SetCurSel(1345, 1);
        rule.SendCommand(1345, ui::CBN_SELCHANGE);
        rule.SetDlgItemText(1343, "1");
        rule.SetDlgItemText(1344, "10");

        ui::PropertyPage& values = Page(sheet, kValues);
        Click(values, 1308);
        for (const char* entry : {"2", "4", "8"}) {
            values.SetDlgItemText(1061, entry);
            SendKey(Qt::Key_Return, {}, values.GetDlgItem(1061));
        }
        Click(values, 1308);
        SendClick(sheet.GetDlgItem(1));
    });
    EXPECT_TRUE(messages.empty()) << messages.front();
    EXPECT_EQ(caption, "Column data properties - ColB");
    std::string name;
    table->GetColumnName(name, 1);
    EXPECT_EQ(name, "Price");
    for (int r = 0; r < table->GetRowCount(); ++r) {
        FCELL* cell = table->GetCell(1, r);
        auto* number = dynamic_cast<NUMBERDATATYPE*>(cell->GetDataType());
        ASSERT_NE(number, nullptr) << r;
        EXPECT_EQ(number->GetRuleOperator(), 306) << r;
        auto* list = dynamic_cast<LISTBOXVALUES*>(cell->GetValueList());
        ASSERT_NE(list, nullptr) << r;
        ASSERT_EQ(list->nCount, 3) << r;
        EXPECT_EQ(list->pValues[2], "8") << r;
        std::string full;
        cell->GetFullName(full);
        EXPECT_EQ(full, "T1.Price[" + std::to_string(r + 1) + "]");
    }
    for (int c : {0, 2, 3})
        for (int r = 0; r < table->GetRowCount(); ++r) {
            EXPECT_NE(table->GetCell(c, r)->GetDataType()->GetTypeTag(), kKindNumber) << c << ", " << r;
            EXPECT_EQ(table->GetCell(c, r)->GetValueList(), nullptr) << c << ", " << r;
        }
    EXPECT_EQ(FormulaOfTotal(), "SUM(T1.Price[1..4])");
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(DesignerTableDataTest, AnotherColumnsNameIsRefusedAndTheSheetStays)
{
    for (const char* taken : {"ColA", "cold"}) {
        messages.clear();
        RunSheet(1, 0, [&](DATA_PROPS_SHEET& sheet) {
            Page(sheet, kGeneral).SetDlgItemText(kNameEdit, taken);
            SendClick(sheet.GetDlgItem(1));
            EXPECT_TRUE(sheet.IsRunning()) << taken;
        });
        EXPECT_EQ(messages, std::vector<std::string> {"Cannot duplicate name of column within table"}) << taken;
        std::string name;
        table->GetColumnName(name, 1);
        EXPECT_EQ(name, "ColB");
    }
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerTableDataTest, WithoutACurrentCellThereIsNoColumnToShow)
{
    EXPECT_EQ(table->GetCurrentObject(), nullptr);
    EXPECT_FALSE(Enabled(ID_EDIT_DATA_PROPERTIES));
    // A header current is no cell either.
    Click(HeaderPoint(1));
    EXPECT_EQ(table->GetCurrentObject(), static_cast<FORMOBJ*>(table->GetColumnHeader(1)));
    EXPECT_FALSE(Enabled(ID_EDIT_DATA_PROPERTIES));
}

} // namespace
