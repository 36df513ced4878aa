// The number field's value: typed text read and refused, column limits,
// zero and empty values, rules, operands, and its group byte for byte.
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "tests/fields/datatypes/datatype_test_support.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>

namespace {

std::unique_ptr<NUMBERDATATYPE> Number()
{
    auto n = std::make_unique<NUMBERDATATYPE>();
    EXPECT_EQ(n->InitialiseValue(), 1);
    return n;
}

std::string Shown(NUMBERDATATYPE& n)
{
    std::array<int16_t, 256> widths;
    widths.fill(10);
    std::string text;
    std::vector<int> w;
    n.FormatNumber(widths.data(), text, w);
    return text;
}

TEST(NumberDataType, TypedTextIsReadOrRefusedWithItsMessage)
{
    struct Case {
        const char* text;
        int16_t decimals;
        int16_t power; // of the positive mask
        const char* message; // null: taken
        double stored;
    };
    const Case cases[] = {
        {"1,234.5", -1, 0, nullptr, 1234.5},
        {" -5 ", -1, 0, nullptr, -5},
        {"12%", -1, 0, "Percentage not allowed for this value.", 0},
        {"12%", -1, 2, nullptr, 0.12},
        {"50", -1, 2, nullptr, 0.5},
        {"1.234", 2, 0, "Too many digits following decimal point", 0},
        {"1.23", 2, 0, nullptr, 1.23},
        {"12a", -1, 0, "Invalid character for a number.", 0},
        {"1.2.3", -1, 0, "Only one decimal place allowed.", 0},
        {"- 5", -1, 0, "Invalid character for a number.", 0},
        {"", -1, 0, nullptr, 0},
    };
    for (const Case& c : cases) {
        auto n = Number();
        n->nDecimals = c.decimals;
        n->pPositive->nScalePower = c.power;
        std::string message;
        const int taken = n->SetText(c.text, message, 1);
        if (c.message) {
            EXPECT_EQ(taken, 0) << c.text;
            EXPECT_EQ(message, c.message) << c.text;
            continue;
        }
        EXPECT_EQ(taken, 1) << c.text << ": " << message;
        EXPECT_EQ(n->StoreText(c.text), 1);
        if (std::string_view(c.text).empty()) {
            EXPECT_TRUE(n->IsEmpty());
        } else {
            ASSERT_FALSE(n->IsEmpty()) << c.text;
            EXPECT_DOUBLE_EQ(*n->pValue, c.stored) << c.text;
        }
    }
    auto n = Number();
    std::string message;
    EXPECT_EQ(n->SetText(std::string(99, '1'), message, 1), 1);
    EXPECT_EQ(n->SetText(std::string(100, '1'), message, 1), 0);
    EXPECT_EQ(message, "100 digits maximum.");
}

TEST(NumberDataType, ABoundColumnRefusesWhatItCannotHold)
{
    struct Case {
        int16_t sqlType;
        uint16_t scale;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {kSqlBigInt, 0, "2147483648", "SQL Error: Number larger than max for column (2147483647.000000)"},
        {kSqlBigInt, 0, "2147483647", nullptr},
        {kSqlInteger, 0, "-2147483649", "SQL Error: Number smaller than min for column (-2147483648.000000)"},
        {kSqlSmallInt, 0, "1.5", "SQL Error: Number must be an integer for column"},
        {kSqlTinyInt, 0, "128", "SQL Error: Number larger than max for column (127.000000)"},
        {kSqlDecimal, 2, "1.234", "SQL Error: Number must contain less than 2 digits."},
        {kSqlDecimal, 2, "1.25", nullptr},
        {kSqlDouble, 5, "1.234567", nullptr},
    };
    for (const Case& c : cases) {
        auto n = Number();
        n->SetColumnLimits(c.sqlType, 10, c.scale);
        std::string message;
        EXPECT_EQ(n->SetText(c.text, message, 1), c.message ? 0 : 1) << c.text;
        if (c.message) {
            EXPECT_EQ(message, c.message);
        }
    }
}

TEST(NumberDataType, ColumnLimitsFollowTheSqlType)
{
    COLUMNLIMITS big;
    big.Set(kSqlBigInt, 19, 4);
    EXPECT_EQ(big.bIntegerOnly, 1);
    EXPECT_EQ(big.dMaxPositive, 2147483647.0);
    EXPECT_EQ(big.dMaxNegative, 2147483648.0);
    EXPECT_EQ(big.nScale, kNoScale);
    EXPECT_EQ(SqlTypeToColumnType(kSqlBigInt), kColumnNone);

    COLUMNLIMITS numeric;
    numeric.Set(kSqlNumeric, 12, 3);
    EXPECT_EQ(numeric.nScale, 3);
    EXPECT_EQ(numeric.nColumnSize, 12);
    numeric.Set(0, 99, 0);
    EXPECT_EQ(numeric.nColumnSize, 12) << "SQL type 0 keeps the size";
    EXPECT_EQ(numeric.nScale, kNoScale);
    EXPECT_EQ(numeric.dMaxPositive, -1.0);

    std::string letters;
    GetColumnTypeLetters(letters, kSqlLongVarBinary);
    EXPECT_EQ(letters, "Bin");
    GetColumnTypeLetters(letters, kSqlBigInt);
    EXPECT_EQ(letters, "");
    EXPECT_EQ(ColumnTypeToSqlType(kColumnDate), kSqlTimestamp);
}

TEST(NumberDataType, ZeroAndEmptyShowThroughTheZeroMaskOrNotAtAll)
{
    for (bool zeroMask : {false, true}) {
        SCOPED_TRACE(zeroMask);
        auto n = Number();
        if (zeroMask)
            n->pZero = std::make_unique<NUMBERFORMAT>();
        EXPECT_EQ(Shown(*n), zeroMask ? "0.00" : "") << "empty";
        std::string text = "x";
        EXPECT_EQ(n->GetText(text), 0);
        EXPECT_EQ(text, "");
        n->StoreText("0");
        EXPECT_EQ(Shown(*n), zeroMask ? "0.00" : "") << "zero";
        EXPECT_EQ(n->GetText(text), 1);
        EXPECT_EQ(text, zeroMask ? "0" : "");
        n->StoreText("-2.5");
        EXPECT_EQ(Shown(*n), "-2.50");
        n->GetText(text);
        EXPECT_EQ(text, "-2.5");
    }
    auto percent = Number();
    percent->pPositive->SetMask("0\"%\"");
    percent->pPositive->nScalePower = 2;
    percent->StoreText("12.5%");
    std::string text;
    percent->GetText(text);
    EXPECT_EQ(text, "12.5%");
    EXPECT_DOUBLE_EQ(*percent->pValue, 0.125);
}

TEST(NumberDataType, RulesTestTheValueAndNameTheRangeWhenRefused)
{
    auto n = Number();
    std::string message;
    ASSERT_EQ(n->SetRule(kRuleBetween, 0, "1", "5", message), 1);
    n->StoreText("7");
    EXPECT_EQ(n->CheckRule(message), 0);
    EXPECT_EQ(message, "Number Must Be Between '1' And '5'");
    n->StoreText("3");
    EXPECT_EQ(n->CheckRule(message), 1);
    n->SetRule(kRuleBetween, 1, "1", "5", message);
    EXPECT_EQ(n->CheckRule(message), 0);
    EXPECT_EQ(message, "Number Cannot Be Between '1' And '5'");

    EXPECT_EQ(n->SetRule(kRuleBetween, 0, "5", "1", message), 0);
    EXPECT_EQ(message, "First value must be greater than last value");
    EXPECT_EQ(n->SetRule(kRuleGreater, 0, "x", "", message), 0);
    EXPECT_EQ(message, "Invalid character for a number.");
    EXPECT_EQ(n->SetRule(kRuleGreater, 0, "", "", message), 1);
    EXPECT_EQ(n->GetRuleOperator(), kRuleNone);
    n->StoreText("-100");
    EXPECT_EQ(n->CheckRule(message), 1);

    n->SetRule(kRuleLessEqual, 0, "1234567", "", message);
    int negate = 1;
    std::string v1;
    std::string v2 = "x";
    EXPECT_EQ(n->GetRule(negate, v1, v2), 1);
    EXPECT_EQ(negate, 0);
    EXPECT_EQ(v1, "1234567") << "an exponent shows as edit text";
    EXPECT_EQ(v2, "");
    EXPECT_EQ(n->SetText("1234568", message, 1), 0);
    EXPECT_EQ(message, "Number Must Be Lesser or equal to '1234567'");
    EXPECT_EQ(n->SetText("1234568", message, 0), 1) << "not validated";
}

TEST(NumberDataType, BlankAndContainsRulesTestWhetherThereIsAValue)
{
    struct Case {
        uint16_t op;
        int negate;
        const char* text;
        const char* message; // null: passes
    };
    const Case cases[] = {
        {kRuleBlank, 0, "", nullptr},
        {kRuleBlank, 0, "3", "Number Must Be Blank"},
        {kRuleBlank, 1, "", "Number Cannot Be Blank"},
        {kRuleBlank, 1, "0", nullptr},
        {kRuleContains, 0, "3", nullptr},
        {kRuleContains, 0, " ", "Number Must Be Contains"},
    };
    for (const Case& c : cases) {
        auto n = Number();
        std::string message;
        ASSERT_EQ(n->SetRule(c.op, c.negate, "0", "", message), 1);
        message.clear();
        EXPECT_EQ(n->SetText(c.text, message, 1), c.message ? 0 : 1) << c.op << " '" << c.text << "'";
        EXPECT_EQ(message, c.message ? c.message : "");
        n->StoreText(c.text);
        EXPECT_EQ(n->CheckRule(message), c.message ? 0 : 1) << c.op << " '" << c.text << "'";
    }
}

TEST(NumberDataType, AnAutoIncrementedInitialValueShowsAsTypedAndCountsUpOnReset)
{
    auto n = Number();
    n->bAutoIncrement = 1;
    std::string message;
    ASSERT_EQ(n->SetInitialValue("10", message, 3), 1);
    EXPECT_DOUBLE_EQ(*n->pInitial, 7);
    std::string text;
    EXPECT_EQ(n->GetInitialValue(text, 3), 1);
    EXPECT_EQ(text, "10");
    n->wErrorId = kErrMarker;
    n->ResetValue(5);
    EXPECT_DOUBLE_EQ(*n->pValue, 12);
    EXPECT_EQ(n->wErrorId, 0);
    EXPECT_EQ(n->SetInitialValue("", message, 0), 1);
    EXPECT_EQ(n->bAutoIncrement, 0);
    n->ResetValue(5);
    EXPECT_TRUE(n->IsEmpty());
}

TEST(NumberDataType, OperandsCarryTheValueOrItsErrorMarker)
{
    struct Case {
        const char* what;
        OPERAND in;
        uint16_t marker;
        double value;
        bool changed;
    };
    auto number = [](double v) {
        OPERAND o {};
        o.nType = kOperandNumber;
        o.dNumber = v;
        return o;
    };
    auto error = [](uint8_t kind, uint16_t code) {
        OPERAND o {};
        o.nType = kind;
        o.nError = code;
        return o;
    };
    OPERAND text {};
    text.nType = kOperandText;
    text.pszText = "12.5";
    const Case cases[] = {
        {"a new number", number(5.5), 0, 5.5, true},
        {"the same number", number(2), 0, 2, false},
        {"text", text, 0, 12.5, true},
        {"division by zero", error(kOperandError, kDivisionByZero), kDiv0Marker, 2, true},
        {"another error", error(kOperandError, 7), kErrMarker, 2, true},
        {"a message id", error(kOperandMessage, kDateMarker), kDateMarker, 2, true},
    };
    for (const Case& c : cases) {
        auto n = Number();
        n->StoreText("2");
        n->bEdited = n->bChanged = 0;
        n->SetFromOperand(c.in);
        EXPECT_EQ(n->wErrorId, c.marker) << c.what;
        EXPECT_DOUBLE_EQ(*n->pValue, c.value) << c.what;
        EXPECT_EQ(n->bChanged, c.changed ? 1 : 0) << c.what;
        EXPECT_EQ(n->bEdited, c.changed ? 1 : 0) << c.what;
        OPERAND out {};
        n->GetOperand(out);
        if (c.marker) {
            EXPECT_EQ(out.nType, kOperandError) << c.what;
            EXPECT_EQ(out.nError, c.marker == kDiv0Marker ? kDivisionByZero : 0) << c.what;
        } else {
            EXPECT_EQ(out.nType, kOperandNumber) << c.what;
            EXPECT_DOUBLE_EQ(out.dNumber, c.value) << c.what;
        }
    }
    auto empty = Number();
    OPERAND out {};
    empty->GetOperand(out);
    EXPECT_EQ(out.nType, kOperandNumber);
    EXPECT_EQ(out.dNumber, 0.0);
    empty->SetFromOperand(error(kOperandError, 7));
    empty->SetFromOperand(number(3));
    EXPECT_EQ(empty->wErrorId, 0) << "a number clears the marker";
}

// Three masks (thousands, a colour, a quoted zero text), the value 12.5, the
// rule "Between 1 and 100" with two decimals, and the initial value 50
// counting up.
const char kNumberGroup[] = "01"
                            " 03 81 0F00 0000 0100 FFFFFFFF 0500 23302E3030 FF"
                            " 04 81 0F00 0000 0000 FF000000 0500 2D302E3030 FF"
                            " 05 81 1000 0000 0000 FFFFFFFF 0600 226E6F6E6522 FF"
                            " 81 0800 0000000000002940"
                            " 84 1500 000000000000F03F 0000000000005940 00 3201 0200"
                            " 83 0900 0000000000004940 01"
                            " FF";

TEST(NumberDataType, TheGroupIsWrittenByteForByteAndReadBack)
{
    auto n = Number();
    n->pPositive->SetMask("#0.00");
    n->pPositive->bThousands = 1;
    n->pNegative->crColour = 0x0000FF;
    n->pZero = std::make_unique<NUMBERFORMAT>();
    n->pZero->SetMask("\"none\"");
    n->StoreText("12.5");
    std::string message;
    ASSERT_EQ(n->SetRule(kRuleBetween, 0, "1", "100", message), 1);
    n->nDecimals = 2;
    n->bAutoIncrement = 1;
    ASSERT_EQ(n->SetInitialValue("50", message, 0), 1);
    EXPECT_EQ(ToHex(Saved(*n)), ToHex(Hex(kNumberGroup)));

    auto loaded = Number();
    ASSERT_EQ(Loaded(*loaded, Hex(kNumberGroup)), 1);
    EXPECT_EQ(ToHex(Saved(*loaded)), ToHex(Hex(kNumberGroup)));
    EXPECT_EQ(loaded->pZero->strMask, "\"none\"");
    EXPECT_EQ(loaded->nDecimals, 2);

    auto copy = loaded->Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ToHex(Saved(*copy)), ToHex(Hex(kNumberGroup)));
}

