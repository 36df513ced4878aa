// Recalculation in passes, deferral, and marking dependants out of date.
#include <gtest/gtest.h>

#include <vector>

#include "test_host.h"

namespace {

class RecalculationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddField(1, "A", HostValue::Number(2));
        host.AddField(2, "B", HostValue::Number(3));
        for (uint16_t id = 10; id <= 13; ++id)
            host.AddField(id, "F" + std::to_string(id));
        for (uint16_t id = 50; id <= 52; ++id)
            host.AddField(id, "c" + std::to_string(id), HostValue::Number(1));
        host.AddRange("COL", 50, 52);
    }
    void OutOfDate(std::initializer_list<uint16_t> ids)
    {
        for (uint16_t id : ids)
            host.fields[id].upToDate = false;
    }
    double Number(uint16_t id) { return host.fields[id].value.number; }
    TestHost host;
};

TEST_F(RecalculationTest, AFormulaWaitsForTheFieldItReads)
{
    ASSERT_EQ(host.Compile(10, "F11+1"), "");
    ASSERT_EQ(host.Compile(11, "A*2"), "");
    OutOfDate({10, 11});
    host.set.Calculate(0);
    EXPECT_EQ(host.stores, (std::vector<uint16_t> {11, 10}));
    EXPECT_EQ(Number(10), 5);
    EXPECT_TRUE(host.fields[10].upToDate && host.fields[11].upToDate);
}

TEST_F(RecalculationTest, ARangeCellWithAPendingFormulaDefers)
{
    ASSERT_EQ(host.Compile(10, "SUM(COL)"), "");
    ASSERT_EQ(host.Compile(51, "A*5"), "");
    OutOfDate({10, 51});
    host.set.Calculate(0);
    EXPECT_EQ(host.stores, (std::vector<uint16_t> {51, 10}));
    EXPECT_EQ(Number(10), 12);
}

TEST_F(RecalculationTest, CalculateZeroOnlyComputesWhatIsOutOfDate)
{
    ASSERT_EQ(host.Compile(10, "A+1"), "");
    ASSERT_EQ(host.Compile(11, "B+1"), "");
    OutOfDate({11});
    host.set.Calculate(0);
    EXPECT_EQ(host.stores, (std::vector<uint16_t> {11}));
}

TEST_F(RecalculationTest, CalculateForAFieldRecomputesItsDependants)
{
    ASSERT_EQ(host.Compile(12, "F11*10"), "");
    ASSERT_EQ(host.Compile(10, "B"), "");
    ASSERT_EQ(host.Compile(11, "A+1"), "");
    host.fields[1].value = HostValue::Number(4);
    host.set.Calculate(1);
    EXPECT_EQ(Number(11), 5);
    EXPECT_EQ(Number(12), 50);
    EXPECT_EQ(host.stores, (std::vector<uint16_t> {11, 12}));
}

TEST_F(RecalculationTest, DependantsAreMarkedThroughFieldsAndRanges)
{
    ASSERT_EQ(host.Compile(13, "F12+1"), ""); // through another formula's field
    ASSERT_EQ(host.Compile(12, "SUM(COL)"), ""); // the range holds cell 51
    ASSERT_EQ(host.Compile(11, "B"), ""); // unrelated
    host.set.SetFieldDependantsOOD(51);
    EXPECT_FALSE(host.fields[12].upToDate);
    EXPECT_FALSE(host.fields[13].upToDate);
    EXPECT_TRUE(host.fields[11].upToDate);
    EXPECT_TRUE(host.stores.empty());

    host.fields[12].upToDate = host.fields[13].upToDate = true;
    host.fields[50].upToDate = false; // an out-of-date cell marks a range reader
    host.set.SetFieldDependantsOOD(2);
    EXPECT_FALSE(host.fields[12].upToDate);
    EXPECT_FALSE(host.fields[11].upToDate);
}

TEST_F(RecalculationTest, SetAllOutOfDateMarksEveryFormulasField)
{
    ASSERT_EQ(host.Compile(10, "A"), "");
    ASSERT_EQ(host.Compile(11, "B"), "");
    host.set.SetAllOutOfDate();
    EXPECT_FALSE(host.fields[10].upToDate);
    EXPECT_FALSE(host.fields[11].upToDate);
    EXPECT_TRUE(host.fields[12].upToDate);
}

// F10 reads F11 and F11 reads F10: code that only an unchecked load brings in.
TEST_F(RecalculationTest, ACycleBroughtInUncheckedEnds)
{
    const uint8_t reads11[] = {0x43, 0xCC, 11, 0, 0x31, 0xCC};
    const uint8_t reads10[] = {0x43, 0xCC, 10, 0, 0x31, 0xCC};
    char* code10 = new char[6];
    char* code11 = new char[6];
    std::copy(std::begin(reads11), std::end(reads11), code10);
    std::copy(std::begin(reads10), std::end(reads10), code11);
    host.set.AddFormulaDirect(10, code10, 6);
    host.set.AddFormulaDirect(11, code11, 6);
    ASSERT_EQ(host.Compile(12, "A+1"), "");
    OutOfDate({10, 11, 12});
    host.set.Calculate(0);
    EXPECT_EQ(host.stores, (std::vector<uint16_t> {12}));
    EXPECT_FALSE(host.fields[10].upToDate);
    EXPECT_FALSE(host.fields[11].upToDate);
    host.set.SetFieldDependantsOOD(1); // ends as well
    EXPECT_FALSE(host.fields[12].upToDate);
}

// Storing one result makes the host change another field and mark its
// dependants, as a radio button clears the others of its group.
TEST_F(RecalculationTest, MarksMadeFromInsideTheCallbackAreRecalculated)
{
    ASSERT_EQ(host.Compile(10, "B*10"), "");
    ASSERT_EQ(host.Compile(11, "A+1"), "");
    host.afterStore = [this](uint16_t id) {
        if (id == 11) {
            host.fields[2].value = HostValue::Number(7);
            host.set.SetFieldDependantsOOD(2);
        }
    };
    OutOfDate({11});
    host.set.Calculate(0);
    EXPECT_EQ(Number(10), 70);
    EXPECT_TRUE(host.fields[10].upToDate);
}

TEST_F(RecalculationTest, ASetWithoutCallbackAnswersQuietly)
{
    FORMULA_SET set;
    char error[200] = "";
    EXPECT_EQ(set.AddFormula(1, "1+2", error), 1);
    set.Calculate(0);
    set.SetFieldDependantsOOD(1);
    EXPECT_EQ(set.SaveSet(0x47), 1);
    char out[1024];
    EXPECT_EQ(set.GetFormulaString(1, out), 1);
    EXPECT_STREQ(out, "1+2");
}

} // namespace
