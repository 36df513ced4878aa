// Formula text written back from code.
#include <gtest/gtest.h>

#include <string>

#include "test_host.h"

namespace {

class FormulaTextTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddField(1, "a");
        host.AddField(2, "b");
        host.AddField(3, "c");
        host.AddField(4, "T", HostValue::Text("t"));
        host.AddField(10, "F");
        for (uint16_t id = 50; id <= 52; ++id)
            host.AddField(id, "cell" + std::to_string(id));
        range = host.AddRange("Table1.Col", 50, 52);
    }
    TestHost host;
    uint32_t range = 0;
};

struct TextCase {
    const char* text;
    const char* back;
};

TEST_F(FormulaTextTest, CodeReadsBackAsCompactInfixText)
{
    const TextCase cases[] = {
        {"a + b * ( c - 1 )", "a+b*(c-1)"},
        {"a-b-c", "a-b-c"},
        {"2^3^2", "2^3^2"},
        {"-a^2", "-a^2"},
        {"#not#a#and#b#or#c", "#NOT#a#AND#b#OR#c"},
        {"a>=b=(c<>1)", "a>=b=(c<>1)"},
        {"T&\"x\"", "T&\"x\""},
        {"sum(a,b,Table1.Col)", "SUM(a,b,Table1.Col)"},
        {"IF(a,MAX(b,1),MOD(c,2))", "IF(a,MAX(b,1),MOD(c,2))"},
        {"PI()*2", "PI()*2"},
        {"-(a)", "-(a)"},
        {"5%", "5%"},
        {"2.50", "2.5"},
        {"12", "12"},
        {"0.1", "0.1"},
        {"1e25", "1e+25"},
        {"0.000015", "1.5e-05"},
        {"123456789012345678", "123456789012345680"},
        {"1/3", "1/3"},
    };
    for (const TextCase& c : cases) {
        ASSERT_EQ(host.Compile(10, c.text), "") << c.text;
        EXPECT_EQ(host.Text(10), c.back) << c.text;
        // The text compiles to the same code again.
        const auto code = host.Code(10);
        ASSERT_EQ(host.Compile(10, host.Text(10)), "") << c.text;
        EXPECT_EQ(host.Code(10), code) << c.text;
    }
}

TEST_F(FormulaTextTest, TextConstantsComeBackWithTheirEscapes)
{
    ASSERT_EQ(host.Compile(10, R"(T&"q\"b\\c\Ed")"), "");
    EXPECT_EQ(host.Text(10), R"(T&"q\"b\\c\Ed")");
}

TEST_F(FormulaTextTest, FieldsAndRangesTakeTheirCurrentNamesOrMarkers)
{
    ASSERT_EQ(host.Compile(10, "a+b+SUM(Table1.Col)"), "");
    host.fields[1].name = "renamed";
    EXPECT_EQ(host.Text(10), "renamed+b+SUM(Table1.Col)");
    host.fields.erase(2);
    host.ranges[range].valid = false;
    EXPECT_EQ(host.Text(10), "renamed+!invalid field!+SUM(!invalid range!)");
}

TEST_F(FormulaTextTest, TooLongTextGivesTheMessage)
{
    const std::string longName(100, 'n'); // the longest name a formula may hold
    host.AddField(5, longName);
    std::string text = longName;
    for (int i = 0; i < 10; ++i)
        text += "+" + longName;
    ASSERT_EQ(host.Compile(10, text), "");
    EXPECT_EQ(host.Text(10), "Formula string exceeds 1000 bytes");
    char out[1024];
    EXPECT_EQ(host.set.GetFormulaString(11, out), 0);
}

TEST_F(FormulaTextTest, FlagTellsAMessageFromAFormula)
{
    ASSERT_EQ(host.Compile(10, "a+a+a+a+a+a+a+a"), "");
    char out[1024];
    int flag = -1;
    host.set.GetFormula(10)->ToText(out, &flag);
    EXPECT_EQ(flag, 0);
    EXPECT_STREQ(out, "a+a+a+a+a+a+a+a");
    host.fields[1].name = std::string(150, 'n');
    host.set.GetFormula(10)->ToText(out, &flag);
    EXPECT_EQ(flag, 8);
    EXPECT_STREQ(out, "Formula string exceeds 1000 bytes");
}

} // namespace
