// Format commands over selections of texts that hold code runs: the bytes
// they leave, the fields they leave alone, the format reported for a
// selection, and a change refused because the text would overflow.
#include "editor_fixture.h"
#include "text_helpers.h"

#include "platform/ui/beep.h"

namespace {

TEXTATTR Only(char field, uint32_t value)
{
    TEXTATTR attr;
    attr.SetMixed();
    switch (field) {
    case 'B':
        attr.bold = static_cast<uint8_t>(value);
        break;
    case 'I':
        attr.italic = static_cast<uint8_t>(value);
        break;
    case 'U':
        attr.underline = static_cast<uint8_t>(value);
        break;
    case 'P':
        attr.size = static_cast<uint16_t>(value);
        break;
    case 'T':
        attr.face = static_cast<uint16_t>(value);
        break;
    case 'c':
        attr.colour = value;
        break;
    default:
        break;
    }
    return attr;
}

std::string Colour(int r, int g, int b)
{
    return Code('r', static_cast<int16_t>(r)) + Code('g', static_cast<int16_t>(g)) + Code('b', static_cast<int16_t>(b));
}

class EditorFormat : public EditorTest {};

TEST_F(EditorFormat, FormatCommandsWriteTheExpectedBytes)
{
    const std::string B1 = Code('B', 1), B0 = Code('B', 0), I1 = Code('I', 1), I0 = Code('I', 0);
    struct Case {
        const char* name;
        std::string stored;
        int from, to;
        TEXTATTR attr;
        std::string expected;
    };
    TEXTATTR boldItalicMixed = Only('I', 1);
    const Case cases[] = {
        {"bold inside plain", "abc", 1, 2, Only('B', 1), "a" + B1 + "b" + B0 + "c"},
        {"reversed selection", "abc", 2, 1, Only('B', 1), "a" + B1 + "b" + B0 + "c"},
        {"italic inside bold", "a" + B1 + "bcd" + B0 + "e", 2, 4, Only('I', 1),
            "a" + B1 + "b" + I1 + "cd" + B0 + I0 + "e"},
        // Bold codes inside the selection give way to the one at its start.
        {"bold over a bold run", "a" + B1 + "b" + B0 + "c", 0, 3, Only('B', 1), B1 + "abc" + B0},
        // The italic run inside keeps its italic; the size goes around it.
        {"size keeps other fields", "a" + I1 + "b" + I0 + "c", 0, 3, Only('P', 300),
            Code('P', 300) + "a" + I1 + "b" + I0 + "c" + Code('P', 240)},
        // A field marked mixed is left alone: bold stays where it was.
        {"mixed fields untouched", "a" + B1 + "b" + B0 + "c", 0, 3, boldItalicMixed,
            I1 + "a" + B1 + "b" + B0 + "c" + I0},
        {"colour", "abc", 1, 2, Only('c', 0x0000FF), "a" + Colour(255, 0, 0) + "b" + Colour(0, 0, 0) + "c"},
        {"typeface", "abc", 0, 1, Only('T', kTimes), Code('T', kTimes) + "a" + Code('T', kArial) + "bc"},
        // Making plain what was bold removes the codes altogether.
        {"unbold", "a" + B1 + "b" + B0 + "c", 1, 2, Only('B', 0), "abc"},
        {"same format", "abc", 0, 2, Only('B', 0), "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.stored);
        Select(c.from, c.to);
        EXPECT_EQ(editor->SetSelectionAttr(c.attr), 1);
        EXPECT_EQ(Bytes(), c.expected);
        EXPECT_TRUE(editor->IsSelectionActive());
        EXPECT_EQ(Index(editor->GetCaret()), c.to);
        EXPECT_EQ(Index(editor->GetAnchor()), c.from);
    }
}

TEST_F(EditorFormat, WithoutASelectionOnlyTheTypingFormatChanges)
{
    Open("abc");
    MoveTo(1);
    EXPECT_EQ(editor->SetSelectionAttr(Only('I', 1)), 1);
    EXPECT_EQ(Bytes(), "abc");
    EXPECT_EQ(editor->GetTypingAttr().italic, 1);
    TEXTATTR shown;
    editor->GetSelectionAttr(shown);
    EXPECT_EQ(shown.italic, 1);
    EXPECT_EQ(shown.bold, 0);
}

TEST_F(EditorFormat, SelectionFormatMarksDifferingFieldsMixed)
{
    const std::string stored = "a" + Code('B', 1) + "b" + Code('P', 300) + "c" + Code('B', 0) + "d";
    struct Case {
        int from, to;
        uint8_t bold;
        uint16_t size;
    };
    const Case cases[] = {
        {0, 1, 0, 240},
        {1, 2, 1, 240},
        {0, 2, kMixedFlag, 240},
        {1, 3, 1, kMixedWord},
        {2, 4, kMixedFlag, 300},
        {0, 4, kMixedFlag, kMixedWord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << ".." << c.to);
        Open(stored);
        Select(c.from, c.to);
        TEXTATTR shown;
        ASSERT_EQ(editor->GetSelectionAttr(shown), 1);
        EXPECT_EQ(shown.bold, c.bold);
        EXPECT_EQ(shown.size, c.size);
        EXPECT_EQ(shown.italic, 0);
        EXPECT_EQ(shown.face, kArial);
    }
}

TEST_F(EditorFormat, RefusedChangeRestoresTheTextAndReportsTheFormatAtTheEnd)
{
    Open("ab " + Code('I', 1) + "cd\ref");
    const std::vector<TEXTLINE> lines = EditorLines();
    ASSERT_EQ(lines.size(), 2u);
    text->SetBounds(0, 0, 4 * 1440, lines.back().bottom);
    Select(1, 4);
    const std::string before = Bytes();
    ui::ScopedBeepCounter beeps;
    EXPECT_EQ(editor->SetSelectionAttr(Only('P', 1440)), 0);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(beeps.Count(), 1);
    EXPECT_TRUE(editor->IsSelectionActive());
    EXPECT_EQ(Index(editor->GetAnchor()), 1);
    EXPECT_EQ(Index(editor->GetCaret()), 4);
    ASSERT_EQ(owner.site.reported.size(), 1u);
    // The selection ends on "d", which is italic.
    EXPECT_EQ(owner.site.reported[0].italic, 1);
    EXPECT_EQ(owner.site.reported[0].size, 240);
}

TEST_F(EditorFormat, StripCodesRemovesEveryCodeAndNothingElse)
{
    Open("plain text\rtwo");
    EXPECT_EQ(editor->StripCodes(), 1);
    EXPECT_EQ(Bytes(), "plain text\rtwo");

    Open(Code('B', 1) + "a" + Code('T', kTimes) + Code('P', 300) + "b\r" + Code('d', -2) + "c");
    MoveTo(2);
    EXPECT_EQ(editor->StripCodes(), 1);
    EXPECT_EQ(Bytes(), "ab\rc");
    EXPECT_EQ(Caret(), 2);
}

} // namespace
