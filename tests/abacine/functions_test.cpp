// The built-in functions on worked examples.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <string>

#include "test_host.h"

namespace {

struct FunctionCase {
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

class FunctionsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host.AddField(1, "A", N(2));
        host.AddField(2, "Word", S("word"));
        // COL: 1, 2, 3; MIXED: 2, "4", empty; ERRS: 1, error 55; NONE: no cells.
        for (uint16_t id = 50; id <= 52; ++id)
            host.AddField(id, "c" + std::to_string(id), N(id - 49));
        host.AddRange("COL", 50, 52);
        host.AddField(60, "m60", N(2));
        host.AddField(61, "m61", S("4"));
        host.AddField(62, "m62", HostValue {});
        host.AddRange("MIXED", 60, 62);
        host.AddField(70, "e70", N(1));
        host.AddField(71, "e71", E(55));
        host.AddRange("ERRS", 70, 71);
        host.ranges[host.AddRange("NONE", 80, 80)].cells.clear();
    }
    void Check(const FunctionCase* begin, const FunctionCase* end)
    {
        for (const FunctionCase* c = begin; c != end; ++c)
            EXPECT_TRUE(SameValue(host.Run(c->text), c->want)) << c->text;
    }
    TestHost host;
};

TEST_F(FunctionsTest, Mathematics)
{
    const double pi = std::bit_cast<double>(0x400921FB54442D1AULL);
    const FunctionCase cases[] = {
        {"MOD(-7,2)", N(-1)},
        {"MOD(7,-2)", N(1)},
        {"MOD(1,0)", E(100)},
        {"INT(-1.5)", N(-2)},
        {"INT(1.5)", N(1)},
        {"ROUND(2.5,0)", N(3)},
        {"ROUND(-2.5,0)", N(-3)},
        {"ROUND(3.14159,2)", N(3.14)},
        {"ROUND(1250,-2)", N(1300)},
        {"ROUND(1,16)", E(101)},
        {"ROUND(1,-16)", E(101)},
        {"ATAN2(0,0)", E(101)},
        {"ATAN2(1,1)", N(std::atan2(1.0, 1.0))},
        {"ATAN2(0,1)", N(std::atan2(1.0, 0.0))},
        {"SQRT(-1)", E(101)},
        {"SQRT(16)", N(4)},
        {"LN(0)", E(101)},
        {"LOG(-1)", E(101)},
        {"LOG(100)", N(2)},
        {"ACOS(2)", E(101)},
        {"ASIN(1)", N(std::asin(1.0))},
        {"ABS(-3)", N(3)},
        {"EXP(0)", N(1)},
        {"DEGREES(PI())", N(180)},
        {"RADIANS(180)", N(pi)},
    };
    Check(std::begin(cases), std::end(cases));
    const HostValue piValue = host.Run("PI()");
    EXPECT_EQ(std::bit_cast<uint64_t>(piValue.number), 0x400921FB54442D1AULL);
    const HostValue r = host.Run("RAND()");
    EXPECT_TRUE(r.type == 1 && r.number >= 0 && r.number < 1.12);
}

TEST_F(FunctionsTest, Financial)
{
    const FunctionCase cases[] = {
        {"PMT(1000,0,12)", E(100)},
        {"PMT(1000,0.1,2)", N(1000 * 0.1 / (1 - std::pow(1.1, -2)))},
        {"PMT(1000,-1,2)", E(101)},
        {"FV(100,0,12)", N(1200)},
        {"FV(100,0.1,2)", N(210)},
        {"FV(100,0.1,0.5)", E(101)},
        {"PV(100,0.1,2)", N(100 * (1 - std::pow(1.1, -2)) / 0.1)},
        {"PV(100,0,2)", E(100)},
        {"RATE(121,100,2)", N(0.1)},
        {"RATE(121,0,2)", E(100)},
        {"RATE(121,100,0)", E(101)},
        {"SLN(1000,100,9)", N(100)},
        {"SLN(1,1,0)", E(101)},
        {"SYD(1000,100,9,1)", N(180)},
        {"SYD(1000,100,9,10)", E(101)},
        {"DDB(1000,100,5,1)", N(400)},
        {"DDB(1000,100,5,2)", N(240)},
        {"DDB(1000,100,5,5)", N(29.6)}, // cut to what is left above the salvage
        {"DDB(1000,100,5,6)", E(101)},
        {"CTERM(0.1,121,100)", N(2)},
        {"CTERM(0.1,100,100)", N(0)},
        {"CTERM(0.1,121,0)", E(101)},
        {"TERM(100,0.1,210)", N(2)},
        {"TERM(100,0,210)", E(100)},
        {"TERM(100,-2,210)", E(101)},
    };
    Check(std::begin(cases), std::end(cases));
}

// Depreciation by its definition, period by period.
double DoubleDeclining(double cost, double salvage, double life, long period)
{
    double book = cost, remaining = cost - salvage, d = 0;
    for (long i = 0; i < period; ++i) {
        d = std::min(book * 2 / life, remaining);
        remaining -= d;
        book -= d;
    }
    return d;
}

