// Walking a rich text: codes across block boundaries, the 'O' barrier,
// moving, word steps, and texts whose last code is cut short.
#include "forms/fields/richtext/textbuffer.h"
#include "forms/model/textattr.h"

#include "text_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(TextPosWalk, ACodeStraddlingTwoBlocksIsReadSkippedAndApplied)
{
    // With k leading characters the code's five bytes split k - 249 : rest
    // between the first block and the second, for every possible split.
    for (int k = 249; k <= 254; ++k) {
        SCOPED_TRACE(k);
        TEXTBUFFER buffer;
        Fill(buffer, std::string(k, 'a') + Code('P', 1440) + "xyz");
        ASSERT_EQ(BlockLengths(buffer).front(), 254);
        const int after = k + kCodeLength;

        TEXTPOS pos = At(buffer, k);
        FORMATCODE code;
        EXPECT_EQ(pos.ReadCode(&code), 1);
        EXPECT_EQ(code.letter, 'P');
        EXPECT_EQ(code.value, 1440);
        EXPECT_EQ(pos.GetOffset(), after);
        EXPECT_EQ(pos.GetChar(), 'x');

        pos = At(buffer, k);
        EXPECT_EQ(pos.SkipCodes(false), 1);
        EXPECT_EQ(pos.GetOffset(), after);

        pos = At(buffer, k);
        TEXTATTR attr;
        attr.Reset();
        EXPECT_EQ(pos.ApplyCodes(attr, false), 1);
        EXPECT_EQ(attr.size, 1440);
        EXPECT_EQ(pos.GetOffset(), after);

        pos = At(buffer, after);
        EXPECT_EQ(pos.Prev(), 1);
        EXPECT_EQ(pos.GetOffset(), k - 1);

        pos = At(buffer, after);
        EXPECT_EQ(pos.BackOverCodes(), 1);
        EXPECT_EQ(pos.GetOffset(), k);
    }
}

TEST(TextPosWalk, TheOCodeIsABarrier)
{
    TEXTBUFFER buffer;
    // Offsets: "ab" 0-1, B 2-6, O 7-11, I 12-16, "cd" 17-18.
    Fill(buffer, "ab" + Code('B', 1) + Code('O', 0) + Code('I', 1) + "cd");

    TEXTPOS pos = At(buffer, 17);
    EXPECT_EQ(pos.Prev(), 1);
    EXPECT_EQ(pos.GetOffset(), 7);

    pos = At(buffer, 17);
    EXPECT_EQ(pos.BackOverCodes(), 1);
    EXPECT_EQ(pos.GetOffset(), 12);

    pos = At(buffer, 12);
    EXPECT_EQ(pos.BackOverCode(), 1);
    EXPECT_EQ(pos.GetOffset(), 12);

    pos = At(buffer, 2);
    EXPECT_EQ(pos.SkipCodesToO(), 1);
    EXPECT_EQ(pos.GetOffset(), 7);
    pos = At(buffer, 2);
    EXPECT_EQ(pos.SkipCodes(false), 1);
    EXPECT_EQ(pos.GetOffset(), 17);

    TEXTATTR stopped;
    stopped.Reset();
    pos = At(buffer, 2);
    pos.ApplyCodes(stopped, false);
    EXPECT_EQ(pos.GetOffset(), 7);
    EXPECT_EQ(stopped.bold, 1);
    EXPECT_EQ(stopped.italic, 0);

    TEXTATTR passed;
    passed.Reset();
    pos = At(buffer, 2);
    pos.ApplyCodes(passed, true);
    EXPECT_EQ(pos.GetOffset(), 17);
    EXPECT_EQ(passed.italic, 1);
}

TEST(TextPosWalk, MoveThereAndBackAcrossBlocksReturnsToTheCharacter)
{
    TEXTBUFFER buffer;
    std::string text;
    for (int i = 0; i < 900; ++i)
        text += static_cast<char>('a' + i % 26);
    Fill(buffer, text);
    TEXTPOS end = buffer.GetEnd();
    buffer.InsertChars(end, text.data(), 300);
    ASSERT_GE(BlockLengths(buffer).size(), 5u);

    for (int start : {0, 100, 253, 254, 500}) {
        for (int n : {1, 253, 254, 255, 508, 600}) {
            SCOPED_TRACE(std::to_string(start) + " by " + std::to_string(n));
            TEXTPOS pos = At(buffer, start);
            const TEXTPOS before = pos;
            ASSERT_EQ(pos.Move(n), 1);
            EXPECT_EQ(pos.GetOffset(), start + n);
            ASSERT_EQ(pos.Move(-n), 1);
            EXPECT_EQ(pos, before);
        }
    }

    TEXTPOS pos = At(buffer, 1100);
    EXPECT_EQ(pos.Move(500), 0);
    EXPECT_EQ(pos, buffer.GetEnd());
    EXPECT_EQ(pos.Move(-5000), 0);
    EXPECT_EQ(pos, buffer.GetStart());
}

