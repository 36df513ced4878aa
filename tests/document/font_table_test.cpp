#include "forms/document/font_table.h"
#include "tests/model/font_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A table holding the given faces alone.
std::unique_ptr<FONT_TABLE> TableOf(std::initializer_list<FONTFACE> faces)
{
    auto table = std::make_unique<FONT_TABLE>();
    table->RemoveAll();
    for (const FONTFACE& f : faces)
        table->FindOrAdd(f);
    return table;
}

std::vector<std::string> Names(const FONT_TABLE& table)
{
    std::vector<std::string> names;
    for (int i = 0; i < table.GetCount(); ++i)
        names.push_back(table.GetAt(i)->GetName());
    return names;
}

TEST(FontTable, StartsWithTheInstalledStandardFamiliesAndThePlaceholderIsNoEntry)
{
    FONT_TABLE table;
    const std::vector<std::string> standard = {"Times New Roman", "Arial", "Courier New"};
    EXPECT_EQ(Names(table), standard);
    EXPECT_EQ(table.GetAt(-1), nullptr);
    EXPECT_EQ(table.GetAt(3), nullptr);
    EXPECT_EQ(table.FindOrAdd(FONTFACE(kPlaceholderFace, 0x22, 0)), 0);
    EXPECT_EQ(Names(table), standard) << "looking the placeholder up adds nothing";
    table.AddPlaceholder();
    EXPECT_EQ(table.GetAt(3)->GetName(), kPlaceholderFace);
    EXPECT_EQ(table.FindOrAdd(FONTFACE(kPlaceholderFace, 0, 0)), 0) << "not even when the table holds it";
}

gdi::LOGFONT ArialLogFont()
{
    gdi::LOGFONT lf;
    lf.SetFaceName("Arial");
    lf.lfCharSet = 0;
    lf.lfPitchAndFamily = 0x12; // the text metrics' byte counts, not this one
    return lf;
}

