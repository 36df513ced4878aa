// A form with a table and a total over its number column, saved to a file
// and opened again: the table keeps its name and cells, the formula still
// reads the column and calculates from the cells it finds there.
#include "tests/document/formula_form.h"

#include "forms/fields/datatypes/datatype.h"
#include "forms/model/fobjlist.h"
#include "forms/objects/fcell.h"
#include "forms/objects/ftable.h"
#include "forms/objects/table_format.h"

#include <gtest/gtest.h>

namespace {

class TableReopenTest : public FormulaForm {
protected:
    TableReopenTest()
    {
        TABLE_FORMAT format;
        format.columns = 3;
        format.rows = 4;
        format.rect = {720, 720, 4320, 2720};
        auto made = std::make_unique<FTABLE>();
        EXPECT_TRUE(made->CreateFromFormat(format));
        for (int r = 0; r < 4; ++r)
            made->GetCell(1, r)->SetDataType(*CreateDataType(kKindNumber), nullptr);
        made->SetPage(1);
        made->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc)));
        made->SetName("T" + std::to_string(doc.GetTableCounter(true)));
        table = made.get();
        doc.GetObjects().SetObjectPage(std::move(made), 1);
        doc.InsertFieldInOrder(table, false);
        nextTop = 3000;
        total = &AddField(kKindNumber, "Total");
        EXPECT_EQ(Formula(*total, "SUM(T1.ColB[1..4])"), "");
    }

    // The reopened form's table T1 and its total.
    static FTABLE* TableOf(FDOCUMENT& document)
    {
        return dynamic_cast<FTABLE*>(document.FindObjectOfTypeByName(kTypeTable, "T1"));
    }
    static FFIELD* TotalOf(FDOCUMENT& document)
    {
        uint16_t id = 0;
        return document.FindFieldIDByName("Total", id) ? dynamic_cast<FFIELD*>(document.FindField(id)) : nullptr;
    }

    TempFolder folder;
    FTABLE* table = nullptr;
    FFIELD* total = nullptr;
};

TEST_F(TableReopenTest, TheTotalReadsTheColumnAfterTheFormIsSavedAndOpenedAgain)
{
    for (int r = 0; r < 4; ++r)
        SetNumber(*table->GetCell(1, r), r + 1);
    const std::string path = folder.File("table.qwm");
    ASSERT_TRUE(doc.OnSaveDocument(path));

    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    FTABLE* again = TableOf(reopened);
    ASSERT_NE(again, nullptr);
    FFIELD* sum = TotalOf(reopened);
    ASSERT_NE(sum, nullptr);
    char text[1024] = {};
    ASSERT_TRUE(reopened.GetFormulaHost().GetFormulaString(sum->GetFieldID(), text));
    EXPECT_STREQ(text, "SUM(T1.ColB[1..4])");
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(again->GetCell(1, r)->GetFieldID(), table->GetCell(1, r)->GetFieldID()) << "row " << r + 1;

    reopened.GetFormulaHost().SetAllOutOfDate();
    reopened.Calculate(0);
    EXPECT_EQ(Number(*sum), 1 + 2 + 3 + 4);
    FCELL* third = again->GetCell(1, 2);
    SetNumber(*third, 30);
    reopened.Calculate(third->GetFieldID());
    EXPECT_EQ(Number(*sum), 1 + 2 + 30 + 4);
    // The counter came back with the form: a new table is proposed as T2.
    EXPECT_EQ(reopened.GetTableCounter(false), 2);
}

} // namespace
