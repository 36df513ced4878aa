// The saved formula set: its bytes, loading it back, unknown tags, and code
// that was damaged on the way.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "test_host.h"

namespace {

using Bytes = std::vector<uint8_t>;

class StreamTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (TestHost* h : {&host, &other}) {
            h->AddField(1, "A", HostValue::Number(2));
            h->AddField(10, "F");
            h->AddField(11, "G");
        }
    }
    TestHost host;
    TestHost other;
};

TEST_F(StreamTest, SavedBytesHoldEachFormulaWithItsCodeReversed)
{
    ASSERT_EQ(host.Compile(10, "A"), "");
    ASSERT_EQ(host.set.SaveSet(0x47), 1);
    const Bytes want
        = {0x47, 0x46, 0x81, 0x02, 0x00, 0x0A, 0x00, 0x82, 0x06, 0x00, 0xCC, 0x31, 0x00, 0x01, 0xCC, 0x43, 0xFF, 0xFF};
    EXPECT_EQ(host.stream, want);
}

TEST_F(StreamTest, FormulasOfDeletedFieldsAreDroppedOnSaving)
{
    ASSERT_EQ(host.Compile(10, "A"), "");
    ASSERT_EQ(host.Compile(11, "A+1"), "");
    host.fields.erase(10);
    host.set.SaveSet(0x47);
    other.stream.assign(host.stream.begin() + 1, host.stream.end());
    ASSERT_EQ(other.set.Load(), 1);
    EXPECT_FALSE(other.set.IsIDInSet(10));
    EXPECT_EQ(other.Text(11), "A+1");
}

TEST_F(StreamTest, LoadingRestoresCodeAndOrderAndDropsWhatWasThere)
{
    ASSERT_EQ(host.Compile(11, "SUM(A,2)*\"x\"=\"y\""), "Binary Operator needs Numbers");
    ASSERT_EQ(host.Compile(11, "SUM(A,2)*3"), "");
    ASSERT_EQ(host.Compile(10, "CONCATENATE(\"a\\\"b\")"), "");
    host.set.SaveSet(0x47);
    ASSERT_EQ(other.Compile(1, "5"), "");
    other.stream.assign(host.stream.begin() + 1, host.stream.end()); // the host reads the tag itself
    ASSERT_EQ(other.set.Load(), 1);
    ASSERT_EQ(other.set.formulas.Count(), 2);
    EXPECT_FALSE(other.set.IsIDInSet(1));
    EXPECT_EQ(static_cast<FORMULA*>(other.set.formulas.First())->nFieldID, 11);
    EXPECT_EQ(other.Code(11), host.Code(11));
    EXPECT_EQ(other.Code(10), host.Code(10));
    EXPECT_EQ(other.readPos, other.stream.size());
}

TEST_F(StreamTest, UnknownTagsAreHandedToTheHostToSkip)
{
    const Bytes stream = {0x90, 0x02, 0x00, 0xAA, 0xBB, // a record at set level
        0x10, 0x85, 0x01, 0x00, 0xCC, 0xFF, // a group at set level
        0x46, 0x81, 0x02, 0x00, 0x0A, 0x00, 0x83, 0x01, 0x00, 0x99, // a record inside the formula
        0x82, 0x06, 0x00, 0xCC, 0x31, 0x00, 0x01, 0xCC, 0x43, 0xFF, 0xFF};
    other.stream = stream;
    ASSERT_EQ(other.set.Load(), 1);
    EXPECT_EQ(other.skippedTags, (Bytes {0x90, 0x10, 0x83}));
    EXPECT_EQ(other.Code(10), (Bytes {0x43, 0xCC, 0x01, 0x00, 0x31, 0xCC}));
    EXPECT_EQ(other.readPos, stream.size());
}

TEST_F(StreamTest, TheHostsEndOfStreamPassesThrough)
{
    other.stream = {0x46, 0x81, 0x02, 0x00, 0x0A, 0x00, 0x82, 0x06, 0x00, 0xCC};
    EXPECT_THROW(other.set.Load(), EndOfStream);
    EXPECT_EQ(other.set.formulas.Count(), 0);
}

