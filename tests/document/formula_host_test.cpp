// The form document's formula host: its answer to every callback code
// against a form of fields and a table double, and the formulas of a form
// calculated through it.
#include "tests/document/formula_form.h"

#include "forms/document/document_objects.h"
#include "forms/model/fobjlist.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

class FormulaHostTest : public FormulaForm {
protected:
    FormulaHostTest()
        : a(AddField(kKindNumber, "A"))
        , text(AddField(kKindText, "Words"))
        , date(AddField(kKindDate, "When"))
        , box(AddField(kKindCheckBox, "Tick"))
        , tab(AddTable("Tab", {"Col", "Other"}, 8))
    {}

    uint32_t Range(uint16_t first, uint16_t last) { return (uint32_t(first) << 16) | last; }
    uintptr_t Text(const std::string& s)
    {
        scratch = s;
        return reinterpret_cast<uintptr_t>(scratch.c_str());
    }
    uintptr_t Buffer()
    {
        std::memset(buffer, '#', sizeof buffer);
        buffer[sizeof buffer - 1] = 0;
        return reinterpret_cast<uintptr_t>(buffer);
    }

    FFIELD& a;
    FFIELD& text;
    FFIELD& date;
    FFIELD& box;
    TableDouble& tab;
    std::string scratch;
    char buffer[abacine::kNameBufferSize + 8];
    uint16_t idOut = 0;
    uint32_t rangeOut = 0;
};

TEST_F(FormulaHostTest, AnswersEveryFieldCodeFromTheForm)
{
    a.SetUpToDate(0);
    SetNumber(a, 12.5);
    const uint16_t unknown = 0x7777;
    struct Case {
        const char* what;
        uint16_t code;
        std::function<uintptr_t()> first;
        std::function<uintptr_t()> second;
        uint16_t answer;
    };
    const auto id = [](FFIELD& f) { return [&f] { return uintptr_t(f.GetFieldID()); }; };
    const auto none = [] { return uintptr_t(0); };
    const auto value = [](uintptr_t v) { return [v] { return v; }; };
    const auto idPlace = [this] { return reinterpret_cast<uintptr_t>(&idOut); };
    const Case cases[] = {
        {"100 a field's name", 100, [this] { return Text("A"); }, idPlace, 1},
        {"100 names compare with their case", 100, [this] { return Text("a"); }, idPlace, 0},
        {"100 a cell by its full name", 100, [this] { return Text("Tab.Other[3]"); }, idPlace, 1},
        {"100 special fields are not found by name", 100, [this] { return Text("Fax: Recipient Name"); }, idPlace, 0},
        {"101 a field", 101, id(a), none, 1},
        {"101 a cell", 101, [this] { return uintptr_t(tab.Id(1, 5)); }, none, 1},
        {"101 a special field", 101, value(0xFFFD), none, 1},
        {"101 an unknown id", 101, value(unknown), none, 0},
        {"102 a field out of date", 102, id(a), none, 0},
        {"102 a field up to date", 102, id(text), none, 0},
        {"102 an unknown id is up to date", 102, value(unknown), none, 1},
        {"103 stores the flag", 103, id(text), value(1), 1},
        {"103 an unknown id", 103, value(unknown), value(1), 0},
        {"107 number", 107, id(a), none, 1},
        {"107 text", 107, id(text), none, 2},
        {"107 date", 107, id(date), none, 1},
        {"107 check box", 107, id(box), none, 1},
        {"107 an unknown id", 107, value(unknown), none, 0},
        {"unknown codes answer nothing", 99, id(a), none, 0},
        {"unknown codes answer nothing", 121, id(a), none, 0},
    };
    for (const Case& c : cases) {
        idOut = 0;
        EXPECT_EQ(Ask(c.code, c.first(), c.second()), c.answer) << c.what;
    }
    EXPECT_EQ(text.GetUpToDate(), 1u) << "103 stored the flag";
    idOut = 0;
    Ask(100, Text("A"), reinterpret_cast<uintptr_t>(&idOut));
    EXPECT_EQ(idOut, a.GetFieldID());
    Ask(100, Text("Tab.Other[3]"), reinterpret_cast<uintptr_t>(&idOut));
    EXPECT_EQ(idOut, tab.Id(1, 2));

    OPERAND got {};
    Ask(108, a.GetFieldID(), reinterpret_cast<uintptr_t>(&got));
    EXPECT_EQ(got.nType, kOperandNumber);
    EXPECT_EQ(got.dNumber, 12.5);
    got = {};
    Ask(108, unknown, reinterpret_cast<uintptr_t>(&got));
    EXPECT_EQ(got.nType, kOperandError) << "108 for a missing field";

    OPERAND result {};
    result.nType = kOperandNumber;
    result.dNumber = 7;
    Ask(113, a.GetFieldID(), reinterpret_cast<uintptr_t>(&result));
    EXPECT_EQ(Number(a), 7);
    Ask(113, unknown, reinterpret_cast<uintptr_t>(&result)); // nothing to store into
}

