// Evaluation: operators, comparisons, error values and field values.
#include <gtest/gtest.h>

#include <string>

#include "test_host.h"

namespace {

struct EvalCase {
    const char* text;
    HostValue want;
};

HostValue N(double d)
{
    return HostValue::Number(d);
}
HostValue E(uint16_t e)
{
    return HostValue::Error(e);
}
HostValue S(const std::string& s)
{
    return HostValue::Text(s);
}

class EvaluatorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddField(1, "A", N(2));
        host.AddField(2, "B", N(3));
        host.AddField(3, "T10", S("10"));
        host.AddField(4, "T9", S("9"));
        host.AddField(5, "Ta", S("a"));
        host.AddField(6, "Tb", S("b"));
        host.AddField(7, "Bad", E(77));
        host.AddField(8, "Empty", HostValue {});
    }
    void Check(const EvalCase* begin, const EvalCase* end)
    {
        for (const EvalCase* c = begin; c != end; ++c)
            EXPECT_TRUE(SameValue(host.Run(c->text), c->want)) << c->text;
    }
    TestHost host;
};

TEST_F(EvaluatorTest, ArithmeticLogicAndText)
{
    const EvalCase cases[] = {
        {"1+2*3", N(7)},
        {"A*B-1", N(5)},
        {"2^3^2", N(64)},
        {"-2^2", N(4)},
        {"-A", N(-2)},
        {"+A", N(2)},
        {"5%", N(0.05)},
        {"7/2", N(3.5)},
        {"#NOT#0", N(1)},
        {"#NOT#A", N(0)},
        {"2#AND#0", N(0)},
        {"2#AND#3", N(1)},
        {"0#OR#3", N(1)},
        {"0#OR#0", N(0)},
        {"\"x\"&\"y\"", S("xy")},
        {"T10+1", N(11)},
        {"Empty+1", N(1)},
        {"(A+B)*2", N(10)},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST_F(EvaluatorTest, Comparisons)
{
    const EvalCase cases[] = {
        {"T10<T9", N(0)}, // numeric texts compare as numbers
        {"Tb>Ta", N(1)},
        {"\"ab\"<\"abc\"", N(1)},
        {"\"abc\"<\"ab\"", N(0)},
        {"\"abc\"=\"abc\"", N(1)},
        {"\"\xE9\">\"z\"", N(1)}, // bytes compare unsigned
        {"A>=2", N(1)},
        {"A<=1", N(0)},
        {"A<>B", N(1)},
        {"A=T10", N(0)},
        {"T10=10", N(1)},
        {"MAX(A,B)>2", N(1)},
        {"MIN(A,B)=2", N(1)},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST_F(EvaluatorTest, FaultsBecomeErrorValues)
{
    const EvalCase cases[] = {
        {"1/0", E(100)},
        {"1e300*1e300", E(36015)},
        {"-1e300*1e300", E(36015)},
        {"EXP(1000)", E(34)},
        {"EXP(-1000)", N(0)},
        {"(-8)^0.5", E(33)},
        {"Bad+1", E(77)},
        {"1/0+Bad", E(100)}, // the first error operand wins
        {"Bad+1/0", E(77)},
        {"-Bad", E(77)},
        {"SUM(1,Bad,1/0)", E(77)},
        {"ISERR(1/0)", N(1)},
        {"ISERR(A)", N(0)},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST_F(EvaluatorTest, MissingFieldsAndRangesEndTheEvaluation)
{
    host.AddField(20, "Gone", N(1));
    host.AddField(30, "c30", N(1));
    const uint32_t range = host.AddRange("COL", 30, 30);
    ASSERT_EQ(host.Compile(40, "Gone+1"), "");
    ASSERT_EQ(host.Compile(41, "SUM(COL)+1"), "");
    host.AddField(40, "R40");
    host.AddField(41, "R41");
    host.fields.erase(20);
    host.ranges[range].valid = false;
    host.fields[40].upToDate = host.fields[41].upToDate = false;
    host.set.Calculate(0);
    EXPECT_TRUE(SameValue(host.fields[40].value, E(36005)));
    EXPECT_TRUE(SameValue(host.fields[41].value, E(36030)));
}

TEST_F(EvaluatorTest, FieldTextLosesItsFormatCodes)
{
    host.AddField(20, "Rich");
    host.fields[20].value = S("");
    host.fields[20].value.text = std::string("\x1b"
                                             "B\x01\x02\x1b"
                                             "bold",
        10);
    host.AddField(21, "Runs",
        S(std::string("\x1b"
                      "X\x01\x02\x1b"
                      "hidden\x1b"
                      "ok")));
    host.AddField(22, "Cut",
        S(std::string("ab\x1b"
                      "B")));
    const EvalCase cases[] = {
        {"Rich&\"!\"", S("bold!")},
        {"Runs&\"\"", S("ok")},
        {"Cut&\"\"", S("ab")},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST_F(EvaluatorTest, TextIsCutAt500AndTheStoreCannotOverflow)
{
    host.AddField(20, "L", S(std::string(400, 'x')));
    EXPECT_TRUE(SameValue(host.Run("L&L"), S(std::string(500, 'x'))));
    EXPECT_TRUE(SameValue(host.Run("CONCATENATE(L,L)"), S(std::string(500, 'x'))));

    host.fields[20].value = S(std::string(600, 'y')); // read up to 500 bytes
    std::string many = "CONCATENATE(L";
    for (int i = 1; i < 21; ++i)
        many += ",L";
    many += ")";
    EXPECT_TRUE(SameValue(host.Run(many), E(36021)));
    EXPECT_TRUE(SameValue(host.Run("CONCATENATE(L,L,L)"), S(std::string(500, 'y'))));
}

} // namespace