struct DamagedCode {
    const char* what;
    Bytes code;
};

// Damaged code is kept as loaded but calculates to error 36012 and reads back
// as the message, never past its end.
TEST_F(StreamTest, DamagedCodeGivesAnErrorValueAndAMessage)
{
    const Bytes number = {0x41, 0xCC, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    auto with = [&](Bytes tail) {
        Bytes b = number;
        b.insert(b.end(), tail.begin(), tail.end());
        return b;
    };
    const DamagedCode cases[] = {
        {"empty", {}},
        {"no end token", number},
        {"end token cut", with({0x31})},
        {"binary operator short of an operand", with({0x15, 0xCC, 0x31, 0xCC})},
        {"unary operator on nothing", {0x02, 0xCC, 0x31, 0xCC}},
        {"two values left", with({0x41, 0xCC, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0x31, 0xCC})},
        {"number running past the end", {0x41, 0xCC, 0, 0, 0}},
        {"field running past the end", {0x43, 0xCC, 0x01}},
        {"text without its end", {0x42, 0xCC, 'a', 'b', 0x31, 0xCC}},
        {"unknown token", with({0x45, 0xCC, 0x31, 0xCC})},
        {"stored terminator", with({0x32, 0xCC, 0x31, 0xCC})},
        {"function taking more than the stack holds", with({0x7A, 0xCC, 0x02, 0x00, 0x31, 0xCC})},
        {"function with the wrong count", with({0x65, 0xCC, 0x01, 0x00, 0x31, 0xCC})},
        {"unassigned function token", with({0x76, 0xCC, 0x01, 0x00, 0x31, 0xCC})},
        {"bytes after the end token", with({0x31, 0xCC, 0x00})},
        {"end token inside", with({0x31, 0xCC, 0x02, 0xCC, 0x31, 0xCC})},
    };
    for (const DamagedCode& c : cases) {
        TestHost h;
        h.AddField(10, "F");
        h.fields[10].upToDate = false;
        char* code = new char[c.code.size()];
        if (!c.code.empty())
            std::memcpy(code, c.code.data(), c.code.size());
        h.set.AddFormulaDirect(10, code, static_cast<int16_t>(c.code.size()));
        h.set.Calculate(0);
        EXPECT_TRUE(SameValue(h.fields[10].value, HostValue::Error(36012))) << c.what;
        EXPECT_EQ(h.Text(10), "Calculation is invalid or corrupt") << c.what;
        h.set.SetFieldDependantsOOD(1);
        EXPECT_EQ(h.Compile(11, "F+1"), "") << c.what;
    }
}

TEST_F(StreamTest, CodeLongerThanTheCompilerMakesIsDamaged)
{
    Bytes code;
    const Bytes one = {0x41, 0xCC, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    code.insert(code.end(), one.begin(), one.end());
    for (int i = 0; i < 43; ++i) { // 10 + 43 * 12 + 2 bytes: above 512
        code.insert(code.end(), one.begin(), one.end());
        code.insert(code.end(), {0x15, 0xCC});
    }
    code.insert(code.end(), {0x31, 0xCC});
    ASSERT_GT(code.size(), 512u);
    other.stream = {0x46, 0x81, 0x02, 0x00, 0x0A, 0x00, 0x82, static_cast<uint8_t>(code.size() & 0xFF),
        static_cast<uint8_t>(code.size() >> 8)};
    other.stream.insert(other.stream.end(), code.rbegin(), code.rend());
    other.stream.insert(other.stream.end(), {0xFF, 0xFF});
    ASSERT_EQ(other.set.Load(), 1);
    EXPECT_FALSE(other.set.GetFormula(10)->HasSoundCode());
    other.fields[10].upToDate = false;
    other.set.Calculate(0);
    EXPECT_TRUE(SameValue(other.fields[10].value, HostValue::Error(36012)));
}

} // namespace
