// Calculation in dependency order: the same results whatever the order of the
// list, one walk's worth of work for a chain listed last first, marks made from
// a callback, removal and reloading, and the circular test that the order
// serves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "test_host.h"

namespace {

constexpr uint16_t kMissingField = 36005;

struct Entry {
    uint16_t id;
    const char* text;
    bool unchecked = false; // brought in as code, as a load does
};

struct Want {
    uint16_t id;
    HostValue value;
};

struct SetCase {
    const char* name;
    std::vector<Entry> formulas;
    std::vector<Want> results;
    std::vector<uint16_t> staysOutOfDate;
    std::vector<uint16_t> deletedFields; // deleted from the host before calculating
};

void AddFields(TestHost& host)
{
    host.AddField(1, "A", HostValue::Number(2));
    host.AddField(2, "B", HostValue::Number(3));
    host.AddField(3, "X", HostValue::Number(5));
    for (uint16_t id = 10; id <= 14; ++id)
        host.AddField(id, "F" + std::to_string(id));
    for (uint16_t id = 50; id <= 52; ++id)
        host.AddField(id, "c" + std::to_string(id), HostValue::Number(1));
    host.AddRange("COL", 50, 52);
}

// Compiles the text for another field in a host of its own, so that no
// circular test applies, and hands the code over as a load would.
void AddUnchecked(TestHost& host, uint16_t id, const std::string& text)
{
    constexpr uint16_t kScratch = 9999;
    TestHost scratch;
    scratch.fields = host.fields;
    scratch.ranges = host.ranges;
    ASSERT_EQ(scratch.Compile(kScratch, text), "") << text;
    const std::vector<uint8_t> code = scratch.Code(kScratch);
    char* copy = new char[code.size()];
    std::memcpy(copy, code.data(), code.size());
    host.set.AddFormulaDirect(id, copy, static_cast<int16_t>(code.size()));
}

void Add(TestHost& host, const Entry& e)
{
    if (e.unchecked)
        AddUnchecked(host, e.id, e.text);
    else
        ASSERT_EQ(host.Compile(e.id, e.text), "") << e.text;
}

// The list orders each set is tried in: as written, last first, and the odd
// places before the even ones.
std::vector<std::vector<Entry>> ListOrders(const std::vector<Entry>& formulas)
{
    std::vector<Entry> reversed(formulas.rbegin(), formulas.rend());
    std::vector<Entry> interleaved;
    for (std::size_t start : {1u, 0u})
        for (std::size_t i = start; i < formulas.size(); i += 2)
            interleaved.push_back(formulas[i]);
    return {formulas, reversed, interleaved};
}

const SetCase kSets[] = {
    {"chain", {{10, "A+1"}, {11, "F10*2"}, {12, "F11+F10"}, {13, "F12-1"}},
        {{10, HostValue::Number(3)}, {11, HostValue::Number(6)}, {12, HostValue::Number(9)},
            {13, HostValue::Number(8)}},
        {}, {}},
    {"diamond", {{10, "A*10"}, {11, "F10+1"}, {12, "F10+2"}, {13, "F11*F12"}},
        {{10, HostValue::Number(20)}, {11, HostValue::Number(21)}, {12, HostValue::Number(22)},
            {13, HostValue::Number(462)}},
        {}, {}},
    {"cross-references", {{10, "F11+F12"}, {11, "F12*2"}, {12, "B+F13"}, {13, "A"}, {14, "F10-F13"}},
        {{10, HostValue::Number(15)}, {11, HostValue::Number(10)}, {12, HostValue::Number(5)},
            {13, HostValue::Number(2)}, {14, HostValue::Number(13)}},
        {}, {}},
    {"column sums", {{10, "SUM(COL)"}, {11, "F10/AVG(COL)"}, {50, "A"}, {51, "c50+1"}, {52, "B"}},
        {{50, HostValue::Number(2)}, {51, HostValue::Number(3)}, {52, HostValue::Number(3)}, {10, HostValue::Number(8)},
            {11, HostValue::Number(3)}},
        {}, {}},
    {"cycle", {{10, "F11+1", true}, {11, "F10+1", true}, {12, "A+1"}, {13, "F12*2"}, {14, "F10+B"}},
        {{12, HostValue::Number(3)}, {13, HostValue::Number(6)}}, {10, 11, 14}, {}},
    {"cycle through a range", {{51, "SUM(COL)", true}, {10, "c51+A"}, {12, "B*2"}}, {{12, HostValue::Number(6)}},
        {51, 10}, {}},
    // The missing field ends the first formula before it reads the second.
    {"cycle broken by a deleted field", {{10, "X+F11", true}, {11, "F10+1", true}, {12, "F11*2"}},
        {{10, HostValue::Error(kMissingField)}, {11, HostValue::Error(kMissingField)},
            {12, HostValue::Error(kMissingField)}},
        {}, {3}},
};

TEST(CalculationOrder, ResultsAreTheSameWhateverTheListOrder)
{
    for (const SetCase& c : kSets) {
        for (const std::vector<Entry>& order : ListOrders(c.formulas)) {
            std::string listed;
            for (const Entry& e : order)
                listed += std::to_string(e.id) + " ";
            SCOPED_TRACE(std::string(c.name) + ", listed " + listed);
            TestHost host;
            AddFields(host);
            for (const Entry& e : order)
                Add(host, e);
            for (uint16_t id : c.deletedFields)
                host.fields.erase(id);
            for (const Entry& e : order)
                host.fields[e.id].upToDate = false;
            host.set.Calculate(0);

            for (const Want& w : c.results) {
                EXPECT_TRUE(SameValue(host.fields[w.id].value, w.value)) << "field " << w.id;
                EXPECT_TRUE(host.fields[w.id].upToDate) << "field " << w.id;
                EXPECT_EQ(std::count(host.stores.begin(), host.stores.end(), w.id), 1) << "field " << w.id;
            }
            for (uint16_t id : c.staysOutOfDate) {
                EXPECT_FALSE(host.fields[id].upToDate) << "field " << id;
                EXPECT_EQ(std::count(host.stores.begin(), host.stores.end(), id), 0) << "field " << id;
            }

            // A changed input, its dependants marked and calculated, gives
            // what a full recalculation gives.
            host.fields[1].value = HostValue::Number(7);
            host.fields[2].value = HostValue::Number(-4);
            host.set.SetFieldDependantsOOD(1);
            host.set.Calculate(2);
            std::vector<HostValue> marked;
            for (const Want& w : c.results)
                marked.push_back(host.fields[w.id].value);
            host.set.SetAllOutOfDate();
            host.set.Calculate(0);
            for (std::size_t i = 0; i < c.results.size(); ++i)
                EXPECT_TRUE(SameValue(marked[i], host.fields[c.results[i].id].value)) << "field " << c.results[i].id;
            for (uint16_t id : c.staysOutOfDate)
                EXPECT_FALSE(host.fields[id].upToDate) << "field " << id;
        }
    }
}

// Field 100 holds the input; field 100+i reads field 100+i-1.
class ChainTest : public ::testing::Test {
protected:
    static constexpr int kLength = 300;
    // A single walk asks about a dozen requests per formula; passes over a
    // list in the wrong order would ask about kLength times as many.
    static constexpr long kRequestsPerFormula = 12;

