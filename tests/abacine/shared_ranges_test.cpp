// Ranges read within one recalculation: ranges over one column with
// different bounds, cells whose values change during the recalculation or
// between two, and cells whose formulas are not computed yet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_host.h"

namespace {

// Column cells 50..53; COL spans them all, TOP the first two, LOW the last three.
class SharedRangesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddField(1, "A", HostValue::Number(2));
        for (uint16_t id = 10; id <= 15; ++id)
            host.AddField(id, "F" + std::to_string(id));
        const double values[] = {1, 2, 4, 8};
        for (uint16_t id = 50; id <= 53; ++id)
            host.AddField(id, "c" + std::to_string(id), HostValue::Number(values[id - 50]));
        host.AddRange("COL", 50, 53);
        host.AddRange("TOP", 50, 51);
        host.AddRange("LOW", 51, 53);
    }
    void Add(uint16_t id, const std::string& text) { ASSERT_EQ(host.Compile(id, text), "") << text; }
    void CalculateAll()
    {
        host.set.SetAllOutOfDate();
        host.set.Calculate(0);
    }
    double Number(uint16_t id) { return host.fields[id].value.number; }
    TestHost host;
};

TEST_F(SharedRangesTest, RangesOverOneColumnWithDifferentBoundsGiveTheirOwnResults)
{
    Add(10, "SUM(COL)");
    Add(11, "SUM(TOP)");
    Add(12, "SUM(LOW)");
    Add(13, "AVG(TOP)+MAX(LOW)*100");
    Add(14, "SUM(TOP,LOW)");
    Add(15, "MIN(LOW)");
    CalculateAll();
    EXPECT_EQ(Number(10), 15);
    EXPECT_EQ(Number(11), 3);
    EXPECT_EQ(Number(12), 14);
    EXPECT_EQ(Number(13), 801.5);
    EXPECT_EQ(Number(14), 17);
    EXPECT_EQ(Number(15), 2);
}

// Values whose sum depends on the order of adding: a range added after another
// value must be added cell by cell, as on its own it rounds differently.
TEST_F(SharedRangesTest, ARangeAfterOtherValuesAddsInTheSameOrder)
{
    host.fields[1].value = HostValue::Number(1e16);
    host.fields[50].value = HostValue::Number(1);
    host.fields[51].value = HostValue::Number(1);
    host.fields[52].value = HostValue::Number(-1e16);
    host.fields[53].value = HostValue {};
    Add(10, "SUM(COL)");
    Add(11, "SUM(COL,A)");
    Add(12, "AVG(COL)");
    CalculateAll();
    EXPECT_EQ(Number(10), -1e16 + 2);
    EXPECT_EQ(Number(11), 0); // 1e16 + 1 + 1 rounds back to 1e16
    EXPECT_EQ(Number(12), (-1e16 + 2) / 4);
}

TEST_F(SharedRangesTest, ACellChangedBetweenTwoCalculationsIsReadAgain)
{
    Add(10, "SUM(COL)");
    Add(11, "SUM(TOP)");
    CalculateAll();
    ASSERT_EQ(Number(10), 15);
    host.fields[51].value = HostValue::Number(20);
    CalculateAll();
    EXPECT_EQ(Number(10), 33);
    EXPECT_EQ(Number(11), 21);
    host.fields[50].value = HostValue::Error(77);
    CalculateAll();
    EXPECT_TRUE(SameValue(host.fields[10].value, HostValue::Error(77)));
    EXPECT_TRUE(SameValue(host.fields[11].value, HostValue::Error(77)));
}

// The cells' formulas are out of date and their fields hold stale values:
// the sums wait for them and read what they computed.
TEST_F(SharedRangesTest, CellsComputedEarlierInThePassAreReadAsComputed)
{
    Add(10, "SUM(COL)");
    Add(11, "SUM(TOP)*10+SUM(LOW)");
    Add(51, "A*3");
    Add(53, "c51+A");
    host.fields[51].value = host.fields[53].value = HostValue::Number(1000);
    CalculateAll();
    EXPECT_EQ(Number(51), 6);
    EXPECT_EQ(Number(53), 8);
    EXPECT_EQ(Number(10), 1 + 6 + 4 + 8);
    EXPECT_EQ(Number(11), (1 + 6) * 10 + (6 + 4 + 8));
}

// Storing the first sum makes the host change A, as a radio button clears
// the others of its group, and mark cell 51, which reads A, out of date:
// through the set, or by its own flag. Cell 51 is computed anew, the later
// sums wait for it and read its new value, though the first sum read the old
// one in this pass.
TEST_F(SharedRangesTest, ACellRecomputedAfterARangeWasReadIsReadAgain)
{
    Add(10, "SUM(TOP)");
    Add(11, "F10*0+SUM(LOW)"); // both stand after 10
    Add(12, "F10*0+SUM(TOP)");
    Add(51, "A*3");
    for (bool throughTheSet : {true, false}) {
        SCOPED_TRACE(throughTheSet ? "marked through the set" : "marked by the host's flag");
        host.fields[1].value = HostValue::Number(2);
        bool changed = false;
        host.afterStore = [&](uint16_t id) {
            if (id != 10 || changed)
                return;
            changed = true;
            host.fields[1].value = HostValue::Number(5);
            if (throughTheSet)
                host.set.SetFieldDependantsOOD(1);
            else
                host.fields[51].upToDate = false;
        };
        CalculateAll();
        ASSERT_TRUE(changed);
        EXPECT_EQ(Number(51), 15);
        EXPECT_EQ(Number(11), 15 + 4 + 8);
        EXPECT_EQ(Number(12), 1 + 15);
        for (uint16_t id : {10, 11, 12, 51})
            EXPECT_TRUE(host.fields[id].upToDate) << id;
    }
}

// The host changes a plain cell from inside a callback and says so: the
// sums computed after that read its new value (the one being stored keeps
// the value it computed).
TEST_F(SharedRangesTest, ACellTheHostChangesDuringTheCalculationIsReadAgain)
{
    Add(10, "SUM(COL)");
    Add(11, "F10*0+SUM(TOP)");
    Add(12, "F11*0+SUM(COL)");
    host.afterStore = [&](uint16_t id) {
        if (id == 10 && Number(50) == 1) {
            host.fields[50].value = HostValue::Number(100);
            host.set.SetFieldDependantsOOD(50);
        }
    };
    CalculateAll();
    EXPECT_EQ(Number(10), 15);
    EXPECT_EQ(Number(11), 102);
    EXPECT_EQ(Number(12), 114);
}

} // namespace
