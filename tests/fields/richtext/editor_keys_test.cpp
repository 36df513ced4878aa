// The cursor keys on a fixture of four lines that holds code runs, a short
// line and a word wider than the line: each key alone, with Shift, with
// Ctrl and with both; collapsing a selection; the column kept by Up and
// Down; moves that fail.
#include "editor_fixture.h"
#include "text_helpers.h"

namespace {

class EditorKeys : public EditorTest {
protected:
    void SetUp() override
    {
        const int32_t width = 2 * 1440;
        // The long word takes a line and a half.
        words = static_cast<int>(width * 3 / 2 / Width("W", attr));
        Open("ab" + Code('B', 1) + "cd" + Code('B', 0) + " ef\rx\r" + std::string(size_t(words), 'W'), width);
        const std::vector<TEXTLINE> lines = EditorLines();
        ASSERT_EQ(lines.size(), 4u);
        wrapAt = Index(lines[2].end);
        end = 10 + words;
    }

    int words = 0;
    int wrapAt = 0; // the first character of the long word's second line
    int end = 0; // the end mark
};

// Visible indexes: a0 b1 c2 d3 blank4 e5 f6 CR7 | x8 CR9 | W10... | ...end.
TEST_F(EditorKeys, EachKeyWithAndWithoutModifiers)
{
    constexpr int kNone = -1;
    struct Case {
        const char* name;
        int from;
        unsigned key;
        bool shift, ctrl;
        int caret; // -2: the long word's wrap, -3: the end mark, -4: the wrap less one
        int anchor; // kNone: no selection
        int done;
    };
    const Case cases[] = {
        {"left", 2, kKeyLeft, false, false, 1, kNone, 1},
        {"shift left", 2, kKeyLeft, true, false, 1, 2, 1},
        {"ctrl left", 2, kKeyLeft, false, true, 0, kNone, 1},
        {"ctrl shift left", 2, kKeyLeft, true, true, 0, 2, 1},
        {"left to the previous line", 8, kKeyLeft, false, false, 7, kNone, 1},
        {"left at the start", 0, kKeyLeft, false, false, 0, kNone, 0},
        {"ctrl left at the start", 0, kKeyLeft, false, true, 0, kNone, 0},
        {"right over codes", 1, kKeyRight, false, false, 2, kNone, 1},
        {"shift right", 1, kKeyRight, true, false, 2, 1, 1},
        {"ctrl right", 4, kKeyRight, false, true, 7, kNone, 1},
        {"ctrl shift right", 4, kKeyRight, true, true, 7, 4, 1},
        {"right over a line break", 7, kKeyRight, false, false, 8, kNone, 1},
        {"right at the end", -3, kKeyRight, false, false, -3, kNone, 0},
        {"shift right at the end", -3, kKeyRight, true, false, -3, kNone, 0},
        {"up", 8, kKeyUp, false, false, 0, kNone, 1},
        {"shift up", 8, kKeyUp, true, false, 0, 8, 1},
        {"ctrl up", 8, kKeyUp, false, true, 8, kNone, 0},
        {"ctrl shift up", 8, kKeyUp, true, true, 8, kNone, 0},
        {"up on the first line", 5, kKeyUp, false, false, 5, kNone, 0},
        {"down to a short line", 5, kKeyDown, false, false, 9, kNone, 1},
        {"shift down", 5, kKeyDown, true, false, 9, 5, 1},
        {"ctrl down", 5, kKeyDown, false, true, 5, kNone, 0},
        {"down inside the long word", 10, kKeyDown, false, false, -2, kNone, 1},
        {"down on the last line", -3, kKeyDown, false, false, -3, kNone, 0},
        {"home", 5, kKeyHome, false, false, 0, kNone, 1},
        {"shift home", 5, kKeyHome, true, false, 0, 5, 1},
        {"ctrl home", 12, kKeyHome, false, true, 0, kNone, 1},
        {"ctrl shift home", 12, kKeyHome, true, true, 0, 12, 1},
        {"home on the wrapped line", -3, kKeyHome, false, false, -2, kNone, 1},
        {"end", 1, kKeyEnd, false, false, 7, kNone, 1},
        {"shift end", 1, kKeyEnd, true, false, 7, 1, 1},
        {"ctrl end", 1, kKeyEnd, false, true, -3, kNone, 1},
        {"ctrl shift end", 1, kKeyEnd, true, true, -3, 1, 1},
        {"end of a wrapped line", 10, kKeyEnd, false, false, -4, kNone, 1},
    };
    auto resolve = [&](int index) {
        return index == -2 ? wrapAt : index == -3 ? end : index == -4 ? wrapAt - 1 : index;
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MoveTo(resolve(c.from));
        const std::string before = Bytes();
        ASSERT_EQ(Caret(), resolve(c.from));
        EXPECT_EQ(editor->OnKeyDown(c.key, c.shift, c.ctrl), c.done);
        EXPECT_EQ(Caret(), resolve(c.caret));
        EXPECT_EQ(editor->IsSelectionActive(), c.anchor != kNone);
        if (c.anchor != kNone) {
            EXPECT_EQ(Index(editor->GetAnchor()), resolve(c.anchor));
        }
        EXPECT_EQ(Bytes(), before);
        editor->ClearSelection();
    }
}

TEST_F(EditorKeys, LeftOrRightCollapsesASelection)
{
    struct Case {
        int from, to;
        unsigned key;
        int caret;
    };
    const Case cases[] = {
        {2, 5, kKeyLeft, 2},
        {5, 2, kKeyLeft, 2},
        {2, 5, kKeyRight, 5},
        {5, 2, kKeyRight, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
        Select(c.from, c.to);
        ASSERT_TRUE(editor->IsSelectionActive());
        EXPECT_EQ(editor->OnKeyDown(c.key, false, false), 1);
        EXPECT_EQ(Caret(), c.caret);
        EXPECT_FALSE(editor->IsSelectionActive());
    }
}

TEST_F(EditorKeys, UpAndDownKeepTheRememberedColumn)
{
    MoveTo(6);
    const POINT start = editor->CaretPoint();
    ASSERT_EQ(editor->OnKeyDown(kKeyDown, false, false), 1);
    EXPECT_EQ(Caret(), 9); // the short line's end
    ASSERT_EQ(editor->OnKeyDown(kKeyDown, false, false), 1);
    const int onWord = Caret();
    // Back in the long word at the column of "f", not of the short line.
    EXPECT_GT(onWord, 10);
    EXPECT_NEAR(editor->CaretPoint().x, start.x, Width("W", attr));
    ASSERT_EQ(editor->OnKeyDown(kKeyUp, false, false), 1);
    ASSERT_EQ(editor->OnKeyDown(kKeyUp, false, false), 1);
    EXPECT_EQ(Caret(), 6);
    EXPECT_EQ(editor->CaretPoint().x, start.x);
}

TEST_F(EditorKeys, ShiftMovesExtendAndShrinkOneSelection)
{
    MoveTo(3);
    editor->OnKeyDown(kKeyRight, true, false);
    editor->OnKeyDown(kKeyRight, true, false);
    editor->OnKeyDown(kKeyLeft, true, false);
    EXPECT_EQ(Index(editor->GetAnchor()), 3);
    EXPECT_EQ(Caret(), 4);
    EXPECT_TRUE(editor->IsSelectionActive());
    editor->OnKeyDown(kKeyLeft, true, false);
    EXPECT_FALSE(editor->IsSelectionActive());
    EXPECT_EQ(Caret(), 3);
}

} // namespace
