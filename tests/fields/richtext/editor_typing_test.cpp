// Typing and deleting through the editing engine: the codes written around
// a typed character, the refusal of an edit that overflows, and deletions
// at the ends of the text and of words.
#include "editor_fixture.h"
#include "text_helpers.h"

#include "platform/ui/beep.h"

namespace {

TEXTATTR Bold()
{
    TEXTATTR attr;
    attr.SetMixed();
    attr.bold = 1;
    return attr;
}

class EditorTyping : public EditorTest {};

TEST_F(EditorTyping, BoldCharacterInPlainTextIsWrappedInBoldCodes)
{
    Open("ab");
    MoveTo(1);
    ASSERT_EQ(editor->SetSelectionAttr(Bold()), 1);
    ASSERT_EQ(editor->OnChar('x'), 1);
    EXPECT_EQ(Code('B', 1),
        std::string("\x1B"
                    "B\x01\x02\x1B"));
    EXPECT_EQ(Code('B', 0),
        std::string("\x1B"
                    "B\x01\x01\x1B"));
    EXPECT_EQ(Bytes(), "a" + Code('B', 1) + "x" + Code('B', 0) + "b");
    EXPECT_EQ(Caret(), 2);

    // The next character joins the bold run instead of adding codes.
    ASSERT_EQ(editor->OnChar('y'), 1);
    EXPECT_EQ(Bytes(), "a" + Code('B', 1) + "xy" + Code('B', 0) + "b");
    ASSERT_FALSE(owner.site.selChanges.empty());
    EXPECT_EQ(owner.site.selChanges.back().bold, 1);
}

TEST_F(EditorTyping, TypingPlainAfterABoldRunAddsNoCode)
{
    Open("a" + Code('B', 1) + "b" + Code('B', 0) + "c");
    MoveTo(2);
    ASSERT_EQ(editor->OnChar('x'), 1);
    EXPECT_EQ(Bytes(), "a" + Code('B', 1) + "b" + Code('B', 0) + "xc");
    MoveTo(1);
    ASSERT_EQ(editor->OnChar('y'), 1);
    EXPECT_EQ(Bytes(), "a" + Code('B', 1) + "yb" + Code('B', 0) + "xc");
}

// A text of two lines in a rectangle exactly as tall as they are.
class FullRectangle : public EditorTyping {
protected:
    void SetUp() override
    {
        Open("abc\rdef");
        const std::vector<TEXTLINE> lines = EditorLines();
        ASSERT_EQ(lines.size(), 2u);
        text->SetBounds(0, 0, 4 * 1440, lines.back().bottom);
        Select(5, 4);
    }
};

TEST_F(FullRectangle, TypingALineBreakBeepsOnceAndChangesNothing)
{
    const std::string before = Bytes();
    const int32_t caret = editor->GetCaret().GetOffset();
    const int32_t anchor = editor->GetAnchor().GetOffset();
    const int32_t end = editor->GetSelEnd().GetOffset();
    ui::ScopedBeepCounter beeps;
    EXPECT_EQ(editor->OnChar('\n'), 0);
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->GetCaret().GetOffset(), caret);
    EXPECT_EQ(editor->GetAnchor().GetOffset(), anchor);
    EXPECT_EQ(editor->GetSelEnd().GetOffset(), end);
    EXPECT_TRUE(editor->IsSelectionActive());
    // The site was asked whether the object may grow.
    ASSERT_FALSE(owner.site.fitAsked.empty());
    EXPECT_GT(owner.site.fitAsked.back().bottom, text->GetBounds().bottom);
}

TEST_F(FullRectangle, QuietEditorRefusesWithoutBeep)
{
    ui::ScopedBeepCounter beeps;
    editor->quiet = 1;
    EXPECT_EQ(editor->OnChar('\n'), 0);
    EXPECT_EQ(beeps.Count(), 0);
}

TEST_F(FullRectangle, SiteThatGrowsTheObjectLetsTheEditThrough)
{
    owner.site.grow = 1;
    ui::ScopedBeepCounter beeps;
    EXPECT_EQ(editor->OnChar('\n'), 1);
    EXPECT_EQ(beeps.Count(), 0);
    EXPECT_EQ(Visible(), "abc\r\ndef");
}