TEST_F(FunctionsTest, DoubleDecliningOverVeryManyPeriods)
{
    const double life = 300000;
    long cut = 0; // the period whose depreciation is cut to what is left
    for (double book = 1000; book - book * 2 / life >= 500; book -= book * 2 / life)
        ++cut;
    ++cut;
    const struct {
        double salvage;
        long period;
    } cases[] = {{0, 100001}, {0, 250000}, {500, cut - 1}, {500, cut}, {500, cut + 1}, {500, 250000}};
    for (const auto& c : cases) {
        const std::string text = "DDB(1000," + std::to_string(c.salvage) + ",300000," + std::to_string(c.period) + ")";
        const HostValue got = host.Run(text);
        ASSERT_EQ(got.type, 1) << text;
        // Near the cut the result is a difference of close book values.
        EXPECT_NEAR(got.number, DoubleDeclining(1000, c.salvage, life, c.period), 1e-6) << text;
    }
}

TEST_F(FunctionsTest, DatesAndTimes)
{
    const FunctionCase cases[] = {
        {"DATE(0,1,1)", N(2)},
        {"DATE(1900,1,1)", N(2)},
        {"DATE(1900,2,28)", N(60)},
        {"DATE(1900,3,1)", N(61)},
        {"DATE(1901,1,1)", N(367)},
        {"DATE(2000,2,29)", N(36585)},
        {"DATE(2078,12,31)", N(65380)},
        {"DATE(1900,2,29)", E(101)},
        {"DATE(2079,1,1)", E(101)},
        {"DATE(2001,13,1)", E(101)},
        {"DAY(61)", N(1)},
        {"MONTH(61)", N(3)},
        {"DAY(60)", N(29)},
        {"YEAR(367)", N(1)},
        {"DAY(1461)", N(31)}, // last day of a four-year cycle
        {"MONTH(1461)", N(12)},
        {"YEAR(1461)", N(3)},
        {"YEAR(1462)", N(4)},
        {"DAY(36585)", N(29)},
        {"MONTH(36585)", N(2)},
        {"YEAR(36585)", N(100)},
        {"DAY(65380)", N(31)},
        {"DAY(1)", E(101)},
        {"DAY(65381)", E(101)},
        {"HOUR(0.5)", N(12)},
        {"HOUR(0.99999999)", N(24)},
        {"HOUR(TIME(10,30,15))", N(10)},
        {"MINUTE(TIME(10,30,15))", N(30)},
        {"SECOND(TIME(10,30,15))", N(15)},
        {"TIME(12,0,0)", N(0.5)},
    };
    Check(std::begin(cases), std::end(cases));
    EXPECT_GE(host.Run("YEAR(NOW())").number, 124);
}

TEST_F(FunctionsTest, ListsOverValuesAndRanges)
{
    const FunctionCase cases[] = {
        {"SUM(COL)", N(6)},
        {"SUM(COL,4)", N(10)},
        {"AVG(COL,4)", N(2.5)},
        {"MAX(COL)", N(3)},
        {"MIN(COL,-1)", N(-1)},
        {"VAR(COL)", N(2.0 / 3)},
        {"STD(COL)", N(std::sqrt(2.0 / 3))},
        {"SUM(MIXED)", N(6)},
        {"AVG(MIXED)", N(2)}, // the empty cell counts in n
        {"MAX(MIXED)", N(4)},
        {"SUM(ERRS)", E(55)},
        {"SUM(NONE)", N(0)},
        {"MAX(NONE)", N(0)},
        {"AVG(NONE)", E(100)},
        {"VAR(NONE)", E(100)},
        {"STD(NONE)", E(100)},
    };
    Check(std::begin(cases), std::end(cases));
}

TEST_F(FunctionsTest, ChoiceLogicAndText)
{
    const FunctionCase cases[] = {
        {"CHOOSE(1,10,20,30)", N(20)},
        {"CHOOSE(0,10,20,30)", N(10)},
        {"CHOOSE(2.9,10,20,30)", N(30)},
        {"CHOOSE(3,10,20,30)", E(101)},
        {"CHOOSE(-1,10,20,30)", E(101)},
        {"CHOOSE(1,1/0,5)", N(5)},
        {"CHOOSE(0,1/0,5)", E(36010)},
        {"CHOOSE(1,\"a\",\"b\")", S("b")},
        {"IF(0,1,2)", N(2)},
        {"IF(A,1,2)", N(1)},
        {"IF(Word,1,2)", N(2)}, // a non-numeric text reads as 0
        {"IF(1,1/0,2)", E(36010)},
        {"IF(0,1/0,2)", N(2)},
        {"IF(1/0,1,2)", E(101)},
        {"ERR()", E(36010)},
        {"ISERR(ERR())", N(1)},
        {"TRUE()", N(1)},
        {"FALSE()", N(0)},
        {"CONCATENATE(\"a\",Word,\"b\")", S("awordb")},
    };
    Check(std::begin(cases), std::end(cases));
}

} // namespace