TEST(TextPosWalk, WordStartsAndEnds)
{
    TEXTBUFFER buffer;
    Fill(buffer, "ab \xE9t a\xE9");
    EXPECT_EQ(At(buffer, 3).IsWordStart(), 1);
    EXPECT_EQ(At(buffer, 0).IsWordStart(), 1);
    EXPECT_EQ(At(buffer, 7).IsWordStart(), 0);
    EXPECT_EQ(At(buffer, 2).IsWordStart(), 0);
    EXPECT_EQ(At(buffer, 2).IsWordEnd(), 1);
    EXPECT_EQ(At(buffer, 8).IsWordEnd(), 1);
    EXPECT_EQ(At(buffer, 1).IsWordEnd(), 0);
}

struct WordStep {
    const char* text;
    bool forwards;
    bool stopAtCR;
    int from;
    int result;
    int to;
};

TEST(TextPosWalk, WordSteps)
{
    const std::string bold = Code('B', 1);
    const WordStep cases[] = {
        {"one two", false, false, 7, 1, 4},
        {"one  two", false, false, 5, 0, 0},
        {"one\rtwo", false, true, 4, 0, 3},
        {"one\rtwo", false, false, 4, 0, 0},
        {"one two", true, false, 0, 1, 3},
        {"one two", true, false, 3, 1, 7},
        {"one\rtwo", true, true, 3, 0, 3},
        {"one\r\n two", true, false, 3, 1, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " from " + std::to_string(c.from));
        TEXTBUFFER buffer;
        Fill(buffer, c.text);
        TEXTPOS pos = At(buffer, c.from);
        const int result = c.forwards ? pos.NextWordEnd(c.stopAtCR) : pos.PrevWordStart(c.stopAtCR);
        EXPECT_EQ(result, c.result);
        EXPECT_EQ(pos.GetOffset(), c.to);
    }

    TEXTBUFFER buffer;
    Fill(buffer, "a" + bold + " bc" + bold + "d");
    TEXTPOS pos = At(buffer, 0);
    pos.NextWordEnd(false);
    EXPECT_EQ(pos.GetOffset(), 1);
    pos = At(buffer, 8);
    EXPECT_EQ(pos.PrevWordStart(false), 1);
    EXPECT_EQ(pos.GetOffset(), 7);
}

TEST(TextPosWalk, ReplacingEveryTypefaceCodeInAWalkKeepsTheRestOfTheText)
{
    // A code at the block boundary, a run of two, and a default typeface
    // that stays as it is.
    const std::string text = std::string(251, 'a') + Code('T', 1) + "b" + Code('B', 1) + Code('T', 2) + "c"
        + Code('T', kDefaultValue) + "d";
    TEXTBUFFER buffer;
    Fill(buffer, text);
    TEXTPOS pos = buffer.GetStart();
    while (!pos.IsAtEnd()) {
        if (pos.GetChar() != kEsc) {
            pos.Move(1);
            continue;
        }
        const TEXTPOS at = pos;
        FORMATCODE code;
        ASSERT_EQ(pos.ReadCode(&code), 1);
        if (code.letter == 'T' && code.value != kDefaultValue) {
            pos = at;
            ASSERT_EQ(pos.ReplaceCode('T', static_cast<int16_t>(code.value + 300)), 1);
        }
    }
    EXPECT_EQ(buffer.GetText(),
        std::string(251, 'a') + Code('T', 301) + "b" + Code('B', 1) + Code('T', 302) + "c" + Code('T', kDefaultValue)
            + "d");
    EXPECT_EQ(ChainFault(buffer), "");
}

TEST(TextPosWalk, ACodeCutShortByTheEndMarkStopsEveryWalkOnIt)
{
    // The cut-short code's ESC stands at 252, so that some cuts also
    // straddle the block boundary.
    for (int kept = 0; kept <= 3; ++kept) {
        SCOPED_TRACE(kept);
        TEXTBUFFER buffer;
        Fill(buffer, std::string(252, 'a') + Code('P', 1440).substr(0, 1 + kept));
        const TEXTPOS end = buffer.GetEnd();

        TEXTPOS pos = At(buffer, 252);
        EXPECT_EQ(pos.ReadCode(), 0);
        EXPECT_EQ(pos, end);

        pos = At(buffer, 252);
        EXPECT_EQ(pos.SkipCodes(false), 0);
        EXPECT_EQ(pos, end);

        TEXTATTR attr;
        attr.Reset();
        pos = At(buffer, 252);
        EXPECT_EQ(pos.ApplyCodes(attr, true), 0);
        EXPECT_EQ(pos, end);
        EXPECT_EQ(attr.size, 240); // unchanged from the reset format

        pos = At(buffer, 250);
        pos.NextWordEnd(false);
        EXPECT_LE(pos.GetOffset(), end.GetOffset());
    }
}

} // namespace
