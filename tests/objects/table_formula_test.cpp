// A real table on a form document answering the formula host: a cell by
// its full name, the range codes over a column, and a sum over a column
// range calculated through the host.
#include "tests/objects/table_test_support.h"

#include "forms/document/ccinterface.h"
#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/fobjlist.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

class TableFormulaTest : public TableTest {
protected:
    TableFormulaTest()
    {
        RegisterDocumentObjects();
        auto made = MakeTable(3, 4, true, true, {720, 720, 4320, 2720});
        table = made.get();
        table->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc)));
        table->ForEachCell([](FORMOBJ& cell) {
            auto& field = dynamic_cast<FCELL&>(cell);
            if (field.GetColumn() == 1)
                field.SetDataType(*CreateDataType(kKindNumber), nullptr);
            field.SetUpToDate(1);
        });
        doc.GetObjects().SetObjectPage(std::move(made), 1);
        doc.InsertFieldInOrder(table, false);

        auto field = MakeField({720, 3000, 2000, 3300});
        field->SetDataType(*CreateDataType(kKindNumber), nullptr);
        field->SetName("Total");
        field->SetFieldID(doc.GetNextFieldID());
        total = field.get();
        doc.GetObjects().SetObjectPage(std::move(field), 1);
        doc.InsertFieldInOrder(total, false);
    }

    uint16_t Ask(uint16_t code, uintptr_t a, uintptr_t b = 0)
    {
        return CCINTERFACE::HostCallback(&doc.GetFormulaHost(), code, a, b);
    }
    uint16_t B(int row) { return table->GetCell(1, row - 1)->GetFieldID(); }
    static uint32_t Range(uint16_t first, uint16_t last) { return (uint32_t(first) << 16) | last; }
    static void SetNumber(FFIELD& field, double value)
    {
        OPERAND operand {};
        operand.nType = kOperandNumber;
        operand.dNumber = value;
        field.GetDataType()->SetFromOperand(operand);
    }

    FDOCUMENT doc;
    FTABLE* table = nullptr;
    FFIELD* total = nullptr;
};

TEST_F(TableFormulaTest, TheHostAnswersNameAndRangeCodesFromTheTablesCells)
{
    uint16_t id = 0;
    uint32_t range = 0;
    char buffer[abacine::kNameBufferSize + 1] = {};
    OPERAND value {};
    SetNumber(*table->GetCell(1, 0), 5);
    const std::string name = "T1.ColB[3]";
    const std::string lower = "t1.colb[3]";
    const std::string reference = "T1.ColB[1..4]";
    const auto text = [](const std::string& s) { return reinterpret_cast<uintptr_t>(s.c_str()); };
    const uint16_t c1 = table->GetCell(2, 0)->GetFieldID();
    const struct {
        const char* what;
        uint16_t code;
        uintptr_t a, b;
        uint16_t answer;
    } cases[] = {
        {"100 a cell by its full name", 100, text(name), reinterpret_cast<uintptr_t>(&id), 1},
        {"100 letter case counts", 100, text(lower), reinterpret_cast<uintptr_t>(&id), 0},
        {"105 the first cell", 105, Range(B(2), B(4)), 0, B(2)},
        {"106 the cell below", 106, Range(B(1), B(4)), B(1), B(2)},
        {"106 nothing below the last row", 106, Range(B(1), B(4)), B(4), 0},
        {"106 the range ends in this row", 106, Range(B(2), B(2)), B(2), 0},
        {"107 a number cell", 107, B(1), 0, 1},
        {"108 a cell's value", 108, B(1), reinterpret_cast<uintptr_t>(&value), 1},
        {"109 a column reference", 109, text(reference), reinterpret_cast<uintptr_t>(&range), 1},
        {"110 a later row of the column", 110, Range(B(1), B(4)), 0, 1},
        {"110 another column", 110, Range(B(1), c1), 0, 0},
        {"111 the range as text", 111, Range(B(1), B(4)), reinterpret_cast<uintptr_t>(buffer), 1},
        {"112 every cell up to date", 112, Range(B(1), B(4)), 0, 1},
    };
    for (const auto& c : cases) {
        const uint16_t answer = Ask(c.code, c.a, c.b);
        if (c.code == 108)
            EXPECT_EQ(value.dNumber, 5) << c.what;
        else
            EXPECT_EQ(answer, c.answer) << c.what;
    }
    EXPECT_EQ(id, B(3));
    EXPECT_EQ(range, Range(B(1), B(4)));
    EXPECT_STREQ(buffer, "T1.ColB[1..4]");
    table->GetCell(1, 2)->SetUpToDate(0);
    EXPECT_EQ(Ask(112, Range(B(1), B(4))), 0) << "a cell between the ends is out of date";
}

TEST_F(TableFormulaTest, ASumOverAColumnRangeIsCalculated)
{
    char message[abacine::kNameBufferSize + 1] = {};
    ASSERT_TRUE(doc.GetFormulaHost().AddFormula(total->GetFieldID(), "SUM(T1.ColB[1..4])", message)) << message;
    for (int r = 0; r < 4; ++r)
        SetNumber(*table->GetCell(1, r), r + 1);
    doc.Calculate(0);
    OPERAND result {};
    total->GetDataType()->GetOperand(result);
    EXPECT_EQ(result.dNumber, 1 + 2 + 3 + 4);
}

} // namespace
