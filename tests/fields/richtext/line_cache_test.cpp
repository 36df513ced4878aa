// The lines kept between edits equal a fresh layout of the edited text:
// insertions and deletions that wrap words forwards and back, paragraph
// marks, format codes that change heights and the format at line starts,
// the first and the last line, very long words, several edits before one
// layout, and a long run of random edits.
#include "layout_fixture.h"
#include "text_helpers.h"

#include "forms/fields/richtext/line_cache.h"

#include <random>

namespace {

// One edit of the stored bytes: bytes inserted at an offset, or n bytes
// deleted there.
struct EDIT {
    int32_t at = 0;
    std::string insert;
    int32_t remove = 0;
};

class LineCacheTest : public LayoutTest {
protected:
    LineCacheTest()
        : dc(surface)
        , info(PrinterInfo(dc))
    {}

    void Apply(RICHTEXT& text, LINECACHE& cache, const EDIT& edit)
    {
        TEXTPOS p = At(*text.GetBuffer(), edit.at);
        if (edit.remove > 0) {
            text.GetBuffer()->DeleteChars(p, edit.remove);
            cache.Deleted(edit.at, edit.remove);
        } else {
            text.GetBuffer()->InsertChars(p, edit.insert.data(), static_cast<int>(edit.insert.size()));
            cache.Inserted(edit.at, static_cast<int32_t>(edit.insert.size()));
        }
    }

    // The cached lines against a layout of the same bytes in a new text.
    void ExpectFreshLayout(RICHTEXT& text, LINECACHE& cache)
    {
        const std::vector<TEXTLINE> kept = cache.Lines(text, info);
        const std::vector<LINESPAN> spans = cache.Spans();
        auto fresh = Make(text.GetBuffer()->GetText().substr(0, text.GetEnd().GetOffset()), text.GetWidth().cx);
        fresh->fitHeight = text.fitHeight;
        const std::vector<TEXTLINE> full = Lines(*fresh, info);
        EXPECT_EQ(text.GetFirstLineOffset(), fresh->GetFirstLineOffset());
        ASSERT_EQ(kept.size(), full.size());
        ASSERT_EQ(spans.size(), full.size());
        for (size_t i = 0; i < full.size(); ++i) {
            SCOPED_TRACE(testing::Message() << "line " << i << " \"" << LineText(full[i]) << "\"");
            const TEXTLINE& a = kept[i];
            const TEXTLINE& b = full[i];
            EXPECT_EQ(a.start.GetOffset(), b.start.GetOffset());
            EXPECT_EQ(a.drawStart.GetOffset(), b.drawStart.GetOffset());
            EXPECT_EQ(a.breakPos.GetOffset(), b.breakPos.GetOffset());
            EXPECT_EQ(a.end.GetOffset(), b.end.GetOffset());
            EXPECT_EQ(spans[i].start, b.start.GetOffset());
            EXPECT_EQ(spans[i].breakAt, b.breakPos.GetOffset());
            EXPECT_EQ(spans[i].end, b.end.GetOffset());
            EXPECT_EQ(LineText(a), LineText(b));
            EXPECT_EQ(a.top, b.top);
            EXPECT_EQ(a.bottom, b.bottom);
            EXPECT_EQ(a.height, b.height);
            EXPECT_EQ(a.ascent, b.ascent);
            EXPECT_EQ(a.descent, b.descent);
            EXPECT_EQ(a.GetBaseline(), b.GetBaseline());
            EXPECT_EQ(a.endKind, b.endKind);
            EXPECT_EQ(a.first, b.first);
            EXPECT_EQ(a.last, b.last);
            EXPECT_EQ(a.wrapped, b.wrapped);
            EXPECT_EQ(a.width, b.width);
            EXPECT_EQ(a.blanks, b.blanks);
            EXPECT_TRUE(a.startAttr.IsEqual(b.startAttr));
            EXPECT_TRUE(a.endAttr.IsEqual(b.endAttr));
        }
    }

