// A character format applied to a whole text object overrides the inline
// codes of the parts it sets; trailing blanks and line feeds are trimmed
// with the codes between them kept.
#include "tests/objects/text_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TextCodesTest = TextObjectTest;

// One code of every letter, each before a character of its own.
const struct {
    char letter;
    int value;
} kCodes[] = {{'B', 1}, {'I', 1}, {'/', 1}, {'U', 4}, {'T', 3}, {'P', 360}, {'r', 200}, {'g', 10}, {'b', 30}, {'d', -2},
    {'O', 5}};

std::string TextWithoutLetters(const std::string& removed)
{
    std::string text = "<";
    char c = 'a';
    for (const auto& code : kCodes) {
        if (removed.find(code.letter) == std::string::npos)
            text += Code(code.letter, code.value);
        text += c++;
    }
    return text;
}

TEST_F(TextCodesTest, AFormatForTheWholeObjectStripsOnlyTheCodesOfThePartsItSets)
{
    const struct {
        const char* part;
        void (*set)(TEXTATTR&);
        std::string removed;
    } cases[] = {
        {"bold", [](TEXTATTR& a) { a.bold = 1; }, "B"},
        {"italic", [](TEXTATTR& a) { a.italic = 0; }, "I"},
        {"strike-out", [](TEXTATTR& a) { a.strike = 1; }, "/"},
        {"underline", [](TEXTATTR& a) { a.underline = kUnderlineDouble; }, "U"},
        {"face", [](TEXTATTR& a) { a.face = 2; }, "T"},
        {"size", [](TEXTATTR& a) { a.size = 400; }, "P"},
        {"colour", [](TEXTATTR& a) { a.colour = 0x0000FF; }, "rgbd"},
        {"nothing", [](TEXTATTR&) {}, ""},
        {"bold and size", [](TEXTATTR& a) { a.bold = 0, a.size = 200; }, "BP"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.part);
        const TEXTATTR before = Font(1, 240);
        auto object = MakeText(TextWithoutLetters(""), before);
        TEXTATTR applied;
        applied.SetMixed();
        c.set(applied);
        object->SetFont(applied);
        EXPECT_EQ(Describe(object->GetText().View()), Describe(TextWithoutLetters(c.removed)));

        TEXTATTR expected = before;
        c.set(expected);
        TEXTATTR now;
        object->GetFont(&now);
        EXPECT_TRUE(now.IsEqual(expected)) << "the parts set are merged into the object's font, the rest kept";
    }
}

TEST_F(TextCodesTest, StrippingStopsAtACodeCutShortByTheEnd)
{
    auto object = MakeText("a" + Code('B', 1) + "b" + Code('B', 0).substr(0, 3), Font(0));
    TEXTATTR bold;
    bold.SetMixed();
    bold.bold = 1;
    object->SetFont(bold);
    EXPECT_EQ(object->GetText().View(), "ab" + Code('B', 0).substr(0, 3));
}

TEST_F(TextCodesTest, TrailingBlanksAndLineFeedsAreTrimmedSteppingOverCodes)
{
    const std::string bold = Code('B', 1);
    const struct {
        std::string text;
        std::string trimmed;
        uint16_t deleted;
    } cases[] = {
        {"abc  ", "abc", 2},
        {"abc\n \n", "abc", 3},
        {"ab c", "ab c", 0},
        {"abc \r", "abc \r", 0},
        {"abc " + bold + "  ", "abc" + bold, 3},
        {"abc" + bold + bold + "\n", "abc" + bold + bold, 1},
        {"   ", "", 3},
        {" \n" + bold, bold, 2},
        {" ", " ", 0},
        {"x", "x", 0},
        {"", "", 0},
        {"x" + bold, "x" + bold, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Describe(c.text));
        auto object = MakeText(c.text, Font(0));
        EXPECT_EQ(object->TrimTrailingBlanks(), c.deleted);
        EXPECT_EQ(object->GetText().View(), c.trimmed);
        EXPECT_EQ(object->GetText().GetLength(), c.trimmed.size());
    }
}

} // namespace
