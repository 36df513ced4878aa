// Clicks, drags, double-clicks and Select All.
#include "editor_fixture.h"
#include "text_helpers.h"

namespace {

class EditorMouse : public EditorTest {};

TEST_F(EditorMouse, ClickRestartsAtThePoint)
{
    Open("abc\rdef\rghi");
    const std::vector<TEXTLINE> lines = EditorLines();
    ASSERT_EQ(lines.size(), 3u);
    Select(0, 2);
    ASSERT_TRUE(editor->IsSelectionActive());
    struct Case {
        int32_t x, y;
        int caret;
    };
    const Case cases[] = {
        {0, lines[1].top + 10, 4}, {-500, lines[2].top + 10, 8}, {0, -300, 0}, {0, lines[2].bottom + 5000, 8},
        {100000, lines[0].top, 3}, // the line break, not past it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        editor->Restart(owner.info, c.x, c.y);
        EXPECT_EQ(Caret(), c.caret);
        EXPECT_FALSE(editor->IsSelectionActive());
        EXPECT_EQ(owner.caretPoint.y, editor->CaretPoint().y);
    }
}

TEST_F(EditorMouse, DragSelectsFromTheClick)
{
    Open("abc\rdef");
    const std::vector<TEXTLINE> lines = EditorLines();
    editor->Restart(owner.info, 0, 0);
    editor->ExtendSelection({100000, lines[1].top + 10});
    EXPECT_TRUE(editor->IsSelectionActive());
    EXPECT_EQ(Index(editor->GetAnchor()), 0);
    EXPECT_EQ(Caret(), 7);
    EXPECT_EQ(editor->GetSelectionText(), std::string("abc\r\ndef") + '\0');
    // Back to the click: nothing is selected.
    editor->ExtendSelection({0, 0});
    EXPECT_FALSE(editor->IsSelectionActive());
}

TEST_F(EditorMouse, DoubleClickSelectsAWordBeginningWithAnAccent)
{
    Open("one \xE9t\xE9 two");
    for (int clicked : {4, 5, 6}) {
        SCOPED_TRACE(clicked);
        TEXTLINE line = EditorLines()[0];
        TEXTPOS at = text->GetStart();
        at.Move(clicked);
        editor->Restart(owner.info, line.XOfPos(at) + 5, 10);
        ASSERT_EQ(Caret(), clicked);
        EXPECT_EQ(editor->SelectWord(), 1);
        EXPECT_EQ(Index(editor->GetAnchor()), 4);
        EXPECT_EQ(Caret(), 7);
        EXPECT_EQ(editor->GetSelectionText(), std::string("\xE9t\xE9") + '\0');
    }
}

TEST_F(EditorMouse, DoubleClickTakesTheCodesAroundABoldWord)
{
    Open("a " + Code('B', 1) + "bold" + Code('B', 0) + " c");
    MoveTo(3);
    EXPECT_EQ(editor->SelectWord(), 1);
    EXPECT_EQ(Index(editor->GetAnchor()), 2);
    EXPECT_EQ(Caret(), 6);
}

TEST_F(EditorMouse, SelectAllSelectsEveryCharacter)
{
    Open("ab\r" + Code('I', 1) + "cd");
    MoveTo(3);
    EXPECT_EQ(editor->SelectAll(), 1);
    EXPECT_TRUE(editor->IsSelectionActive());
    EXPECT_EQ(Caret(), 0);
    EXPECT_EQ(editor->GetSelectionText(), std::string("ab\r\ncd") + '\0');

    Open("");
    EXPECT_EQ(editor->SelectAll(), 1);
    EXPECT_FALSE(editor->IsSelectionActive());
}

} // namespace
