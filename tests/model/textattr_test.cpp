#include "forms/model/textattr.h"
#include "tests/model/font_test_support.h"

#include <gtest/gtest.h>

namespace {

TEXTATTR Format(
    uint8_t bold, uint8_t italic, uint8_t strike, uint8_t underline, uint32_t colour, uint16_t face, uint16_t size)
{
    TEXTATTR a;
    a.bold = bold;
    a.italic = italic;
    a.strike = strike;
    a.underline = underline;
    a.colour = colour;
    a.face = face;
    a.size = size;
    return a;
}

TEST(TextAttr, ResetMixedAndMerge)
{
    TEXTATTR reset = Format(1, 1, 1, 5, 0xFF, 7, 100);
    reset.Reset();
    EXPECT_TRUE(reset.IsEqual(Format(0, 0, 0, 0, 0, 0, 240)));

    TEXTATTR mixed;
    mixed.SetMixed();
    EXPECT_TRUE(mixed.IsEqual(Format(2, 2, 2, 2, 0xFFFFFFFE, 0xFFFE, 0xFFFE)));

    TEXTATTR sizeOnly = mixed;
    sizeOnly.size = 400;
    TEXTATTR colourAndBold = mixed;
    colourAndBold.colour = 0x0000FF;
    colourAndBold.bold = 1;

    struct Case {
        const char* what;
        TEXTATTR other;
        TEXTATTR expected;
    };
    const TEXTATTR base = Format(0, 1, 0, 4, 0x123456, 3, 240);
    const Case cases[] = {
        {"fully mixed changes nothing", mixed, base},
        {"only the size set", sizeOnly, Format(0, 1, 0, 4, 0x123456, 3, 400)},
        {"colour and bold set", colourAndBold, Format(1, 1, 0, 4, 0x0000FF, 3, 240)},
        {"nothing mixed copies all", Format(1, 0, 1, 3, 0, 1, 200), Format(1, 0, 1, 3, 0, 1, 200)},
    };
    for (const Case& c : cases) {
        TEXTATTR merged = base;
        merged.Merge(c.other);
        EXPECT_TRUE(merged.IsEqual(c.expected)) << c.what;
    }
}

TEST(TextAttr, IsEqualComparesEveryField)
{
    const TEXTATTR base = Format(0, 0, 0, 0, 0, 1, 240);
    const TEXTATTR changed[] = {
        Format(1, 0, 0, 0, 0, 1, 240),
        Format(0, 1, 0, 0, 0, 1, 240),
        Format(0, 0, 1, 0, 0, 1, 240),
        Format(0, 0, 0, 3, 0, 1, 240),
        Format(0, 0, 0, 0, 9, 1, 240),
        Format(0, 0, 0, 0, 0, 2, 240),
        Format(0, 0, 0, 0, 0, 1, 241),
    };
    for (const TEXTATTR& c : changed)
        EXPECT_FALSE(base.IsEqual(c));
    TEXTATTR copy;
    copy.Copy(base);
    EXPECT_TRUE(copy.IsEqual(base));
}

class TextAttrRecord : public ProgramFontsTest {};

TEST_F(TextAttrRecord, SavesTheGroupByteForByte)
{
    const TEXTATTR a = Format(1, 0, 1, 5, 0x00112233, 2, 0x01E0);
    EXPECT_EQ(Written([&](RECORDARCHIVE& r) { a.Save(r, 4); }),
        (Bytes {0x04, 0x81, 0x0C, 0x00, 0x01, 0x00, 0x01, 0x05, 0x33, 0x22, 0x11, 0x00, 0x02, 0x00, 0xE0, 0x01, 0xFF}));
}

// A file's table that lists Arial twice: its later positions must still
// name the faces the file meant.
TEST_F(TextAttrRecord, MapsTheTypefaceByThePositionInTheFilesTable)
{
    const Bytes section = Concat({Bytes {0x28}, FaceRecord(std::string(kPlaceholderFace), 0), FaceRecord("Arial", 0x22),
        FaceRecord("Arial", 0x22), FaceRecord("Courier New", 0x31), FaceRecord("Zebra Imaginary", 0x12), Bytes {0xFF}});
    FONT_TABLE fileTable;
    ReadBack(section, [&](RECORDARCHIVE& r) { fileTable.Read(r); });

    const uint16_t zebra = static_cast<uint16_t>(fonts.GetCount());
    struct Case {
        uint16_t stored;
        const FONT_TABLE* source;
        uint16_t expected;
    };
    const Case cases[] = {
        {0, &fileTable, 0},
        {1, &fileTable, IndexOf("Arial")},
        {2, &fileTable, IndexOf("Arial")},
        {3, &fileTable, IndexOf("Courier New")},
        {4, &fileTable, zebra},
        {5, &fileTable, 0},
        {0xFFFE, &fileTable, 0},
        {3, nullptr, 0},
    };
    for (const Case& c : cases) {
        const TEXTATTR saved = Format(0, 1, 0, 4, 0xFF, c.stored, 200);
        const Bytes bytes = Written([&](RECORDARCHIVE& r) { saved.Save(r, 4); });
        TEXTATTR loaded;
        ReadBack(bytes, [&](RECORDARCHIVE& r) { loaded.Load(r, c.source); });
        EXPECT_TRUE(loaded.IsEqual(Format(0, 1, 0, 4, 0xFF, c.expected, 200))) << "stored index " << c.stored;
    }
    EXPECT_EQ(fonts.GetAt(zebra)->GetName(), "Zebra Imaginary");
}

TEST_F(TextAttrRecord, SkipsUnknownRecordsAndKeepsWhatAShortRecordLacks)
{
    FONT_TABLE fileTable;
    const uint16_t arial = IndexOf("Arial");
    struct Case {
        const char* what;
        Bytes group;
        TEXTATTR expected;
    };
    const Case cases[] = {
        {"unknown record first",
            Concat({Bytes {0x04}, Record(0x90, {1, 2, 3}),
                Record(0x81, {1, 1, 0, 3, 0x10, 0, 0, 0, uint8_t(arial), 0, 0x90, 1}), Bytes {0xFF}}),
            Format(1, 1, 0, 3, 0x10, arial, 400)},
        {"nested group after",
            Concat({Bytes {0x04}, Record(0x81, {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 200, 0}),
                Bytes {0x05, 0x82, 0x01, 0x00, 0x07, 0xFF, 0xFF}}),
            Format(0, 0, 1, 0, 0, 0, 200)},
        {"record of four bytes", Concat({Bytes {0x04}, Record(0x81, {1, 0, 0, 4}), Bytes {0xFF}}),
            Format(1, 0, 0, 4, 0, 0, 240)},
    };
    for (const Case& c : cases) {
        TEXTATTR loaded;
        loaded.Reset();
        ReadBack(c.group, [&](RECORDARCHIVE& r) { loaded.Load(r, &fileTable); });
        EXPECT_TRUE(loaded.IsEqual(c.expected)) << c.what;
    }
}

TEST_F(TextAttrRecord, AGroupThatEndsEarlyRaisesTheArchiveError)
{
    const Bytes truncated = {0x04, 0x81, 0x0C, 0x00, 0x01, 0x00};
    TEXTATTR loaded;
    EXPECT_THROW(ReadBack(truncated, [&](RECORDARCHIVE& r) { loaded.Load(r, &fonts); }), io::ArchiveError);
}

} // namespace
