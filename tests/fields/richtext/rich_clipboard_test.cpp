// Copying and pasting rich text: the plain and native blocks, line breaks
// and control bytes of pasted plain text, chunked insertion that stops
// where the text no longer fits, typeface codes mapped through the pasted
// font table, and native text from outside treated as untrusted.
#include "editor_fixture.h"
#include "paste_fonts.h"
#include "text_helpers.h"

#include "forms/fields/richtext/rich_clipboard.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"
#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"

#include <QClipboard>
#include <QGuiApplication>

namespace {

class RichClipboard : public EditorTest {
protected:
    // The program's table writes itself, so that a copy carries it.
    RichClipboard() { SetProgramFonts(&programFonts); }

    // Puts formats on the clipboard as another process would.
    static void Offer(const std::vector<std::pair<std::string_view, std::string>>& formats)
    {
        ui::DataSource source;
        for (const auto& [name, bytes] : formats)
            source.SetData(name, bytes);
        ASSERT_TRUE(ui::SetClipboard(source));
    }
    // The bytes of a font-table group written by the given fonts.
    static std::string TableBlock(PasteFonts& fonts);

    int Paste() { return editor->PasteFromClipboard(owner.info); }

    PasteFonts programFonts {{"Arial", "Times New Roman", "Courier New"}};
};

std::string RichClipboard::TableBlock(PasteFonts& fonts)
{
    io::MemoryFile file;
    io::Archive archive(file, io::Archive::Store);
    fonts.WriteTable(archive);
    archive.Close();
    return std::string(file.Data().begin(), file.Data().end());
}

TEST_F(RichClipboard, PlainBlockWritesLineBreaksAsCrLf)
{
    Open("ab\r" + Code('B', 1) + "cd");
    editor->SelectAll();
    const std::string plain = editor->GetSelectionText();
    EXPECT_EQ(plain, std::string("ab\r\ncd\0", 7));
    ASSERT_EQ(editor->CopyToClipboard(), 1);
    EXPECT_EQ(ui::DataObject::FromClipboard().GetData(ui::kFormatText), plain);
}

TEST_F(RichClipboard, CopyShowsUnicodeTextToOtherPrograms)
{
    Open("caf\xE9 \x80"
         "5");
    editor->SelectAll();
    ASSERT_EQ(editor->CopyToClipboard(), 1);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString::fromUtf8("caf\u00e9 \u20ac5"));
    EXPECT_TRUE(ui::IsClipboardFormatAvailable(kNativeTextFormat));
    EXPECT_TRUE(ui::IsClipboardFormatAvailable(kFontListFormat));
}

TEST_F(RichClipboard, BoldWordStaysBoldThroughTheClipboard)
{
    Open("x " + Code('B', 1) + "bold" + Code('B', 0) + " y");
    Select(2, 6);
    const std::string rich = editor->GetSelectionRich();
    // The lead run states face and size, then bold.
    ASSERT_GE(rich.size(), 15u);
    EXPECT_EQ(rich.substr(0, 10), Code('T', kArial) + Code('P', 240));
    EXPECT_EQ(rich.substr(10, 5), Code('B', 1));
    EXPECT_EQ(rich.back(), '\0');
    ASSERT_EQ(editor->CopyToClipboard(), 1);

    Open("plain");
    MoveTo(2);
    ASSERT_EQ(Paste(), 1);
    EXPECT_EQ(Visible(), "plboldain");
    const std::vector<CHARFORMAT> chars = Chars();
    for (size_t i = 0; i < chars.size(); ++i)
        EXPECT_EQ(chars[i].attr.bold, i >= 2 && i < 6 ? 1 : 0) << i;
    EXPECT_EQ(Caret(), 6);
}

