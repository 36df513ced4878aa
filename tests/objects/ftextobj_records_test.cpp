// The text object's records: the text record written straight with its
// length, the line spacing kept, text from a file cleaned as it is read,
// and typeface codes mapped from the file's font table.
#include "tests/objects/text_test_support.h"

#include "forms/model/fobjlist.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using TextRecordTest = TextObjectTest;

// The bytes from the text record to the end of the object's group.
Bytes Tail(const Bytes& written, size_t textLength)
{
    const size_t tail = 6 + (textLength + 1) + 5 + 1;
    return Bytes(written.end() - static_cast<ptrdiff_t>(tail), written.end());
}

TEST_F(TextRecordTest, TheTextRecordIsWrittenStraightWithLengthNPlus3AndTheSpacingRecordKeeps0xFFFF)
{
    auto object = MakeText("Hi", Font(0), kTextAlignCentred);
    const Bytes written = Written([&](RECORDARCHIVE& ar) { object->Save(ar, kTypeText); });
    EXPECT_EQ(written.front(), kTypeText);
    EXPECT_EQ(written[1], kBaseGroupTag);
    EXPECT_EQ(Tail(written, 2),
        (Bytes {0x81, 0x06, 0x00, 0x03, 0x03, 0x00, 'H', 'i', 0x00, 0x82, 0x02, 0x00, 0xFF, 0xFF, 0xFF}));
    // The font group sits between the base group and the text.
    const Bytes fontGroup {0x04, 0x81, 0x0C, 0x00};
    EXPECT_NE(std::search(written.begin(), written.end(), fontGroup.begin(), fontGroup.end()), written.end());

    // A text longer than the record buffer's usual 512 bytes, and no text.
    const std::string longText(700, 'x');
    object->SetText(longText);
    const Bytes longWritten = Written([&](RECORDARCHIVE& ar) { object->Save(ar, kTypeText); });
    const Bytes longTail = Tail(longWritten, longText.size());
    EXPECT_EQ(Bytes(longTail.begin(), longTail.begin() + 6), (Bytes {0x81, 0xC0, 0x02, 0x03, 0xBD, 0x02}));
    EXPECT_EQ(longTail[6 + 700], 0x00);

    object->SetText("");
    EXPECT_EQ(Tail(Written([&](RECORDARCHIVE& ar) { object->Save(ar, kTypeText); }), 0),
        (Bytes {0x81, 0x04, 0x00, 0x03, 0x01, 0x00, 0x00, 0x82, 0x02, 0x00, 0xFF, 0xFF, 0xFF}))
        << "an empty text is a single NUL";
}

TEST_F(TextRecordTest, AnObjectReadBackSavesTheSameBytes)
{
    for (uint16_t spacing : {kLineSpacingAuto, uint16_t {240}}) {
        auto object = MakeText("First" + Code('B', 1) + " line\rsecond", Font(0, 300), kTextAlignJustified);
        object->SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
        object->SetRect(100, 200, 3000, 900);
        object->SetName("Text1");
        const Bytes written = Written([&](RECORDARCHIVE& ar) { object->Save(ar, kTypeText); });
        FTEXTOBJ loaded;
        ReadBack(written, [&](RECORDARCHIVE& ar) { loaded.Load(ar, 0); });
        EXPECT_EQ(loaded.GetLineSpacing(), spacing);
        EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { loaded.Save(ar, kTypeText); }), written) << spacing;
    }
}

// A text object's group holding one text record with that payload, then a
// byte that follows the group.
Bytes GroupWithText(const Bytes& payload)
{
    return Concat({Bytes {kTypeText}, Record(0x90, {1, 2, 3}), Record(0x81, payload), Record(0x82, {0xF0, 0x00}),
        Bytes {0xFF, 0x7E}});
}

Bytes Payload(uint8_t align, uint16_t n, const std::string& text)
{
    Bytes out {align, uint8_t(n), uint8_t(n >> 8)};
    for (char c : text)
        out.push_back(static_cast<uint8_t>(c));
    return out;
}

