// Dates: day numbers and back, typed dates in either order, date pictures,
// and the date field's rules, operands and group byte for byte.
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/date_serial.h"
#include "forms/fields/datatypes/date_text.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "tests/fields/datatypes/datatype_test_support.h"

#include <gtest/gtest.h>

namespace {

TEST(DateSerial, DayNumbersCoverFirstJanuary1900ToTheEndOf2078)
{
    const struct {
        int day, month, year;
        double serial; // 0: refused
    } cases[] = {
        {1, 1, 1900, 2},
        {28, 2, 1900, 60},
        {29, 2, 1900, 0},
        {1, 3, 1900, 61},
        {31, 12, 1900, 366},
        {1, 1, 1904, 1462},
        {29, 2, 2000, 36585},
        {29, 2, 1999, 0},
        {31, 4, 1997, 0},
        {23, 8, 1996, 35300},
        {31, 12, 2078, 65380},
        {1, 1, 2079, 0},
        {0, 1, 1950, 0},
        {1, 13, 1950, 0},
        {1, 1, 1899, 0},
    };
    for (const auto& c : cases) {
        double serial = -1;
        EXPECT_EQ(DateToSerial(c.day, c.month, c.year, serial), c.serial ? 1 : 0)
            << c.day << "/" << c.month << "/" << c.year;
        if (c.serial) {
            EXPECT_EQ(serial, c.serial) << c.day << "/" << c.month << "/" << c.year;
        }
    }
}

TEST(DateSerial, SerialToDateIsTheExactInverseOverTheWholeRange)
{
    DATEPARTS previous;
    ASSERT_EQ(SerialToDate(2, previous), 1);
    for (int v = 3; v <= 65380; ++v) {
        DATEPARTS parts;
        ASSERT_EQ(SerialToDate(v, parts), 1) << v;
        double back = 0;
        ASSERT_EQ(DateToSerial(parts.day, parts.month, parts.year, back), 1) << v;
        ASSERT_EQ(back, v);
        // Each day follows the one before.
        const bool nextDay
            = parts.day == previous.day + 1 && parts.month == previous.month && parts.year == previous.year;
        const bool nextMonth = parts.day == 1 && parts.month == previous.month + 1 && parts.year == previous.year;
        const bool nextYear = parts.day == 1 && parts.month == 1 && previous.month == 12 && previous.day == 31
            && parts.year == previous.year + 1;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << v;
        ASSERT_EQ(parts.weekday, (previous.weekday + 1) % 7) << v;
        previous = parts;
    }
    EXPECT_EQ(previous.year, 2078);
    DATEPARTS none;
    for (double v : {0.0, 1.0, 1.5, -3.0, 65381.0, 1e300})
        EXPECT_EQ(SerialToDate(v, none), 0) << v;
}

TEST(DateText, PicturesShowNamesNumbersAndQuotedText)
{
    const struct {
        double v;
        const char* picture;
        const char* text; // null: refused, text unchanged
        uint8_t order;
        uint8_t hasYear;
    } cases[] = {
        {35300, "dddd, d mmmm yyyy", "Friday, 23 August 1996", 1, 1},
        {35300, "ddd dd/mm/yy", "Fri 23/08/96", 1, 1},
        {35300, "MMM D", "Aug 23", 2, 0},
        {35300, "m/d/yyyy", "8/23/1996", 2, 1},
        {35300, "\"Day \"d\" of \"mmmm", "Day 23 of August", 1, 0},
        {35300, "dddd mmmm", "Friday August", 0, 0},
        {35300, "yyyy", "1996", 0, 1},
        {35300, "d:hh", nullptr, 0, 0},
        {35300, "d \"open", nullptr, 0, 0},
        {0, "dd/mm/yy", "", 1, 1},
        {0, "d:h", "", 0, 0},
        {70000, "dd/mm/yy", nullptr, 1, 1},
    };
    for (const auto& c : cases) {
        std::string text = "before";
        DATEPICTUREINFO info {9, 9};
        EXPECT_EQ(FormatDate(c.v, c.picture, text, &info), c.text ? 1 : 0) << c.picture;
        EXPECT_EQ(text, c.text ? c.text : "before") << c.picture;
        EXPECT_EQ(info.order, c.order) << c.picture;
        EXPECT_EQ(info.hasYear, c.hasYear) << c.picture;
    }
}

TEST(DateText, TypedDatesAreReadInEitherOrderWithNamedMonths)
{
    const struct {
        const char* text;
        uint8_t order;
        int day, month, year; // day 0: refused
    } cases[] = {
        {"5 Sep 97", kDayFirst, 5, 9, 1997},
        {"Sep 5 97", kDayFirst, 5, 9, 1997},
        {"sEPTEMBER 5, 1997", kMonthFirst, 5, 9, 1997},
        {"5-sep-1997", kMonthFirst, 5, 9, 1997},
        {"13/5/1997", kMonthFirst, 13, 5, 1997},
        {"5/13/1997", kDayFirst, 13, 5, 1997},
        {"5/9/1997", kMonthFirst, 9, 5, 1997},
        {"  5.9.1997", kDayFirst, 5, 9, 1997},
        {"5th/9/97", kDayFirst, 5, 9, 1997},
        {"5/9/26", kDayFirst, 5, 9, 2026},
        {"5/9/50", kDayFirst, 5, 9, 2050},
        {"5/9/51", kDayFirst, 5, 9, 1951},
        {"5/9/0", kDayFirst, 5, 9, 2000},
        {"5/9", kDayFirst, 0, 0, 0},
        {"5//9", kDayFirst, 0, 0, 0},
        {"5/9/y97", kDayFirst, 0, 0, 0},
        {"a/b/1997", kDayFirst, 0, 0, 0},
        {"29/2/1900", kDayFirst, 0, 0, 0},
        {"1/1/2079", kDayFirst, 0, 0, 0},
        {"12345678901234567890/1/1997", kDayFirst, 0, 0, 0},
        {"13/13/1997", kDayFirst, 0, 0, 0},
    };
    for (const auto& c : cases) {
        double v = -1;
        EXPECT_EQ(ParseDate(c.text, c.order, v), c.day ? 1 : 0) << c.text;
        if (!c.day)
            continue;
        DATEPARTS parts;
        ASSERT_EQ(SerialToDate(v, parts), 1) << c.text;
        EXPECT_EQ(parts.day, c.day) << c.text;
        EXPECT_EQ(parts.month, c.month) << c.text;
        EXPECT_EQ(parts.year, c.year) << c.text;
    }
    double v = -1;
    EXPECT_EQ(ParseDate("   ", kDayFirst, v), 1);
    EXPECT_EQ(v, 0.0);
}

class DateDataType : public testing::Test {
protected:
    static std::unique_ptr<DATEDATATYPE> Date()
    {
        auto d = std::make_unique<DATEDATATYPE>();
        EXPECT_EQ(d->InitialiseValue(), 1);
        return d;
    }