TEST(NumberDataType, OlderRecordsAreReadIntoTodaysMasks)
{
    // 0x82: a rule record after black positive and negative masks, which
    // then show in the field's colour unless there is a zero mask.
    const std::string masks = " 03 81 0B00 0000 0000 00000000 0100 30 FF"
                              " 04 81 0C00 0000 0000 00000000 0200 2D30 FF";
    const std::string oldRule = " 82 1500 000000000000F03F 0000000000000000 00 2C01 FFFF FF";
    auto n = Number();
    ASSERT_EQ(Loaded(*n, Hex("01" + masks + oldRule)), 1);
    EXPECT_EQ(n->pPositive->crColour, kFieldColour);
    EXPECT_EQ(n->pNegative->crColour, kFieldColour);
    EXPECT_EQ(n->wRuleOp, kRuleGreater);
    auto withZero = Number();
    ASSERT_EQ(Loaded(*withZero, Hex("01" + masks + " 05 81 0B00 0000 0000 00000000 0100 30 FF" + oldRule)), 1);
    EXPECT_EQ(withZero->pPositive->crColour, 0u);

    // 0x86: decimals and a currency flag rebuild the standard masks with the
    // currency symbol of win.ini; a zero mask becomes empty.
    ScopedWinIni ini("[Intl]\nsCurrency=\xC2\xA3\n");
    auto currency = Number();
    ASSERT_EQ(Loaded(*currency, Hex("01 05 81 0B00 0000 0000 00000000 0100 30 FF 86 0600 0200 0000 0100 FF")), 1);
    EXPECT_EQ(currency->pPositive->strMask,
        "\xA3"
        "0.00");
    EXPECT_EQ(currency->pNegative->strMask,
        "-\xA3"
        "0.00");
    EXPECT_EQ(currency->pZero->strMask, "");
    auto plain = Number();
    ASSERT_EQ(Loaded(*plain, Hex("01 86 0600 0000 0000 0000 FF")), 1);
    EXPECT_EQ(plain->pPositive->strMask, "0");
    EXPECT_EQ(plain->pNegative->strMask, "-0");
}

TEST(NumberDataType, UnknownRecordsAreSkippedAndAShortGroupRaisesTheArchiveError)
{
    auto n = Number();
    ASSERT_EQ(Loaded(*n, Hex("01 90 0200 AABB 07 81 0100 00 FF 81 0800 0000000000002940 FF")), 1);
    EXPECT_DOUBLE_EQ(*n->pValue, 12.5);
    auto cut = Number();
    EXPECT_THROW(Loaded(*cut, Hex("01 81 0800 00000000")), io::ArchiveError);
}

} // namespace
