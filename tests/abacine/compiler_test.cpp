// Compiling formula text: refusals with their messages, postfix code,
// circular references and the function table.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "test_host.h"

namespace {

std::string Hex(const std::vector<uint8_t>& bytes)
{
    std::string out;
    char buf[3];
    for (uint8_t b : bytes) {
        std::snprintf(buf, sizeof buf, "%02X", b);
        out += buf;
    }
    return out;
}

std::string NoBlanks(std::string s)
{
    std::erase(s, ' ');
    return s;
}

class CompilerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddField(1, "A");
        host.AddField(2, "B");
        host.AddField(3, "C");
        host.AddField(4, "T", HostValue::Text("x"));
        host.AddField(10, "F");
        host.AddField(11, "G");
        host.AddField(12, "H");
        for (uint16_t id = 50; id <= 52; ++id)
            host.AddField(id, "cell" + std::to_string(id));
        host.AddRange("COL", 50, 52);
    }
    TestHost host;
};

struct Refusal {
    const char* text;
    const char* message;
};

TEST_F(CompilerTest, RefusesWrongFormulasWithTheirMessage)
{
    const std::string nested = [] {
        std::string s;
        for (int i = 0; i < 29; ++i)
            s += "1+(";
        return s + "1" + std::string(29, ')');
    }();
    std::string tooBig = "1";
    for (int i = 0; i < 50; ++i)
        tooBig += "+1";
    const Refusal cases[] = {
        {"1+", "Calculation cannot end with an operator such as +,- etc.."},
        {"A*-", "Calculation cannot end with an operator such as +,- etc.."},
        {"(1+2", "Brackets in calculation do not balance"},
        {"SUM(A,B", "Brackets in calculation do not balance"},
        {"1+2)", "Brackets in calculation do not balance"},
        {"1,2", "Brackets in calculation do not balance"},
        {"SUM()", "Calculation is invalid"},
        {",1", "Calculation is invalid"},
        {"X+1", "Calculation is invalid"},
        {"A B", "Calculation is invalid"}, // "AB" names no field
        {"#Not#1", "Calculation is invalid"},
        {"1#And#1", "Calculation is invalid"},
        {"1!", "Calculation is invalid"},
        {"MOD(1)", "A function has an incorrect number of parameters"},
        {"MOD(1,2,3)", "A function has an incorrect number of parameters"},
        {"PI(1)", "A function has an incorrect number of parameters"},
        {"(1,2)", "A function has an incorrect number of parameters"},
        {nested.c_str(), "A function has an incorrect number of parameters"},
        {tooBig.c_str(), "This calculation is too big to store"},
        {"\"abc", "Calculation is invalid or corrupt"},
        {"\"abc\\", "Calculation is invalid or corrupt"},
        {"\"a\"+1", "Binary Operator needs Numbers"},
        {"COL*2", "Binary Operator needs Numbers"},
        {"\"a\"&1", "Concatenation requires Strings"},
        {"A&T", "Concatenation requires Strings"},
        {"CONCATENATE(T,1)", "Concatenation requires Strings"},
        {"\"a\"=1", "Types must be the same for a comparison"},
        {"COL<1", "Types must be the same for a comparison"},
        {"-\"a\"", "What follows a Unary operator (+,- or #NOT#) must be convertable to a number"},
        {"#NOT#COL", "What follows a Unary operator (+,- or #NOT#) must be convertable to a number"},
        {"SIN(\"a\")", "Parameters of function must be numeric (or convertable to a number)"},
        {"SUM(1,\"a\")", "Parameters of function must be numeric (or convertable to a number)"},
        {"IF(\"a\",1,2)", "Parameters of function must be numeric (or convertable to a number)"},
        {"CHOOSE(1)", "Choose function needs at least two parameters"},
        {"CHOOSE(1,COL,2)", "A function contains incorrect parameter types"},
        {"F+1", "This formula contains a Circular Reference"},
    };
    for (const Refusal& c : cases) {
        EXPECT_EQ(host.Compile(10, c.text), c.message) << c.text;
        EXPECT_FALSE(host.set.IsIDInSet(10)) << c.text;
    }
    EXPECT_EQ(host.Compile(51, "SUM(COL)"), "This formula contains a Circular Reference");
}

TEST_F(CompilerTest, ARefusalKeepsThePreviousFormula)
{
    ASSERT_EQ(host.Compile(10, "A+1"), "");
    const std::vector<uint8_t> before = host.Code(10);
    EXPECT_NE(host.Compile(10, "A+"), "");
    EXPECT_EQ(host.Code(10), before);
}

struct CodeCase {
    const char* text;
    const char* code; // hex, blanks for reading only
};