TEST_F(FormulaHostTest, NamesAreCopiedOnlyWhenTheyFitTheEnginesBuffer)
{
    struct Case {
        std::string name;
        uint16_t answer;
    };
    const Case cases[] = {
        {"A", 1},
        {std::string(abacine::kNameBufferSize - 1, 'n'), 1},
        {std::string(abacine::kNameBufferSize, 'n'), 0},
        {std::string(1000, 'n'), 0},
    };
    for (const Case& c : cases) {
        a.SetName(c.name);
        EXPECT_EQ(Ask(104, a.GetFieldID(), Buffer()), c.answer) << c.name.size();
        if (c.answer)
            EXPECT_EQ(std::string(buffer), c.name);
        else
            EXPECT_EQ(buffer[0], '#') << "the buffer is untouched";
        EXPECT_EQ(buffer[abacine::kNameBufferSize], '#') << "nothing written past the engine's buffer";
    }
    EXPECT_EQ(Ask(104, 0x7777, Buffer()), 0);
    EXPECT_EQ(buffer[0], '#');
    EXPECT_EQ(Ask(104, 0xFFFE, Buffer()), 1) << "special fields have names";
    EXPECT_EQ(std::string(buffer), "Fax: Recipient Name");
}

TEST_F(FormulaHostTest, AnswersTheRangeCodesFromTheTablesCells)
{
    const uint16_t col1 = tab.Id(0, 0), col2 = tab.Id(0, 1), col3 = tab.Id(0, 2), col7 = tab.Id(0, 6);
    const uint16_t other3 = tab.Id(1, 2);
    struct Case {
        const char* what;
        uint16_t code;
        uint32_t range;
        uintptr_t second;
        uint16_t answer;
    };
    const Case cases[] = {
        {"105 the first cell", 105, Range(col2, col7), 0, col2},
        {"106 the cell below", 106, Range(col1, col3), col1, col2},
        {"106 the last row ends the walk", 106, Range(col1, col3), col3, 0},
        {"106 a last cell above the next row", 106, Range(col2, col2), col2, 0},
        {"106 no such cell", 106, Range(col1, col3), 0x7777, 0},
        {"106 a field that is no cell", 106, Range(col1, col3), a.GetFieldID(), 0},
        {"110 a later row of the column", 110, Range(col1, col3), 0, 1},
        {"110 the same row", 110, Range(col3, col3), 0, 0},
        {"110 an earlier row", 110, Range(col3, col1), 0, 0},
        {"110 another column", 110, Range(col1, other3), 0, 0},
        {"110 a first end that is no cell", 110, Range(a.GetFieldID(), col3), 0, 0},
        {"112 a column up to date", 112, Range(col1, col7), 0, 1},
        {"112 a first end that is no cell", 112, Range(a.GetFieldID(), col3), 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ask(c.code, c.range, c.second), c.answer) << c.what;

    tab.Cell(0, 4).SetUpToDate(0);
    EXPECT_EQ(Ask(112, Range(col1, col7)), 0) << "a cell between the ends is out of date";
    EXPECT_EQ(Ask(112, Range(col1, col3)), 1) << "a cell below the last end does not count";
    tab.Cell(0, 0).SetUpToDate(0);
    EXPECT_EQ(Ask(112, Range(col1, col1)), 0) << "the first end itself";

    EXPECT_EQ(Ask(111, Range(col2, col7), Buffer()), 1);
    EXPECT_EQ(std::string(buffer), "Tab.Col[2..7]");
    EXPECT_EQ(Ask(111, Range(a.GetFieldID(), col7), Buffer()), 0) << "a first name without ']'";
    EXPECT_EQ(Ask(111, Range(col2, 0x7777), Buffer()), 0) << "a missing last cell";
}

TEST_F(FormulaHostTest, ParsesCellReferences)
{
    struct Case {
        const char* text;
        uint16_t answer;
        int firstRow;
        int lastRow;
    };
    const Case cases[] = {
        {"Tab.Col[1..3]", 1, 1, 3},
        {"Tab.Col[01..008]", 1, 1, 8},
        {"Tab.Col[3..3]", 1, 3, 3},
        {"Tab.Col[1..3] ", 0, 0, 0},
        {"Tab.Col[1..3]x", 0, 0, 0},
        {"Tab.Col[1.3]", 0, 0, 0},
        {"Tab.Col[1..x]", 0, 0, 0},
        {"Tab.Col[ 1..3]", 0, 0, 0},
        {"Tab.Col[00..3]", 0, 0, 0},
        {"Tab.Col[1..9]", 0, 0, 0},
        {"Tab.col[1..3]", 0, 0, 0},
        {"Tab.Col1..3]", 0, 0, 0},
        {"Tab.Col[1..3", 0, 0, 0},
        {"A", 0, 0, 0},
    };
    for (const Case& c : cases) {
        rangeOut = 0;
        EXPECT_EQ(Ask(109, Text(c.text), reinterpret_cast<uintptr_t>(&rangeOut)), c.answer) << c.text;
        if (c.answer) {
            EXPECT_EQ(rangeOut, Range(tab.Id(0, c.firstRow - 1), tab.Id(0, c.lastRow - 1))) << c.text;
        }
    }
    Ask(109, Text("Tab.Col[3..3]"), reinterpret_cast<uintptr_t>(&rangeOut));
    EXPECT_EQ(rangeOut >> 16, rangeOut & 0xFFFF) << "both halves name the one cell";
    EXPECT_EQ(Ask(110, rangeOut), 0);
}

TEST_F(FormulaHostTest, SumsAColumnRangeThroughTheTable)
{
    FFIELD& total = AddField(kKindNumber, "Total");
    for (uint16_t r = 0; r < 8; ++r)
        SetNumber(tab.Cell(0, r), r + 1);
    ASSERT_EQ(Formula(total, "SUM(Tab.Col[2..4])"), "");
    doc.Calculate(0);
    EXPECT_EQ(Number(total), 2 + 3 + 4);
    char text[1024] = {};
    ASSERT_TRUE(doc.GetFormulaHost().GetFormulaString(total.GetFieldID(), text));
    EXPECT_STREQ(text, "SUM(Tab.Col[2..4])");
}

TEST_F(FormulaHostTest, CalculatesDependantsOfAChangedField)
{
    FFIELD& b = AddField(kKindNumber, "B");
    FFIELD& total = AddField(kKindNumber, "Total");
    ASSERT_EQ(Formula(total, "A + B"), "");
    EXPECT_NE(Formula(total, "A +"), "") << "a syntax error is refused with a message";
    SetNumber(a, 2);
    SetNumber(b, 3);
    doc.Calculate(a.GetFieldID());
    EXPECT_EQ(Number(total), 5);
    SetNumber(b, 10);
    doc.Calculate(b.GetFieldID());
    EXPECT_EQ(Number(total), 12);
}

// A result that checks a radio button clears the others of its group, and
// the formulas that read a cleared button are calculated again in the same
// run.
TEST_F(FormulaHostTest, AResultCheckingARadioButtonClearsItsGroupAndRecalculatesTheirDependants)
{
    FFIELD& first = AddField(kKindCheckBox, "First");
    FFIELD& second = AddField(kKindCheckBox, "Second");
    FFIELD& third = AddField(kKindCheckBox, "Third");
    FFIELD& shown = AddField(kKindNumber, "Shown");
    for (FFIELD* radio : {&first, &second, &third})
        radio->SetRadioGroup(&doc);
    second.SetCheck(1);
    box.SetCheck(1);
    ASSERT_EQ(Formula(first, "A > 5"), "");
    ASSERT_EQ(Formula(shown, "Second * 10 + Third"), "");
    doc.Calculate(0);
    EXPECT_EQ(Number(first), 0);
    EXPECT_EQ(Number(shown), 10);

    SetNumber(a, 9);
    doc.Calculate(a.GetFieldID());
    EXPECT_EQ(Number(first), 1);
    EXPECT_EQ(Number(second), 0) << "the other radio button is cleared";
    EXPECT_EQ(Number(third), 0);
    EXPECT_EQ(Number(shown), 0) << "the cleared button's dependant was calculated again";
    EXPECT_EQ(Number(box), 1) << "a check box outside the radio group keeps its value";

    third.SetCheck(1);
    SetNumber(a, 1);
    doc.Calculate(a.GetFieldID());
    EXPECT_EQ(Number(first), 0);
    EXPECT_EQ(Number(third), 1) << "an unchecking result clears no other button";
}

} // namespace
