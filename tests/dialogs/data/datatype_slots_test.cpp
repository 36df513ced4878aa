// The General page's kind slots without widgets: a memo left for a number
// is turned back into a text when Text is pressed (the slot, not the
// current kind, decides), rules and initial values travel between text and
// memo, and every slot keeps its object for the sheet's run.
#include "forms/dialogs/data/datatype_slots.h"
#include "forms/dialogs/data/validation_rule.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/numberdatatype.h"

#include <gtest/gtest.h>

namespace {

class SlotsTest : public ::testing::Test {
protected:
    SlotsTest() { RegisterValueDataTypes(); }
};

TEST_F(SlotsTest, TextAfterMemoAndNumberIsAText)
{
    std::unique_ptr<DATATYPE> current = CreateDataType(kKindText);
    std::string message;
    ASSERT_TRUE(current->SetInitialValue("start", message, 0));
    ASSERT_TRUE(current->SetRule(299, 0, "abc", "", message));
    DATATYPE_SLOTS kinds(current);

    ASSERT_TRUE(kinds.Select(kKindMemo));
    EXPECT_EQ(current->GetTypeTag(), kKindMemo);
    EXPECT_EQ(current->GetRuleOperator(), 299);
    ASSERT_TRUE(kinds.Select(kKindNumber));
    ASSERT_TRUE(kinds.Select(kKindText));
    EXPECT_EQ(current->GetTypeTag(), kKindText);
    int negate = 1;
    std::string value1, value2, initial;
    current->GetRule(negate, value1, value2);
    EXPECT_EQ(value1, "abc");
    current->GetInitialValue(initial, 0);
    EXPECT_EQ(initial, "start");

    // A number's settings come back after a visit to Date.
    ASSERT_TRUE(kinds.Select(kKindNumber));
    DATATYPE* number = current.get();
    static_cast<NUMBERDATATYPE*>(number)->bAutoIncrement = 1;
    ASSERT_TRUE(kinds.Select(kKindDate));
    ASSERT_TRUE(kinds.Select(kKindNumber));
    EXPECT_EQ(current.get(), number);
    EXPECT_EQ(static_cast<NUMBERDATATYPE*>(current.get())->bAutoIncrement, 1);

    // A kind no one can make leaves the current one.
    EXPECT_FALSE(kinds.Select(kKindBarcode));
    EXPECT_EQ(current.get(), number);
}

TEST_F(SlotsTest, RulesTheListCannotShowSelectNothing)
{
    const std::pair<uint16_t, int> cases[] = {{0, 0}, {299, 0}, {306, 1}, {303, 5}, {304, -1}, {305, -1}};
    for (const auto& [op, position] : cases)
        EXPECT_EQ(RuleOperatorPosition(op), position) << op;
}

} // namespace