TEST(FontTable, FindOrAddMatchesNameFamilyAndCharacterSet)
{
    auto table = TableOf({FONTFACE("Arial", 0x22, 0)});
    struct Case {
        const char* what;
        FONTFACE face;
        uint16_t index;
    };
    const Case cases[] = {
        {"the placeholder", FONTFACE(kPlaceholderFace, 0x37, 5), 0},
        {"same family, other pitch bits", FONTFACE("Arial", 0x27, 0), 0},
        {"name in other case", FONTFACE("ARIAL", 0x27, 0), 1},
        {"other family", FONTFACE("Arial", 0x12, 0), 2},
        {"other character set", FONTFACE("Arial", 0x22, 2), 3},
        {"again the first", FONTFACE("Arial", 0x21, 0), 0},
        {"from a logical font", FONTFACE(ArialLogFont(), 0x21), 0},
        {"again the other family", FONTFACE("Arial", 0x1F, 0), 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table->FindOrAdd(c.face), c.index) << c.what;
    EXPECT_EQ(table->GetAt(0)->pitchAndFamily, 0x21) << "the pitch-and-family byte follows the last face found";
    EXPECT_EQ(table->GetAt(2)->pitchAndFamily, 0x1F);
    EXPECT_EQ(table->GetCount(), 4);

    const FONTFACE* found = nullptr;
    EXPECT_EQ(table->FindByFace(found, "arial"), 1);
    EXPECT_EQ(found, table->GetAt(0));
    table->FindOrAdd(FONTFACE("Verdana", 0x22, 0));
    EXPECT_EQ(table->FindByFace(found, "VERDANA"), 1);
    EXPECT_EQ(found, table->GetAt(4));
    EXPECT_EQ(table->FindByFace(found, "Tahoma"), 0);
    EXPECT_EQ(found, table->GetAt(0));
}

TEST(FontTable, WritesEveryEntryAsARecordOf35Bytes)
{
    auto table = TableOf({FONTFACE("Arial", 0x22, 0), FONTFACE("Symbol", 0x16, 2)});
    const Bytes expected
        = Concat({Bytes {0x28}, FaceRecord("Arial", 0x22), FaceRecord("Symbol", 0x16, 2), Bytes {0xFF}});
    EXPECT_EQ(Written([&](RECORDARCHIVE& r) { table->Write(r, 0x28); }), expected);
    EXPECT_EQ(expected.size(), 1 + 2 * 38 + 1u);

    const FONT_TABLE program;
    const Bytes standard = Concat({Bytes {0x28}, FaceRecord("Times New Roman", program.GetAt(0)->pitchAndFamily),
        FaceRecord("Arial", program.GetAt(1)->pitchAndFamily),
        FaceRecord("Courier New", program.GetAt(2)->pitchAndFamily), Bytes {0xFF}});
    EXPECT_EQ(Written([&](RECORDARCHIVE& r) { program.Write(r, 0x28); }), standard) << "no placeholder";
}

// A file may list a face twice or list the placeholder: its indexes keep
// naming the faces by their place in the file.
TEST(FontTable, ReadingKeepsTheFilesOrderAndPositions)
{
    const std::string longName(32, 'W');
    const Bytes section = Concat({Bytes {0x28}, FaceRecord("Caladea", 0x12), Record(0x90, {1, 2}),
        FaceRecord("Caladea", 0x12), FaceRecord(std::string(kPlaceholderFace), 0), FaceRecord(longName, 0x22),
        FaceRecord("Arial", 0x22), Bytes {0xFF, 0xAA}});
    FONT_TABLE table;
    ReadBack(section, [&](RECORDARCHIVE& r) { table.Read(r); });
    EXPECT_EQ(Names(table),
        (std::vector<std::string> {"Caladea", std::string(31, 'W'), "Arial", "Times New Roman", "Courier New"}));
    const std::vector<std::string> byPosition
        = {"Caladea", "Caladea", std::string(kPlaceholderFace), std::string(31, 'W'), "Arial"};
    for (size_t i = 0; i < byPosition.size(); ++i)
        EXPECT_EQ(table.GetFileEntry(static_cast<int>(i))->GetName(), byPosition[i]) << "position " << i;
    EXPECT_EQ(table.GetFileEntry(5), nullptr);
    EXPECT_EQ(table.GetFileEntry(-1), nullptr);

    FONT_TABLE program;
    struct Case {
        int stored;
        uint16_t mapped;
        const char* what;
    };
    const Case cases[] = {
        {0, 3, "Caladea is added after the program's own faces"},
        {1, 3, "a repeated face names the same face"},
        {2, 0, "the placeholder"},
        {3, 4, "a long name"},
        {4, 1, "Arial after the repeat and the placeholder"},
        {5, 0, "past the file's faces"},
        {77, 0, "far past them"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(program.MapFont(&table, c.stored), c.mapped) << c.what;
    EXPECT_EQ(program.MapFont(nullptr, 1), 0);

    FONT_TABLE empty;
    ReadBack(Bytes {0x28, 0xFF}, [&](RECORDARCHIVE& r) { empty.Read(r); });
    EXPECT_EQ(empty.GetCount(), 3) << "the standard families";
    EXPECT_EQ(empty.GetFileEntry(0), nullptr) << "an empty file table names nothing";
}

// A character format saved with the program's table names the same face for
// every reader of the section: one that puts the file's faces one by one
// into an empty table and takes the index as it stands, and ours, which maps
// the index into another program's table.
TEST(FontTable, AnIndexWrittenByOneTableNamesTheSameFaceForEveryReader)
{
    FONT_TABLE writer;
    writer.FindOrAdd(FONTFACE("Carlito", 0x22, 0));
    writer.FindOrAdd(FONTFACE("Symbol", 0x12, 2));
    const Bytes section = Written([&](RECORDARCHIVE& r) { writer.Write(r, 0x28); });

    auto plain = TableOf({});
    for (size_t at = 1; at + 38 <= section.size(); at += 38) {
        ASSERT_EQ(section[at], 0x81);
        const char* name = reinterpret_cast<const char*>(&section[at + 3]);
        plain->FindOrAdd(FONTFACE(std::string(name, strnlen(name, 32)), section[at + 36], section[at + 37]));
    }

    auto reader = TableOf({FONTFACE("Symbol", 0x12, 2), FONTFACE("Courier New", 0x31, 0), FONTFACE("Zebra", 0x22, 0)});
    FONT_TABLE file;
    ReadBack(section, [&](RECORDARCHIVE& r) { file.Read(r); });
    for (int i = 0; i < writer.GetCount(); ++i) {
        const std::string written = writer.GetAt(i)->GetName();
        ASSERT_NE(plain->GetAt(i), nullptr) << i;
        EXPECT_EQ(plain->GetAt(i)->GetName(), written) << "index " << i << " as the file lists it";
        const FONTFACE* mapped = reader->GetAt(reader->MapFont(&file, i));
        ASSERT_NE(mapped, nullptr);
        EXPECT_EQ(mapped->GetName(), written) << "index " << i << " mapped";
        EXPECT_EQ(mapped->charSet, writer.GetAt(i)->charSet) << "index " << i;
    }
}

TEST(FontTable, WriteThenReadGivesTheSameTable)
{
    auto written = TableOf({FONTFACE("Carlito", 0x27, 0), FONTFACE("Arial", 0x27, 0), FONTFACE("Symbol", 0x16, 2)});
    const Bytes bytes = Written([&](RECORDARCHIVE& r) { written->Write(r, 0x28); });
    FONT_TABLE read;
    ReadBack(bytes, [&](RECORDARCHIVE& r) { read.Read(r); });
    ASSERT_GE(read.GetCount(), written->GetCount());
    for (int i = 0; i < written->GetCount(); ++i) {
        EXPECT_EQ(read.GetAt(i)->GetName(), written->GetAt(i)->GetName());
        EXPECT_EQ(read.GetAt(i)->pitchAndFamily, written->GetAt(i)->pitchAndFamily);
        EXPECT_EQ(read.GetAt(i)->charSet, written->GetAt(i)->charSet);
    }
}

// Bare face names of an imported form: each group 0x2D holds one name.
TEST(FontTable, BareFaceNamesAreMatchedToInstalledFonts)
{
    auto nameGroup = [](const std::string& name, Bytes extra = {}) {
        Bytes payload(32, 0);
        std::copy(name.begin(), name.end(), payload.begin());
        return Concat({Bytes {0x2D}, extra, Record(0x81, payload), Bytes {0xFF}});
    };
    const Bytes section = Concat({Bytes {0x2C}, nameGroup("Arial"), nameGroup("DejaVu Sans Mo", Record(0x85, {9})),
        Record(0x99, {}), nameGroup("Nowhere Sans"), nameGroup(""), Bytes {0xFF}});
    FONT_TABLE table;
    ReadBack(section, [&](RECORDARCHIVE& r) { table.ReadMatched(r); });
    const std::vector<std::string> byPosition
        = {"Arial", "DejaVu Sans Mono", std::string(kPlaceholderFace), std::string(kPlaceholderFace)};
    for (size_t i = 0; i < byPosition.size(); ++i)
        EXPECT_EQ(table.GetFileEntry(static_cast<int>(i))->GetName(), byPosition[i]) << "position " << i;

    EXPECT_EQ(Names(table),
        (std::vector<std::string> {"Arial", "DejaVu Sans Mono", std::string(kPlaceholderFace),
            std::string(kPlaceholderFace), "Times New Roman", "Courier New"}))
        << "a face that matches nothing adds the placeholder";

    FONT_TABLE program;
    EXPECT_EQ(program.MapFont(&table, 0), 1);
    EXPECT_EQ(program.MapFont(&table, 1), 3);
    EXPECT_EQ(program.MapFont(&table, 2), 0) << "a face that matches nothing is the placeholder";
    EXPECT_EQ(program.MapFont(&table, 3), 0);
}

TEST(FontTable, FaceNamesOfTheProgramTable)
{
    EXPECT_EQ(GetFaceName(1), std::string(kPlaceholderFace)) << "no program table";
    FONT_TABLE program;
    SetProgramFontTable(&program);
    EXPECT_EQ(GetFaceName(1), "Arial");
    EXPECT_EQ(GetFaceName(40), std::string(kPlaceholderFace));
    SetProgramFontTable(nullptr);
}

TEST(FontTable, ClampTextCode)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {200, 0}};
    for (auto [code, expected] : cases)
        EXPECT_EQ(ClampTextCode(code), expected) << code;
}

} // namespace