TEST_F(RichClipboard, WithoutRichPasteTheFormattingStaysBehind)
{
    Open("x " + Code('B', 1) + "bold" + Code('B', 0) + " y");
    Select(2, 6);
    ASSERT_EQ(editor->CopyToClipboard(), 1);
    Open("plain");
    owner.richPaste = 0;
    ASSERT_EQ(Paste(), 1);
    EXPECT_EQ(Bytes(), "boldplain");
}

TEST_F(RichClipboard, PastedPlainTextKeepsLfBreaksAndDropsControlBytes)
{
    Offer({{ui::kFormatText,
        std::string("one\r\ntwo\tthree\x1B"
                    "B\x01\x02\x1B\x1A!\n",
            23)
            + '\0'}});
    Open("");
    ASSERT_EQ(Paste(), 1);
    EXPECT_EQ(Bytes(), "one\ntwothreeB!\n");
}

TEST_F(RichClipboard, InsertPlainTextDropsCarriageReturns)
{
    Open("ab");
    MoveTo(1);
    EXPECT_EQ(editor->InsertPlainText("1\r\n2\r3"), 1);
    EXPECT_EQ(Bytes(), "a1\n23b");
}

TEST_F(RichClipboard, PasteReplacesTheSelectionOrDropsIt)
{
    Offer({{ui::kFormatText, std::string("XY") + '\0'}});
    Open("abcd");
    Select(1, 3);
    ASSERT_EQ(Paste(), 1);
    EXPECT_EQ(Bytes(), "aXYd");

    Open("abcd");
    Select(3, 1);
    owner.replaceSelection = 0;
    ASSERT_EQ(Paste(), 1);
    EXPECT_EQ(Bytes(), "aXYbcd");
    EXPECT_FALSE(editor->IsSelectionActive());
}

TEST_F(RichClipboard, LongPasteInsertsWhatFitsThenSaysSo)
{
    auto words = [](char letter, size_t n) {
        std::string s;
        while (s.size() < n)
            s += std::string(4, letter) + ' ';
        s.resize(n);
        return s;
    };
    const std::string held = words('a', 3000);
    const std::string pasted = words('b', 12000);
    Open(held, 4 * 1440);
    // Room for the text and twenty lines more.
    const std::vector<TEXTLINE> lines = EditorLines();
    const int32_t lineHeight = lines[0].bottom - lines[0].top;
    text->SetBounds(0, 0, 4 * 1440, lines.back().bottom + 20 * lineHeight);
    editor->OnKeyDown(kKeyEnd, false, true);

    Offer({{ui::kFormatText, pasted + '\0'}});
    std::vector<std::string> messages;
    ui::ScopedMessageBoxHook hook([&](const ui::MessageBoxRequest& request) {
        messages.push_back(request.text);
        return ui::IDOK;
    });
    ui::ScopedBeepCounter beeps;
    EXPECT_EQ(Paste(), 0);
    ASSERT_EQ(messages, std::vector<std::string> {"Failed to insert all the text."});
    EXPECT_EQ(beeps.Count(), 1);

    const std::string now = Visible();
    ASSERT_GT(now.size(), held.size() + 100);
    ASSERT_LT(now.size(), held.size() + pasted.size());
    const size_t inserted = now.size() - held.size();
    EXPECT_EQ(now, held + pasted.substr(0, inserted));
    // Not one character more fits.
    EXPECT_EQ(editor->OnChar(static_cast<unsigned char>(pasted[inserted])), 0);
}

TEST_F(RichClipboard, TypefaceCodesTakeTheReceivingTablesIndexes)
{
    PasteFonts sender({"Arial", "Courier New", "Verdana"});
    PasteFonts receiver({"Courier New", "Times New Roman", "Arial"});
    SetProgramFonts(&sender);
    Open(Code('T', 1) + "mono" + Code('T', 2) + "wide" + Code('T', 0) + "sans");
    editor->SelectAll();
    ASSERT_EQ(editor->CopyToClipboard(), 1);

    SetProgramFonts(&receiver);
    Open("");
    ASSERT_EQ(Paste(), 1);
    const std::vector<CHARFORMAT> chars = Chars();
    ASSERT_EQ(chars.size(), 12u);
    EXPECT_EQ(chars[0].attr.face, 0); // Courier New
    EXPECT_EQ(chars[4].attr.face, 3); // Verdana, added
    EXPECT_EQ(chars[8].attr.face, 2); // Arial
    const FONTFACE* added = receiver.GetAt(3);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->GetName(), "Verdana");
    SetProgramFonts(&programFonts);
}