    ScopedWinIni ini {"[Intl]\nsShortDate=d/M/yyyy\n"};
};

TEST_F(DateDataType, TheSystemOrderChoosesThePictureAndTheEditText)
{
    auto d = Date();
    EXPECT_EQ(d->strPicture, "dd/mm/yy");
    EXPECT_EQ(d->nOrder, 1);
    EXPECT_EQ(d->bHasYear, 1);
    d->StoreText("23/8/1996");
    EXPECT_EQ(d->dValue, 35300);
    std::string text;
    EXPECT_EQ(d->GetText(text), 1);
    EXPECT_EQ(text, "23/8/1996");
    d->GetDisplayText(text);
    EXPECT_EQ(text, "23/08/96");
    d->SetPicture("mmm d, yyyy");
    EXPECT_EQ(d->nOrder, 2);
    d->GetText(text);
    EXPECT_EQ(text, "8/23/1996");
    d->SetPicture("mmmm yyyy");
    EXPECT_EQ(d->nOrder, 0);
    EXPECT_EQ(d->GetDateOrder(), kDayFirst) << "the system's";
    d->StoreText("not a date");
    EXPECT_EQ(d->dValue, 35300) << "kept";
    d->StoreText("");
    EXPECT_TRUE(d->IsEmpty());
    EXPECT_EQ(d->GetText(text), 0);
    EXPECT_EQ(text, "");

    ScopedWinIni monthFirst("[Intl]\nsShortDate=M/d/yy\n");
    auto m = Date();
    EXPECT_EQ(m->strPicture, "mm/dd/yy");
    EXPECT_EQ(m->nOrder, 2);
}

TEST_F(DateDataType, TypedDatesAreRefusedOrTestedAgainstTheRule)
{
    auto d = Date();
    std::string message;
    EXPECT_EQ(d->SetText("29/2/1900", message, 1), 0);
    EXPECT_EQ(message, "Invalid text for a date!");
    ASSERT_EQ(d->SetRule(kRuleGreater, 0, "1/1/97", "", message), 1);
    EXPECT_EQ(d->SetText("31/12/1996", message, 1), 0);
    EXPECT_EQ(message, "Date Must Be Greater than '01/01/97'");
    EXPECT_EQ(d->SetText("2/1/1997", message, 1), 1);
    ASSERT_EQ(d->SetRule(kRuleBetween, 1, "1/1/97", "31/1/97", message), 1);
    EXPECT_EQ(d->SetText("2/1/1997", message, 1), 0);
    EXPECT_EQ(message, "Date Cannot Be Between '01/01/97' And '31/01/97'");

    const struct {
        uint16_t op;
        const char* first;
        const char* second;
        const char* message;
    } bad[] = {
        {kRuleBetween, "31/1/97", "1/1/97", "First value must be greater than last value"},
        {kRuleBetween, "1/1/97", "", "First value must be greater than last value"},
        {kRuleBetween, "", "1/1/97", "First value must be greater than last value"},
        {kRuleEqual, "1/1", "", "Invalid text for a date!"},
    };
    for (const auto& c : bad) {
        message.clear();
        EXPECT_EQ(d->SetRule(c.op, 0, c.first, c.second, message), 0) << c.first;
        EXPECT_EQ(message, c.message);
    }
    EXPECT_EQ(d->SetRule(kRuleEqual, 0, "", "", message), 1);
    EXPECT_EQ(d->GetRuleOperator(), kRuleNone);

    ASSERT_EQ(d->SetRule(kRuleBlank, 0, "1/1/97", "", message), 1);
    EXPECT_EQ(d->SetText("", message, 1), 1);
    EXPECT_EQ(d->SetText("1/1/97", message, 1), 0);
    EXPECT_EQ(message, "Date Must Be Blank");
}

TEST_F(DateDataType, FormulaResultsThatNameNoDateShowTheDateMarker)
{
    auto number = [](double v) {
        OPERAND o {};
        o.nType = kOperandNumber;
        o.dNumber = v;
        return o;
    };
    OPERAND text {};
    text.nType = kOperandText;
    text.pszText = "35300";
    OPERAND error {};
    error.nType = kOperandError;
    error.nError = kDivisionByZero;
    OPERAND otherError = error;
    otherError.nError = 7;
    OPERAND message {};
    message.nType = kOperandMessage;
    message.nError = kErrMarker;
    const struct {
        const char* what;
        OPERAND in;
        double value;
        uint16_t marker;
        bool changed;
    } cases[] = {
        {"a day number", number(35300), 35300, 0, true},
        {"the same day", number(36000), 36000, 0, false},
        {"text", text, 35300, 0, true},
        {"empty", number(0), 0, 0, true},
        {"a fraction", number(0.5), 36000, kDateMarker, true},
        {"one", number(1), 36000, kDateMarker, true},
        {"past 2078", number(65381), 36000, kDateMarker, true},
        {"division by zero", error, 36000, kDateMarker, true},
        {"another error", otherError, 36000, kDateMarker, true},
        {"a message id", message, 36000, kDateMarker, true},
    };
    for (const auto& c : cases) {
        auto d = Date();
        d->dValue = 36000;
        d->SetFromOperand(c.in);
        EXPECT_EQ(d->dValue, c.value) << c.what;
        EXPECT_EQ(d->wErrorId, c.marker) << c.what;
        EXPECT_EQ(d->bChanged, c.changed ? 1 : 0) << c.what;
        EXPECT_EQ(d->bEdited, c.changed ? 1 : 0) << c.what;
        OPERAND out {};
        d->GetOperand(out);
        EXPECT_EQ(out.nType, c.value && !c.marker ? kOperandNumber : kOperandError) << c.what;
        if (out.nType == kOperandNumber) {
            EXPECT_EQ(out.dNumber, c.value);
        }
    }
}

// 23 August 1996 shown day first with a year, the rule "Greater than" day
// 35000 and the initial day 36000.
const char kDateGroup[] = "02"
                          " 81 0A00 00000000803CE140 01 01"
                          " 82 0A00 0800 64642F6D6D2F7979"
                          " 83 1300 000000000017E140 0000000000000000 00 2C01"
                          " 84 0800 000000000094E140"
                          " FF";

TEST_F(DateDataType, TheGroupIsWrittenByteForByteAndReadBack)
{
    auto d = Date();
    d->StoreText("23/8/1996");
    std::string message;
    ASSERT_EQ(d->SetRule(kRuleGreater, 0, "28/10/1995", "", message), 1);
    ASSERT_EQ(d->SetInitialValue("24/7/1998", message, 0), 1);
    EXPECT_EQ(d->dRule1, 35000);
    EXPECT_EQ(d->dInitial, 36000);
    EXPECT_EQ(ToHex(Saved(*d)), ToHex(Hex(kDateGroup)));

    auto loaded = std::make_unique<DATEDATATYPE>();
    ASSERT_EQ(Loaded(*loaded, Hex(kDateGroup)), 1);
    EXPECT_EQ(ToHex(Saved(*loaded)), ToHex(Hex(kDateGroup)));
    auto copy = loaded->Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ToHex(Saved(*copy)), ToHex(Hex(kDateGroup)));
    loaded->ResetValue(7);
    EXPECT_EQ(loaded->dValue, 36000);

    auto empty = Date();
    const Bytes bytes = Saved(*empty);
    EXPECT_EQ(bytes.back(), kEndGroup);
    EXPECT_EQ(ToHex(bytes).find(" 84 "), std::string::npos) << "no initial record without an initial day";
}

} // namespace