TEST_F(FullRectangle, WithoutTheFitCheckTheEditStays)
{
    editor->checkFit = 0;
    EXPECT_EQ(editor->OnChar('\n'), 1);
    EXPECT_EQ(Visible(), "abc\r\ndef");
}

TEST_F(EditorTyping, DeletionsAtTheEndsOfTheTextDoNothing)
{
    Open("ab" + Code('I', 1) + "c");
    const std::string before = Bytes();
    editor->OnKeyDown(kKeyEnd, false, true);
    EXPECT_EQ(editor->DeleteChar(), 0);
    EXPECT_EQ(Bytes(), before);
    editor->OnKeyDown(kKeyHome, false, true);
    EXPECT_EQ(editor->OnBackspace(), 0);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(Caret(), 0);
}

TEST_F(EditorTyping, DeletingACharacterBetweenRunsJoinsThem)
{
    struct Case {
        const char* name;
        std::string stored;
        int caret;
        bool backspace;
        std::string expected;
        int expectedCaret;
    };
    const Case cases[] = {
        // The bold character goes and its two codes cancel out.
        {"delete", "a" + Code('B', 1) + "b" + Code('B', 0) + "c", 1, false, "ac", 1},
        {"backspace", "a" + Code('B', 1) + "b" + Code('B', 0) + "c", 2, true, "ac", 1},
        // Two runs become one; already as short as can be, it stays.
        {"join", "a" + Code('I', 1) + "b" + Code('B', 1) + "c", 1, false, "a" + Code('I', 1) + Code('B', 1) + "c", 1},
        // A run longer than needed is rewritten in the normal order.
        {"rewrite", "a" + Code('I', 1) + Code('P', 300) + "b" + Code('P', 240) + Code('B', 1) + "c", 1, false,
            "a" + Code('B', 1) + Code('I', 1) + "c", 1},
        {"plain", "abc", 1, false, "ac", 1},
        {"line break", "ab\rc", 2, false, "abc", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.stored);
        MoveTo(c.caret);
        EXPECT_EQ(c.backspace ? editor->OnBackspace() : editor->DeleteChar(), 1);
        EXPECT_EQ(Bytes(), c.expected);
        EXPECT_EQ(Caret(), c.expectedCaret);
    }
}

TEST_F(EditorTyping, DeletePrevWordStopsAtALineBreak)
{
    struct Case {
        std::string stored;
        int caret;
        std::string expected;
        int done;
    };
    const Case cases[] = {
        {"one two", 7, "one ", 1},
        {"one two", 5, "one wo", 1},
        {"ab\rcd", 5, "ab\r", 1},
        {"ab\rcd", 3, "ab\rcd", 0},
        {"ab\r  cd", 5, "ab\rcd", 1},
        {"ab", 0, "ab", 0},
        // The bold word goes with the codes that made it bold.
        {"a " + Code('B', 1) + "bc" + Code('B', 0) + "d", 4, "a d", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        Open(c.stored);
        MoveTo(c.caret);
        EXPECT_EQ(editor->DeletePrevWord(), c.done);
        EXPECT_EQ(Bytes(), c.expected);
    }
}

TEST_F(EditorTyping, DeletingASelectionKeepsTheFormatAfterIt)
{
    // "bc" is bold; deleting "b" through "d" leaves "e" plain and "a" plain.
    Open("a" + Code('B', 1) + "bc" + Code('B', 0) + "de");
    Select(1, 4);
    ASSERT_EQ(editor->DeleteSelection(), 1);
    EXPECT_EQ(Bytes(), "ae");
    EXPECT_EQ(Caret(), 1);
    EXPECT_FALSE(editor->IsSelectionActive());

    // Deleting up to the middle of the bold run keeps the rest bold.
    Open("a" + Code('B', 1) + "bcd" + Code('B', 0) + "e");
    Select(0, 2);
    ASSERT_EQ(editor->DeleteSelection(), 1);
    EXPECT_EQ(Bytes(), Code('B', 1) + "cd" + Code('B', 0) + "e");
}

TEST_F(EditorTyping, InsertedTextNeverHoldsEndMarksOrBrokenCodes)
{
    Open("ab");
    MoveTo(1);
    const std::string typed = std::string("x\x1A\x1B"
                                          "B")
        + '\0' + "yzw";
    EXPECT_EQ(editor->InsertText(typed.data(), static_cast<int>(typed.size())), 1);
    EXPECT_EQ(Bytes(), "axByzwb");
}

} // namespace