TEST_F(RichClipboard, NativeTextFromOutsideIsCheckedBeforeItIsUsed)
{
    PasteFonts sender({"Arial", "Courier New"});
    PasteFonts receiver({"Arial", "Courier New"});
    const std::string table = TableBlock(sender);
    SetProgramFonts(&receiver);
    struct Case {
        const char* name;
        std::string native;
        std::string fontTable;
        std::string expected;
    };
    const Case cases[] = {
        // A code cut short is dropped; a face the pasted table lacks is 0.
        {"broken codes",
            "a\x1B"
            "B" + Code('T', 9)
                + "b" + Code('T', 1) + "c" + std::string("\x1BI", 2),
            table, "aB" + Code('T', 0) + "b" + Code('T', 1) + "c" + Code('T', 0)},
        // Without a readable font table the plain text is taken instead.
        {"unreadable table", "x" + Code('T', 1) + "y", std::string("\x28\x07", 2), "plain"},
        {"no table", "x" + Code('T', 1) + "y", std::string(), "plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.fontTable.empty()) {
            Offer({{kNativeTextFormat, c.native + '\0'}, {ui::kFormatText, std::string("plain") + '\0'}});
        } else {
            Offer({{kNativeTextFormat, c.native + '\0'}, {ui::kFormatText, std::string("plain") + '\0'},
                {kFontListFormat, c.fontTable}});
        }
        Open("");
        ASSERT_EQ(Paste(), 1);
        EXPECT_EQ(Bytes(), c.expected);
    }
    SetProgramFonts(&programFonts);
}

TEST_F(RichClipboard, BlockLengthsMatchEverySelection)
{
    Open("a\r" + Code('B', 1) + Code('P', 300) + "bc\r\r" + Code('B', 0) + "d" + Code('r', 255) + Code('g', 0)
        + Code('b', 0) + "e\rf");
    const int size = static_cast<int>(Visible().size());
    for (int from = 0; from <= size; ++from) {
        for (int to = 0; to <= size; ++to) {
            if (from == to)
                continue;
            SCOPED_TRACE(testing::Message() << from << ".." << to);
            Select(from, to);
            const TEXTPOS& first = from < to ? editor->GetAnchor() : editor->GetCaret();
            const TEXTPOS& last = from < to ? editor->GetCaret() : editor->GetAnchor();
            EXPECT_EQ(editor->GetSelectionText().size(), size_t(editor->TextLength(first, last)) + 1);
            EXPECT_EQ(editor->GetSelectionRich().size(), size_t(editor->RichLength(first, last, true, true)) + 1);
        }
    }
}

TEST(RichClipboardText, ChunksCountVisibleCharacters)
{
    const std::string text = Code('B', 1) + "ab" + Code('B', 0) + "c" + Code('I', 1);
    EXPECT_EQ(VisibleCount(text), 3);
    EXPECT_EQ(VisibleCount(text + '\0' + "more"), 3);
    struct Case {
        int n;
        int bytes;
    };
    for (const Case c : {Case {0, 0}, Case {1, 6}, Case {2, 7}, Case {3, 13}, Case {4, 18}}) {
        SCOPED_TRACE(c.n);
        EXPECT_EQ(ChunkBytes(text, c.n), c.bytes);
    }
    EXPECT_EQ(CleanPlainText(std::string("a\r\nb\t\x1B\x1A\x01\x7F\xE9", 10)), "a\nb\x7F\xE9");
}

} // namespace
