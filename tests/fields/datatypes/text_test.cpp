// Text and memo values: faces named in stored text and back, the rule and
// length checks, operands, and the groups byte for byte.
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/face_names.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/fields/richtext/format_code.h"
#include "tests/fields/datatypes/datatype_test_support.h"

#include <gtest/gtest.h>

namespace {

std::string Code(char letter, int value)
{
    char code[kCodeLength];
    EncodeFormatCode(letter, static_cast<int16_t>(value), code);
    return std::string(code, kCodeLength);
}

const std::string kEsc1(1, '\x1b');

std::string Named(uint8_t pitch, uint8_t marker, uint8_t charset, const std::string& name)
{
    return kEsc1 + "X" + std::string {char(pitch), char(marker), char(charset)} + name + kEsc1;
}

class FaceNames : public ProgramFontsTest {};

TEST_F(FaceNames, FaceCodesNameTheirFacesInStoredTextAndComeBack)
{
    const uint16_t arial = fonts.FindOrAdd(FONTFACE("Arial", 0x22, 0));
    const uint16_t symbol = fonts.FindOrAdd(FONTFACE("Marlett", 0x02, 255));
    const std::string edited
        = "a" + Code('T', arial) + "b" + Code('T', kDefaultValue) + Code('B', 1) + "c" + Code('T', symbol) + "d";
    const std::string stored = "a" + Named(0x23, 1, 1, "Arial") + "b" + Code('T', kDefaultValue) + Code('B', 1) + "c"
        + Named(0x03, 2, 1, "Marlett") + "d";

    std::string text = edited;
    EncodeFaceNames(text);
    EXPECT_EQ(text, stored);
    DecodeFaceNames(text);
    EXPECT_EQ(text, edited);
    EXPECT_EQ(PlainText(stored), "abcd");
    EXPECT_EQ(PlainText(stored, 2), "ab");
}

TEST_F(FaceNames, AFaceMissingFromTheTableIsAddedOnce)
{
    const int before = fonts.GetCount();
    std::string text = "x" + Named(0x13, 1, 3, "Face Of Our Own") + "y";
    DecodeFaceNames(text);
    ASSERT_EQ(fonts.GetCount(), before + 1);
    const uint16_t added = static_cast<uint16_t>(before);
    EXPECT_EQ(fonts.GetAt(added)->GetName(), "Face Of Our Own");
    EXPECT_EQ(fonts.GetAt(added)->pitchAndFamily, 0x12);
    EXPECT_EQ(fonts.GetAt(added)->charSet, 2);
    EXPECT_EQ(text, "x" + Code('T', added) + "y");

    std::string again = Named(0x13, 1, 3, "Face Of Our Own");
    DecodeFaceNames(again);
    EXPECT_EQ(again, Code('T', added));
    EXPECT_EQ(fonts.GetCount(), before + 1);
}

TEST_F(FaceNames, DamagedStoredCodesAreNeverReadPast)
{
    struct Case {
        const char* what;
        std::string stored;
        std::string decoded;
    };
    const std::string longName(40, 'N');
    const Case cases[] = {
        {"an index code in stored text names no face", "a" + Code('T', 3) + "b", "a" + Code('T', kDefaultValue) + "b"},
        {"a named code without its closing ESC",
            "ab" + kEsc1
                + "X\x23\x01\x01"
                  "Arial",
            "ab"},
        {"a named code cut inside its head", "ab" + kEsc1 + "X\x23", "ab"},
        {"a code cut short", "ab" + kEsc1 + "B\x01", "ab" + kEsc1 + "B\x01"},
        {"a lone ESC at the end", "ab" + kEsc1, "ab" + kEsc1},
    };
    for (const Case& c : cases) {
        std::string text = c.stored;
        DecodeFaceNames(text);
        EXPECT_EQ(text, c.decoded) << c.what;
        std::string encoded = c.stored;
        EncodeFaceNames(encoded);
        EXPECT_LE(encoded.size(), c.stored.size() + 64) << c.what;
    }
    std::string text = Named(0x23, 1, 1, longName);
    DecodeFaceNames(text);
    const int16_t index = DecodeFormatValue(static_cast<unsigned char>(text[2]), static_cast<unsigned char>(text[3]));
    ASSERT_NE(fonts.GetAt(index), nullptr);
    EXPECT_EQ(fonts.GetAt(index)->GetName(), longName.substr(0, 31));
}

TEST_F(FaceNames, AFaceBeyondWhatACodeHoldsBecomesTheDefaultFace)
{
    for (int i = fonts.GetCount(); i <= 254; ++i)
        fonts.FindOrAdd(FONTFACE("Filler " + std::to_string(i), 0x22, 0));
    std::string text = Named(0x23, 1, 1, "One Too Many");
    DecodeFaceNames(text);
    EXPECT_EQ(text, Code('T', kDefaultValue));
}

std::unique_ptr<TEXTDATATYPE> Text()
{
    auto t = std::make_unique<TEXTDATATYPE>();
    EXPECT_EQ(t->InitialiseValue(), 1);
    return t;
}

TEST(TextDataType, RulesTestTheFirstFortyPlainCharacters)
{
    const std::string fifty(50, 'q');
    struct Case {
        uint16_t op;
        int negate;
        const char* first;
        const char* second;
        std::string text;
        const char* message; // null: passes
    };
    const Case cases[] = {
        {kRuleEqual, 0, "abc", "", "abc", nullptr},
        {kRuleEqual, 0, "abc", "", "a" + Code('B', 1) + "bc", nullptr},
        {kRuleEqual, 0, "abc", "", "ABC", "Text Must Be Equal to 'abc'"},
        {kRuleEqual, 1, "abc", "", "abc", "Text Cannot Be Equal to 'abc'"},
        {kRuleGreater, 0, "a", "", "b", nullptr},
        {kRuleLess, 0, "a", "", "b", "Text Must Be Less than 'a'"},
        {kRuleGreaterEqual, 0, "b", "", "b", nullptr},
        {kRuleLessEqual, 0, "b", "", "c", "Text Must Be Lesser or equal to 'b'"},
        {kRuleBetween, 0, "a", "c", "b", nullptr},
        {kRuleBetween, 0, "a", "c", "d", "Text Must Be Between 'a' And 'c'"},
        {kRuleContains, 0, "x", "", "", "Text Must Be Contains"},
        {kRuleContains, 0, "x", "", "z", nullptr},
        {kRuleBlank, 0, "x", "", "", nullptr},
        {kRuleBlank, 0, "x", "", "z", "Text Must Be Blank"},
        {kRuleBlank, 1, "x", "", "", "Text Cannot Be Blank"},
        {kRuleBlank, 1, "x", "", "z", nullptr},
        {kRuleEqual, 0, "", "", "anything", nullptr},
    };
    for (const Case& c : cases) {
        auto t = Text();
        std::string message;
        ASSERT_EQ(t->SetRule(c.op, c.negate, c.first, c.second, message), 1) << c.op;
        message.clear();
        EXPECT_EQ(t->SetText(c.text, message, 1), c.message ? 0 : 1) << c.op << " '" << c.text << "'";
        EXPECT_EQ(message, c.message ? c.message : "") << c.op << " '" << c.text << "'";
        EXPECT_EQ(t->SetText(c.text, message, 0), 1) << "not validated";
        t->StoreText(c.text);
        EXPECT_EQ(t->CheckRule(message), c.message ? 0 : 1);
    }
    auto t = Text();
    std::string message;
    t->SetRule(kRuleEqual, 0, std::string(40, 'q'), "", message);
    EXPECT_EQ(t->SetText(fifty, message, 1), 1) << "only 40 characters are compared";
    EXPECT_EQ(t->SetText(std::string(39, 'q'), message, 1), 0);
}

TEST(TextDataType, SettingARuleDropsOneWithoutAValueAndRefusesABackwardRange)
{
    auto t = Text();
    std::string message;
    EXPECT_EQ(t->SetRule(kRuleBlank, 0, "", "", message), 1);
    EXPECT_EQ(t->GetRuleOperator(), kRuleNone);
    EXPECT_EQ(t->SetRule(kRuleBetween, 0, "c", "a", message), 0);
    EXPECT_EQ(message, "First value must be greater than last value");
    message.clear();
    EXPECT_EQ(t->SetRule(kRuleBetween, 0, "a", "", message), 0);
    EXPECT_EQ(message, "First value must be greater than last value");
    ASSERT_EQ(t->SetRule(kRuleBetween, 1, "a", "c", message), 1);
    int negate = 0;
    std::string first;
    std::string second;
    EXPECT_EQ(t->GetRule(negate, first, second), 1);
    EXPECT_EQ(negate, 1);
    EXPECT_EQ(first + second, "ac");
    t->SetRule(kRuleEqual, 0, "a", "c", message);
    t->GetRule(negate, first, second);
    EXPECT_EQ(second, "") << "only a range has a second value";
}

TEST(TextDataType, TheColumnLengthCountsCodesAndStopsAtTheMaximum)
{
    auto t = Text();
    t->SetColumnLimits(kSqlVarChar, 10, 0);
    std::string message;
    EXPECT_EQ(t->SetText("abcdefghij", message, 1), 1);
    EXPECT_EQ(t->SetText("abcdefghijk", message, 0), 0);
    EXPECT_EQ(message, "The text in this field is too long to be stored in the database.");
    EXPECT_EQ(t->SetText("abcde" + Code('B', 1), message, 1), 1);
    message.clear();
    EXPECT_EQ(t->SetText("abcde" + Code('B', 1) + "f", message, 1), 0);
    EXPECT_EQ(message, "The text in this field is too long to be stored in the database.");
    t->StoreText("abcdefghijk");
    EXPECT_EQ(t->CheckRule(message), 0);
    std::string initial;
    EXPECT_EQ(t->SetInitialValue("abcdefghijk", message, 0), 0);
    EXPECT_EQ(t->GetInitialValue(initial, 0), 0);
    EXPECT_EQ(t->SetInitialValue("abc", message, 0), 1);
    t->wErrorId = kErrMarker;
    t->ResetValue(0);
    EXPECT_EQ(t->strValue, "abc");
    EXPECT_EQ(t->wErrorId, 0);
}

TEST(TextDataType, OperandsCarryTheTextOrItsErrorMarker)
{
    auto make = [](uint8_t kind) {
        OPERAND o {};
        o.nType = kind;
        return o;
    };
    OPERAND number = make(kOperandNumber);
    number.dNumber = 2.5;
    OPERAND text = make(kOperandText);
    text.pszText = "value";
    OPERAND div0 = make(kOperandError);
    div0.nError = kDivisionByZero;
    OPERAND other = make(kOperandError);
    other.nError = 3;
    OPERAND id = make(kOperandMessage);
    id.nError = kDateMarker;
    const struct {
        const char* what;
        OPERAND in;
        const char* value;
        uint16_t marker;
        bool changed;
    } cases[] = {
        {"a number", number, "2.5", 0, true},
        {"the same text", text, "value", 0, false},
        {"division by zero", div0, "", kDiv0Marker, true},
        {"another error", other, "", kErrMarker, true},
        {"a message id", id, "", kErrMarker, true},
    };
    for (const auto& c : cases) {
        auto t = Text();
        t->StoreText("value");
        t->bEdited = t->bChanged = 0;
        t->SetFromOperand(c.in);
        EXPECT_EQ(t->strValue, c.value) << c.what;
        EXPECT_EQ(t->wErrorId, c.marker) << c.what;
        EXPECT_EQ(t->bChanged, c.changed ? 1 : 0) << c.what;
        EXPECT_EQ(t->bEdited, c.changed ? 1 : 0) << c.what;
        OPERAND out {};
        t->GetOperand(out);
        EXPECT_EQ(out.nType, c.marker ? kOperandError : kOperandText) << c.what;
        if (!c.marker) {
            EXPECT_STREQ(out.pszText, c.value);
        }
    }
}

TEST(TextDataType, ComparingLooksAtWhetherTheOtherBeginsWithThisPlainText)
{
    auto a = Text();
    auto b = Text();
    const struct {
        std::string mine;
        std::string theirs;
        int result;
    } cases[] = {
        {"abc", "ABCdef", 0},
        {"a" + Code('I', 1) + "bc", "abc", 0},
        {"abd", "abc", 1},
        {"abc", "abd", -1},
        {"", "x", 0},
    };
    for (const auto& c : cases) {
        a->strValue = c.mine;
        b->strValue = c.theirs;
        EXPECT_EQ(a->CompareValue(*b), c.result) << c.mine << " " << c.theirs;
    }
}

TEST(MemoDataType, KeepingFormattingIsRefusedOnShortColumns)
{
    const struct {
        uint32_t flag;
        int16_t sqlType;
        uint32_t size;
        int keeps;
    } cases[] = {
        {1, 0, 0, 1},
        {1, kSqlVarChar, 256, 0},
        {1, kSqlVarChar, 1, 0},
        {1, kSqlLongVarChar, 257, 1},
        {0, kSqlLongVarChar, 1000, 0},
    };
    for (const auto& c : cases) {
        MEMODATATYPE memo;
        memo.SetKeepsFormatting(static_cast<int>(c.flag));
        memo.SetColumnLimits(c.sqlType, c.size, 0);
        EXPECT_EQ(memo.KeepsFormatting(), c.keeps) << c.size;
    }
    TEXTDATATYPE text;
    EXPECT_EQ(text.KeepsFormatting(), 0);
}

// A text whose rule is "Between A and Z" and whose initial value is Hello.
const char kTextGroup[] = "03"
                          " 81 0900 0100 41 0100 5A 00 3201"
                          " 82 0700 0500 48656C6C6F"
                          " FF";
// A memo that keeps formatting off, with the rule "Contains x" and the
// initial value Memo, its text group nested first.
const char kMemoGroup[] = "06"
                          " 03 81 0800 0100 78 0000 00 3001 82 0600 0400 4D656D6F FF"
                          " 81 0100 00"
                          " 82 0800 0100 78 0000 00 3001"
                          " 83 0600 0400 4D656D6F"
                          " FF";

TEST(TextDataType, TheGroupsAreWrittenByteForByteAndReadBack)
{
    auto t = Text();
    std::string message;
    ASSERT_EQ(t->SetRule(kRuleBetween, 0, "A", "Z", message), 1);
    ASSERT_EQ(t->SetInitialValue("Hello", message, 0), 1);
    EXPECT_EQ(ToHex(Saved(*t)), ToHex(Hex(kTextGroup)));
    auto loaded = Text();
    ASSERT_EQ(Loaded(*loaded, Hex(kTextGroup)), 1);
    EXPECT_EQ(ToHex(Saved(*loaded)), ToHex(Hex(kTextGroup)));
    EXPECT_EQ(ToHex(Saved(*loaded->Clone())), ToHex(Hex(kTextGroup)));

    MEMODATATYPE memo;
    memo.SetKeepsFormatting(0);
    ASSERT_EQ(memo.SetRule(kRuleContains, 0, "x", "", message), 1);
    ASSERT_EQ(memo.SetInitialValue("Memo", message, 0), 1);
    EXPECT_EQ(ToHex(Saved(memo)), ToHex(Hex(kMemoGroup)));
    MEMODATATYPE loadedMemo;
    ASSERT_EQ(Loaded(loadedMemo, Hex(kMemoGroup)), 1);
    EXPECT_EQ(ToHex(Saved(loadedMemo)), ToHex(Hex(kMemoGroup)));
    auto copy = loadedMemo.Clone();
    EXPECT_EQ(copy->GetTypeTag(), kKindMemo);
    EXPECT_EQ(ToHex(Saved(*copy)), ToHex(Hex(kMemoGroup)));
}

TEST(MemoDataType, TheMemosOwnRecordsSurviveItsNestedTextGroup)
{
    // The nested text group holds another rule and initial value and comes
    // last; the memo's own records keep theirs when they follow it, and the
    // flag is the memo's.
    const Bytes memoFirst = Hex("06 81 0100 00 82 0800 0100 78 0000 00 3001 83 0600 0400 4D656D6F"
                                " 03 81 0900 0100 61 0100 63 00 3201 82 0700 0500 48656C6C6F FF"
                                " FF");
    MEMODATATYPE memo;
    ASSERT_EQ(Loaded(memo, memoFirst), 1);
    EXPECT_EQ(memo.bKeepFormatting, 0u);
    EXPECT_EQ(memo.wRuleOp, kRuleBetween) << "records are read in order";

    MEMODATATYPE written;
    ASSERT_EQ(Loaded(written, Hex(kMemoGroup)), 1);
    EXPECT_EQ(written.bKeepFormatting, 0u);
    EXPECT_EQ(written.wRuleOp, kRuleContains);
    EXPECT_EQ(written.strRule1, "x");
    EXPECT_EQ(written.strInitial, "Memo");
    written.ResetValue(0);
    EXPECT_EQ(written.strValue, "Memo");
}

} // namespace
