// The editor lays out only what an edit changed: the caret stands where a
// fresh layout of the text puts it after every edit, and a keystroke
// repaints the lines it changed and those that moved, not every line below.
#include "editor_fixture.h"
#include "text_helpers.h"

#include <random>
#include <set>

namespace {

class EditorLayout : public EditorTest {
protected:
    // The caret point a fresh layout of the text gives.
    POINT FreshCaretPoint()
    {
        std::vector<TEXTLINE> lines = EditorLines();
        const int32_t caret = editor->GetCaret().GetOffset();
        size_t i = 0;
        while (i + 1 < lines.size() && caret >= lines[i].end.GetOffset())
            ++i;
        return {lines[i].XOfPos(editor->GetCaret()), lines[i].top};
    }

    // The tops of the lines drawn on the window since it was cleared.
    std::set<int32_t> DrawnRows() const
    {
        std::set<int32_t> rows;
        for (const gdi::RecordedCall& call : owner.surface.Calls())
            if (call.name == "TextOut")
                rows.insert(call.points[0].y);
        return rows;
    }
};

std::string Memo()
{
    std::string memo;
    for (int paragraph = 0; paragraph < 6; ++paragraph) {
        memo += Code('P', static_cast<int16_t>(paragraph % 2 ? 320 : 240));
        for (int word = 0; word < 40; ++word)
            memo += std::string(1, static_cast<char>('a' + (word + paragraph) % 26)) + "word ";
        memo += "\r";
    }
    return memo;
}

TEST_F(EditorLayout, AfterEveryEditTheCaretStandsWhereAFreshLayoutPutsIt)
{
    Open(Memo(), 3 * 1440);
    std::mt19937 random(45);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const std::string typed = "xy \n";
    TEXTATTR big;
    big.SetMixed();
    big.size = 400;
    for (int step = 0; step < 300; ++step) {
        SCOPED_TRACE(step);
        switch (pick(0, 7)) {
        case 0:
        case 1:
        case 2:
            editor->OnChar(static_cast<unsigned char>(typed[static_cast<size_t>(pick(0, 3))]));
            break;
        case 3:
            editor->OnBackspace();
            break;
        case 4:
            editor->DeleteChar();
            break;
        case 5:
            for (int i = pick(1, 60); i > 0; --i)
                editor->OnKeyDown(pick(0, 1) ? kKeyLeft : kKeyRight, false, false);
            break;
        case 6:
            editor->OnKeyDown(pick(0, 1) ? kKeyUp : kKeyDown, false, false);
            break;
        default:
            editor->OnKeyDown(kKeyRight, true, true);
            editor->SetSelectionAttr(big);
            editor->ClearSelection();
            break;
        }
        const POINT fresh = FreshCaretPoint();
        ASSERT_EQ(editor->CaretPoint().x, fresh.x);
        ASSERT_EQ(editor->CaretPoint().y, fresh.y);
    }
}

TEST_F(EditorLayout, AKeystrokeRepaintsOnlyTheLinesItChangedOrMoved)
{
    Open(Memo(), 3 * 1440);
    // The window's first paint draws every line.
    editor->Reformat();
    const std::vector<TEXTLINE> before = EditorLines();
    ASSERT_GT(before.size(), 20u);
    // A character typed in a line of the second paragraph that does not
    // rewrap: that line alone is drawn again.
    const size_t line = 12;
    MoveTo(Index(before[line].start) + 1);
    owner.surface.Clear();
    ASSERT_EQ(editor->OnChar('x'), 1);
    EXPECT_EQ(EditorLines().size(), before.size());
    std::set<int32_t> rows = DrawnRows();
    ASSERT_EQ(rows.size(), 1u);

    // A line break typed at the end of a paragraph moves every line below
    // it: they are all drawn again, with the new empty line.
    size_t end = line;
    while (before[end].endKind != kLineHardBreak)
        ++end;
    MoveTo(Index(before[end].end) - 1);
    owner.surface.Clear();
    ASSERT_EQ(editor->OnChar('\n'), 1);
    const size_t after = EditorLines().size();
    ASSERT_EQ(after, before.size() + 1);
    EXPECT_EQ(DrawnRows().size(), after - end);
}

} // namespace