TEST_F(CompilerTest, WritesPostfixCodeByPrecedence)
{
    const CodeCase cases[] = {
        {"A+B*C", "43CC0100 43CC0200 43CC0300 17CC 15CC 31CC"},
        {"A*B+C", "43CC0100 43CC0200 17CC 43CC0300 15CC 31CC"},
        {"A-B-C", "43CC0100 43CC0200 16CC 43CC0300 16CC 31CC"},
        {"2^3^2", "41CC0000000000000040 41CC0000000000000840 14CC 41CC0000000000000040 14CC 31CC"},
        {"-A^B", "43CC0100 02CC 43CC0200 14CC 31CC"},
        {"+A", "43CC0100 01CC 31CC"},
        {"A#AND#B#OR#C", "43CC0100 43CC0200 1DCC 43CC0300 1CCC 31CC"},
        {"A#or#B#and#C", "43CC0100 43CC0200 43CC0300 1DCC 1CCC 31CC"},
        {"A=B#AND#C", "43CC0100 43CC0200 19CC 43CC0300 1DCC 31CC"},
        {"A<B=C>=A", "43CC0100 43CC0200 1ACC 43CC0300 43CC0100 11CC 19CC 31CC"},
        {"#not#A<>B", "43CC0100 03CC 43CC0200 13CC 31CC"},
        {"T&\"x\"", "43CC0400 42CC7800 1ECC 31CC"},
        {"5%", "46CC0000000000001440 31CC"},
        {"1 2", "41CC0000000000002840 31CC"},
        {"(A)", "43CC0100 51CC0100 31CC"},
        {"PI()", "66CC0000 31CC"},
        {"sum(A,B)", "43CC0100 43CC0200 7ACC0200 31CC"},
        {"SUM(COL)", "44CC34003200 7ACC0100 31CC"},
        {"ATAN2(A,B)+ATAN(C)", "43CC0100 43CC0200 5ECC0200 43CC0300 5FCC0100 15CC 31CC"},
        {"-SUM(A)*B", "43CC0100 7ACC0100 02CC 43CC0200 17CC 31CC"},
        {"MAX(A,B)>5", "43CC0100 43CC0200 77CC0200 41CC0000000000001440 1BCC 31CC"},
    };
    for (const CodeCase& c : cases) {
        ASSERT_EQ(host.Compile(10, c.text), "") << c.text;
        EXPECT_EQ(Hex(host.Code(10)), NoBlanks(c.code)) << c.text;
    }
}

TEST_F(CompilerTest, TextConstantsReadTheirEscapes)
{
    ASSERT_EQ(host.Compile(10, R"("a\"b\\c\Ed\ef\x")"), "");
    const std::vector<uint8_t> code = host.Code(10);
    const std::string text(code.begin() + 2, code.end() - 3);
    EXPECT_EQ(text, "a\"b\\c\rd\rf\\x");
}

TEST_F(CompilerTest, CircularReferencesThroughOtherFormulasAreRefused)
{
    ASSERT_EQ(host.Compile(10, "G+1"), "");
    ASSERT_EQ(host.Compile(11, "H*2"), "");
    EXPECT_EQ(host.Compile(12, "F"), "This formula contains a Circular Reference");
    EXPECT_EQ(host.Compile(12, "A"), "");
    // Through a range: a formula of a cell that reads a field summing the range.
    ASSERT_EQ(host.Compile(2, "SUM(COL)"), "");
    EXPECT_EQ(host.Compile(50, "B+1"), "This formula contains a Circular Reference");
}

TEST_F(CompilerTest, AddingReplacesAndEmptyTextRemoves)
{
    ASSERT_EQ(host.Compile(10, "A"), "");
    ASSERT_EQ(host.Compile(11, "B"), "");
    ASSERT_EQ(host.Compile(10, "C"), "");
    ASSERT_EQ(host.set.formulas.Count(), 2);
    EXPECT_EQ(static_cast<FORMULA*>(host.set.formulas.Last())->nFieldID, 10);
    EXPECT_EQ(host.Text(10), "C");

    EXPECT_EQ(host.Compile(12, ""), ""); // no formula there: nothing changes
    EXPECT_EQ(host.set.formulas.Count(), 2);
    EXPECT_EQ(host.Compile(10, ""), "");
    EXPECT_FALSE(host.set.IsIDInSet(10));
    EXPECT_EQ(host.set.RemoveFormula(10), 0);
    EXPECT_EQ(host.set.RemoveFormula(11), 1);
    EXPECT_EQ(host.set.formulas.Count(), 0);
}

TEST_F(CompilerTest, BlanksGoExceptInsideQuotedText)
{
    ASSERT_EQ(host.Compile(10, "  T  &  \" a  b\\\" c\td \"  "), "");
    EXPECT_EQ(host.Text(10), "T&\" a  b\\\" c\td \"");
}

TEST(FunctionTable, AnswersNamesCountsAndIndexes)
{
    EXPECT_EQ(FORMULA_SET::GetNumFunctions(), 50);
    EXPECT_STREQ(FORMULA_SET::GetFunction(0), "(");
    EXPECT_STREQ(FORMULA_SET::GetFunction(1), "AVG(");
    EXPECT_STREQ(FORMULA_SET::GetFunction(50), "CONCATENATE(");
    EXPECT_EQ(FORMULA_SET::GetFunction(51), nullptr);
    EXPECT_EQ(FORMULA_SET::GetParameters(1), 10000);
    EXPECT_EQ(FORMULA_SET::GetParameters(26), 2);
    EXPECT_EQ(FORMULA_SET::GetParameters(12), 0);
    EXPECT_EQ(FORMULA_SET::GetParameters(-1), -1);
    EXPECT_EQ(FORMULA_SET::GetIndex("sum(A1)"), 5);
    EXPECT_EQ(FORMULA_SET::GetIndex("ATAN2(1,2)"), 19);
    EXPECT_EQ(FORMULA_SET::GetIndex("ATAN(1)"), 20);
    EXPECT_EQ(FORMULA_SET::GetIndex("SUMX"), -1);
}

} // namespace