    void SetUp() override
    {
        for (uint16_t id = 100; id <= 100 + kLength; ++id)
            host.AddField(id, "f" + std::to_string(id), HostValue::Number(0));
        host.fields[100].value = HostValue::Number(1);
        host.AddField(500, "f500");
    }
    void AddLastFirst(TestHost& h)
    {
        for (int i = kLength; i >= 1; --i)
            ASSERT_EQ(h.Compile(static_cast<uint16_t>(100 + i), "f" + std::to_string(99 + i) + "+1"), "");
    }
    long RequestsToCalculateAll(TestHost& h)
    {
        h.set.SetAllOutOfDate();
        const long before = h.requests;
        h.set.Calculate(0);
        return h.requests - before;
    }
    double Number(uint16_t id) { return host.fields[id].value.number; }
    TestHost host;
};

TEST_F(ChainTest, AChainListedLastFirstIsCalculatedInOneWalk)
{
    AddLastFirst(host);
    EXPECT_LE(RequestsToCalculateAll(host), kRequestsPerFormula * kLength);
    EXPECT_EQ(Number(100 + kLength), 1 + kLength);
    EXPECT_EQ(host.stores.size(), static_cast<std::size_t>(kLength));

    host.fields[100].value = HostValue::Number(50);
    const long before = host.requests;
    host.set.SetFieldDependantsOOD(100);
    host.set.Calculate(0);
    EXPECT_LE(host.requests - before, 2 * kRequestsPerFormula * kLength);
    EXPECT_EQ(Number(100 + kLength), 50 + kLength);
}

TEST_F(ChainTest, RemovingAndAddingKeepTheOrder)
{
    AddLastFirst(host);
    EXPECT_EQ(host.set.RemoveFormula(250), 1);
    host.fields[250].value = HostValue::Number(1000);
    EXPECT_LE(RequestsToCalculateAll(host), kRequestsPerFormula * kLength);
    EXPECT_EQ(Number(249), 150);
    EXPECT_EQ(Number(400), 1150);

    // Field 250 now reads a formula added after everything that reads 250.
    ASSERT_EQ(host.Compile(500, "f100+7"), "");
    ASSERT_EQ(host.Compile(250, "f500*2"), "");
    host.stores.clear();
    EXPECT_LE(RequestsToCalculateAll(host), kRequestsPerFormula * (kLength + 1));
    EXPECT_EQ(Number(500), 8);
    EXPECT_EQ(Number(250), 16);
    EXPECT_EQ(Number(400), 166);
    EXPECT_EQ(host.stores.size(), static_cast<std::size_t>(kLength + 1));

    // The chain is cut at 250: its start may read its end, but field 500,
    // which its end now depends on, may not read its start.
    EXPECT_EQ(host.Compile(101, "f400+1"), "");
    EXPECT_EQ(host.Compile(500, "f101"), "This formula contains a Circular Reference");
    EXPECT_EQ(host.Compile(250, "f400"), "This formula contains a Circular Reference");
    EXPECT_EQ(host.Text(250), "f500*2");
    EXPECT_LE(RequestsToCalculateAll(host), kRequestsPerFormula * (kLength + 1));
    EXPECT_EQ(Number(101), 167);
    EXPECT_EQ(Number(249), 167 + 148);
}

TEST_F(ChainTest, ALoadedSetIsCalculatedInOrder)
{
    AddLastFirst(host);
    host.set.SaveSet(0x47);
    TestHost loaded;
    loaded.fields = host.fields;
    loaded.stream = host.stream;
    ASSERT_EQ(loaded.stream.at(0), 0x47);
    loaded.readPos = 1;
    ASSERT_EQ(loaded.set.Load(), 1);
    EXPECT_LE(RequestsToCalculateAll(loaded), kRequestsPerFormula * kLength);
    EXPECT_EQ(loaded.fields[100 + kLength].value.number, 1 + kLength);
}

// Storing a result makes the host change a field that a formula earlier in
// the order reads, as a radio button clears the others of its group; that
// formula and what reads it are calculated again before Calculate returns.
// Field 12 reads field 11 only to stand after it; field 13 stands after both.
TEST(CalculationOrder, MarksMadeFromTheCallbackReachEarlierFormulas)
{
    for (bool lastFirst : {false, true}) {
        SCOPED_TRACE(lastFirst ? "listed last first" : "listed in order");
        TestHost host;
        AddFields(host);
        std::vector<Entry> formulas = {{10, "B*10"}, {11, "F10+1"}, {12, "F11*0+A"}, {13, "F10+F12"}};
        if (lastFirst)
            std::reverse(formulas.begin(), formulas.end());
        for (const Entry& e : formulas)
            Add(host, e);
        bool changed = false;
        host.afterStore = [&](uint16_t id) {
            if (id == 12 && !changed) {
                changed = true;
                host.fields[2].value = HostValue::Number(7);
                host.set.SetFieldDependantsOOD(2);
            }
        };
        host.set.SetAllOutOfDate();
        host.set.Calculate(0);
        EXPECT_TRUE(changed);
        EXPECT_EQ(host.fields[10].value.number, 70);
        EXPECT_EQ(host.fields[11].value.number, 71);
        EXPECT_EQ(host.fields[13].value.number, 72);
        for (uint16_t id = 10; id <= 13; ++id)
            EXPECT_TRUE(host.fields[id].upToDate) << id;
        EXPECT_EQ(host.stores, (std::vector<uint16_t> {10, 11, 12, 10, 11, 13}));
    }
}

TEST(CalculationOrder, TheCircularTestSeesTheRangesAsTheHostNowGivesThem)
{
    TestHost host;
    AddFields(host);
    host.AddField(53, "c53", HostValue::Number(1));
    ASSERT_EQ(host.Compile(2, "SUM(COL)"), "");
    EXPECT_EQ(host.Compile(53, "B+1"), "");
    ASSERT_EQ(host.Compile(53, ""), "");
    // A row goes into the column between its first two cells.
    auto& cells = host.ranges.begin()->second.cells;
    cells.insert(cells.begin() + 1, 53);
    EXPECT_EQ(host.Compile(53, "B+1"), "This formula contains a Circular Reference");
    ASSERT_EQ(host.Compile(53, "A+1"), "");
    host.set.SetAllOutOfDate();
    host.set.Calculate(0);
    EXPECT_EQ(host.fields[2].value.number, 6);
}

TEST(CalculationOrder, TheCircularTestWorksBesideACycleLoadedUnchecked)
{
    TestHost host;
    AddFields(host);
    AddUnchecked(host, 10, "F11+1");
    AddUnchecked(host, 11, "F10+1");
    ASSERT_EQ(host.Compile(12, "A+1"), "");
    EXPECT_EQ(host.Compile(13, "F10"), ""); // the cycle does not lead back to 13
    EXPECT_EQ(host.Compile(1, "F12"), "This formula contains a Circular Reference");
    EXPECT_EQ(host.Compile(10, "F11"), "This formula contains a Circular Reference");
    EXPECT_EQ(host.Compile(11, "B"), ""); // replacing one formula ends the cycle
    host.set.SetAllOutOfDate();
    host.set.Calculate(0);
    EXPECT_EQ(host.fields[13].value.number, 4);
    EXPECT_TRUE(host.fields[10].upToDate);
}

} // namespace