    gdi::RecordingSurface surface {gdi::DeviceKind::Printer, 1440, 1440};
    gdi::DC dc;
    TEXTDRAWINFO info;
};

// Four paragraphs of words, the second in bold and larger.
std::string Paragraphs()
{
    return "The quick brown fox jumps over the lazy dog and runs far away into the woods.\r" + Code('B', 1)
        + Code('P', 320) + "A bold and larger paragraph that wraps over more than one line here." + Code('B', 0)
        + Code('P', 240) + "\rShort.\rThe last paragraph goes on and on for a while before it ends";
}

TEST_F(LineCacheTest, EditsGiveTheLinesOfAFreshLayout)
{
    const std::string paragraphs = Paragraphs();
    const int32_t lastParagraph = static_cast<int32_t>(paragraphs.rfind('\r')) + 1;
    const std::string longWord(700, 'w');
    auto laidOut = Make(paragraphs, 3000);
    const int32_t secondLine = Lines(*laidOut, info).at(1).start.GetOffset();
    struct Case {
        const char* name;
        std::string text;
        uint16_t fitHeight;
        std::vector<EDIT> edits;
    };
    const Case cases[] = {
        {"a word typed pushes words to the next lines", paragraphs, kNaturalHeight, {{10, "extraordinarily ", 0}}},
        {"a deleted word lets a word wrap back onto the line before", paragraphs, kNaturalHeight, {{16, "", 4}}},
        {"a blank typed into the first word of a line", paragraphs, kNaturalHeight, {{secondLine + 2, " ", 0}}},
        {"blanks typed at the start of a wrapped line", paragraphs, kNaturalHeight, {{secondLine, "    ", 0}}},
        {"a paragraph mark typed moves the lines below", paragraphs, kNaturalHeight, {{20, "\r", 0}}},
        {"a paragraph mark deleted joins two paragraphs", paragraphs, kNaturalHeight, {{77, "", 1}}},
        {"a line feed typed", paragraphs, kNaturalHeight, {{5, "\n", 0}}},
        {"a size code makes a line taller", paragraphs, kNaturalHeight, {{4, Code('P', 600), 0}}},
        {"a bold code changes the format at the starts of later lines", paragraphs, kNaturalHeight,
            {{4, Code('B', 1), 0}}},
        {"the codes of a bold paragraph deleted", paragraphs, kNaturalHeight, {{78, "", 10}}},
        {"typing at the end of the last line", paragraphs, kNaturalHeight,
            {{static_cast<int32_t>(paragraphs.size()), " and ends here, at last, after all", 0}}},
        {"the last character deleted", paragraphs, kNaturalHeight,
            {{static_cast<int32_t>(paragraphs.size()) - 1, "", 1}}},
        {"the last paragraph deleted", paragraphs, kNaturalHeight,
            {{lastParagraph - 1, "", static_cast<int32_t>(paragraphs.size()) - lastParagraph + 1}}},
        {"a character typed in a very long word", "Before " + longWord + " after the word", kNaturalHeight,
            {{300, "x", 0}}},
        {"a blank typed in a very long word", "Before " + longWord + " after the word", kNaturalHeight,
            {{300, " ", 0}}},
        {"the blank before a very long word deleted", "Before " + longWord + " after the word", kNaturalHeight,
            {{6, "", 1}}},
        {"the first character deleted with a fixed line spacing", paragraphs, 300, {{0, "", 1}}},
        {"a larger first line with a fixed line spacing", paragraphs, 300, {{0, Code('P', 500), 0}}},
        {"several edits before one layout", paragraphs, kNaturalHeight,
            {{200, "", 12}, {10, "inserted words ", 0}, {120, "\r", 0}, {5, "", 3}}},
        {"all the text deleted", "Short text", kNaturalHeight, {{0, "", 10}}},
        {"text typed into an empty text", "", kNaturalHeight, {{0, "Now there are some words here", 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto text = Make(c.text, 3000);
        text->fitHeight = c.fitHeight;
        LINECACHE cache;
        cache.Lines(*text, info);
        for (const EDIT& edit : c.edits)
            Apply(*text, cache, edit);
        ExpectFreshLayout(*text, cache);
    }
}

TEST_F(LineCacheTest, ANewWidthOrFormatLaysEverythingOut)
{
    auto text = Make(Paragraphs(), 3000);
    LINECACHE cache;
    cache.Lines(*text, info);
    text->SetBounds(0, 0, 2000, 100000);
    ExpectFreshLayout(*text, cache);
    text = Make(Paragraphs(), 3000);
    cache.Lines(*text, info);
    text->fitHeight = 400;
    ExpectFreshLayout(*text, cache);
}

// Offsets where a character or a code starts, and the end mark's.
std::vector<int32_t> UnitStarts(const std::string& bytes)
{
    std::vector<int32_t> starts;
    for (size_t i = 0; i < bytes.size(); i += static_cast<unsigned char>(bytes[i]) == kEsc ? kCodeLength : 1)
        starts.push_back(static_cast<int32_t>(i));
    starts.push_back(static_cast<int32_t>(bytes.size()));
    return starts;
}

TEST_F(LineCacheTest, RandomEditsGiveTheLinesOfAFreshLayout)
{
    std::mt19937 random(451);
    const auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const std::string pieces[] = {"a", "word ", "  ", "\r", "\n", "longerword", "x", " ", std::string(90, 'z'),
        Code('B', 1), Code('B', 0), Code('P', 400), Code('P', 180), Code('I', 1)};
    auto text = Make(Paragraphs() + "\r" + Paragraphs(), 2500);
    LINECACHE cache;
    cache.Lines(*text, info);
    for (int round = 0; round < 400; ++round) {
        SCOPED_TRACE(round);
        const int edits = pick(1, 3);
        for (int e = 0; e < edits; ++e) {
            const std::string bytes = text->GetBuffer()->GetText().substr(0, text->GetEnd().GetOffset());
            const std::vector<int32_t> starts = UnitStarts(bytes);
            const size_t i = static_cast<size_t>(pick(0, static_cast<int>(starts.size()) - 1));
            if (pick(0, 1) == 0 || i + 1 >= starts.size()) {
                Apply(*text, cache, {starts[i], pieces[pick(0, std::size(pieces) - 1)], 0});
            } else {
                const size_t j = std::min(starts.size() - 1, i + static_cast<size_t>(pick(1, 12)));
                Apply(*text, cache, {starts[i], "", starts[j] - starts[i]});
            }
        }
        ExpectFreshLayout(*text, cache);
        if (HasFatalFailure() || HasFailure())
            return;
    }
}

} // namespace