TEST_F(TextRecordTest, TextFromAFileIsTerminatedCutAtItsFirstZeroAndLosesIncompleteCodes)
{
    const std::string esc(1, static_cast<char>(kEsc));
    const struct {
        const char* name;
        Bytes payload;
        std::string text;
    } cases[] = {
        {"count and NUL as written", Payload(1, 4, std::string("abc", 4)), "abc"},
        {"no NUL in the count", Payload(1, 3, "xyz"), "xyz"},
        {"a count beyond the record", Payload(1, 40, "abc"), "abc"},
        {"a zero byte inside", Payload(1, 6, std::string("ab\0cd\0", 6)), "ab"},
        {"a code cut short by the end", Payload(1, 5, "ab" + esc + "B" + std::string(1, '\0')), "ab"},
        {"an escape that opens no code", Payload(1, 8, "a" + esc + "bcdefg"), "abcdefg"},
        {"complete codes stay", Payload(1, 8, "a" + Code('B', 1) + "bc"), "a" + Code('B', 1) + "bc"},
        {"no text bytes", Payload(1, 0, ""), ""},
        {"no count", Bytes {1}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FTEXTOBJ loaded;
        ReadBack(GroupWithText(c.payload), [&](RECORDARCHIVE& ar) {
            loaded.Load(ar, 0);
            EXPECT_EQ(ar.ReadU8(), 0x7E) << "the stream goes on after the group";
        });
        EXPECT_EQ(std::string(loaded.GetText().View()), c.text);
        ASSERT_EQ(loaded.GetText().GetBuffer() == nullptr, c.text.empty());
        if (!c.text.empty()) {
            EXPECT_EQ(loaded.GetText().GetBuffer()[loaded.GetText().GetLength()], '\0');
        }
        uint8_t align = 0;
        loaded.GetAlignment(&align);
        EXPECT_EQ(align, 1);
        EXPECT_EQ(loaded.GetLineSpacing(), 0xF0) << "the unknown record before it was stepped over";
    }
}

TEST_F(TextRecordTest, TypefaceCodesAreMappedThroughTheFilesTableAndTheMixedFaceIsLeft)
{
    // The file's table lists Arial twice, at 0 and 2.
    const Bytes table = Concat({Bytes {kFontTableGroup}, FaceRecord("Arial", 0x22), FaceRecord("Courier New", 0x31),
        FaceRecord("Arial", 0x22), Bytes {0xFF}});
    FONT_TABLE fileTable;
    ReadBack(table, [&](RECORDARCHIVE& ar) { fileTable.Read(ar); });

    const std::string text = Code('T', 0) + "a" + Code('T', 1) + "b" + Code('T', 2) + "c" + Code('T', kMixedWord) + "d"
        + Code('T', 9) + "e" + Code('P', 1) + "f";
    TEXTATTR fileFont = Font(1);
    const Bytes font = Written([&](RECORDARCHIVE& ar) { fileFont.Save(ar, 4); });
    const Bytes group = Concat({Bytes {kTypeText}, font,
        Record(0x81, Payload(0, static_cast<uint16_t>(text.size() + 1), text + std::string(1, '\0'))), Bytes {0xFF}});
    FTEXTOBJ loaded;
    ReadBack(group, [&](RECORDARCHIVE& ar) { loaded.Load(ar, reinterpret_cast<uintptr_t>(&fileTable)); });

    const int arial = IndexOf("Arial");
    const int courier = IndexOf("Courier New");
    ASSERT_NE(arial, courier);
    EXPECT_EQ(Describe(loaded.GetText().View()),
        "T" + std::to_string(arial) + " [a] T" + std::to_string(courier) + " [b] T" + std::to_string(arial)
            + " [c] T-2 [d] T0 [e] P1 [f]")
        << "a face the file's table lacks becomes face 0";
    TEXTATTR loadedFont;
    loaded.GetFont(&loadedFont);
    EXPECT_EQ(loadedFont.face, courier);
}

Bytes Fixture(const std::string& name)
{
    std::ifstream in(std::string(FORMS_TEST_DATA_DIR) + "/model/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// The texts of the objects an object list reads from a fixture.
std::vector<std::string> TextsOf(const Bytes& list)
{
    FOBJLIST objects;
    io::MemoryFile file(list);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    objects.Load(rec, 0);
    std::vector<std::string> texts;
    for (FORMOBJ* o = objects.GetHead(); o; o = o->GetNext())
        texts.push_back(o->GetName() + ": " + Describe(dynamic_cast<FTEXTOBJ&>(*o).GetText().View()));
    return texts;
}

TEST_F(TextRecordTest, TheFuzzersSeedsLoadAsTextObjects)
{
    const std::vector<std::string> good = TextsOf(Fixture("text_objects.bin"));
    ASSERT_EQ(good.size(), 4u);
    EXPECT_EQ(good[0], "Text1: [A heading]");
    EXPECT_EQ(good[1],
        "Text2: [Plain ] B1 [bold] B0 [ ] T0 [face] T-2 [ ] P360 [big] U3 [ words\r] r200 g0 b250 [colour  \n]");
    EXPECT_EQ(good[2], "Text3: [" + std::string(700, 'w') + "]");
    EXPECT_EQ(good[3], "Text4: ");
    EXPECT_EQ(TextsOf(Fixture("text_objects_damaged.bin")),
        (std::vector<std::string> {"Cut: [ab]", "Long count: [abc]", "Zero inside: [ab]", "Lone escape: [abcdefg]"}));
}

} // namespace
