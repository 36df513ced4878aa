#include "forms/document/font_table.h"
#include "tests/model/font_test_support.h"

#include <gtest/gtest.h>

namespace {

// A table holding the placeholder and the given faces alone.
std::unique_ptr<FONT_TABLE> TableOf(std::initializer_list<FONTFACE> faces)
{
    auto table = std::make_unique<FONT_TABLE>();
    table->RemoveAll();
    table->AddPlaceholder();
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

TEST(FontTable, StartsWithThePlaceholderAndTheInstalledStandardFamilies)
{
    const FONT_TABLE table;
    EXPECT_EQ(Names(table),
              (std::vector<std::string>{std::string(kPlaceholderFace), "Times New Roman", "Arial", "Courier New"}));
    EXPECT_EQ(table.GetAt(-1), nullptr);
    EXPECT_EQ(table.GetAt(4), nullptr);
}

gdi::LOGFONT ArialLogFont()
{
    gdi::LOGFONT lf;
    lf.SetFaceName("Arial");
    lf.lfCharSet = 0;
    lf.lfPitchAndFamily = 0x12;  // the text metrics' byte counts, not this one
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
        {"same family, other pitch bits", FONTFACE("Arial", 0x27, 0), 1},
        {"name in other case", FONTFACE("ARIAL", 0x27, 0), 2},
        {"other family", FONTFACE("Arial", 0x12, 0), 3},
        {"other character set", FONTFACE("Arial", 0x22, 2), 4},
        {"again the first", FONTFACE("Arial", 0x21, 0), 1},
        {"from a logical font", FONTFACE(ArialLogFont(), 0x21), 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(table->FindOrAdd(c.face), c.index) << c.what;
    EXPECT_EQ(table->GetAt(1)->pitchAndFamily, 0x21) << "the pitch-and-family byte follows the last face found";
    EXPECT_EQ(table->GetCount(), 5);

    const FONTFACE* found = nullptr;
    EXPECT_EQ(table->FindByFace(found, "arial"), 1);
    EXPECT_EQ(found, table->GetAt(1));
    EXPECT_EQ(table->FindByFace(found, "Verdana"), 0);
    EXPECT_EQ(found, table->GetAt(0));
}

TEST(FontTable, WritesEveryEntryAsARecordOf35Bytes)
{
    auto table = TableOf({FONTFACE("Arial", 0x22, 0), FONTFACE("Symbol", 0x16, 2)});
    const Bytes expected = Concat({Bytes{0x28}, FaceRecord(std::string(kPlaceholderFace), 0),
                                   FaceRecord("Arial", 0x22), FaceRecord("Symbol", 0x16, 2), Bytes{0xFF}});
    EXPECT_EQ(Written([&](RECORDARCHIVE& r) { table->Write(r, 0x28); }), expected);
    EXPECT_EQ(expected.size(), 1 + 3 * 38 + 1u);
}

TEST(FontTable, ReadingKeepsTheFilesOrderAndPositions)
{
    const std::string longName(32, 'W');
    const Bytes section = Concat({Bytes{0x28}, FaceRecord(std::string(kPlaceholderFace), 0), FaceRecord("Caladea", 0x12),
                                  Record(0x90, {1, 2}), FaceRecord("Caladea", 0x12), FaceRecord(longName, 0x22),
                                  FaceRecord("Arial", 0x22), Bytes{0xFF, 0xAA}});
    FONT_TABLE table;
    ReadBack(section, [&](RECORDARCHIVE& r) { table.Read(r); });
    EXPECT_EQ(Names(table), (std::vector<std::string>{std::string(kPlaceholderFace), "Caladea", std::string(31, 'W'),
                                                      "Arial", "Times New Roman", "Courier New"}));
    const std::vector<std::string> byPosition = {std::string(kPlaceholderFace), "Caladea", "Caladea",
                                                 std::string(31, 'W'), "Arial"};
    for (size_t i = 0; i < byPosition.size(); ++i)
        EXPECT_EQ(table.GetFileEntry(static_cast<int>(i))->GetName(), byPosition[i]) << "position " << i;
    EXPECT_EQ(table.GetFileEntry(5), nullptr);

    FONT_TABLE program;
    EXPECT_EQ(program.MapFont(&table, 2), 4) << "Caladea is added after the program's own faces";
    EXPECT_EQ(program.MapFont(&table, 4), 2);
    EXPECT_EQ(program.MapFont(&table, 0), 0);
    EXPECT_EQ(program.MapFont(&table, 77), 0);
    EXPECT_EQ(program.MapFont(nullptr, 1), 0);
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
        return Concat({Bytes{0x2D}, extra, Record(0x81, payload), Bytes{0xFF}});
    };
    const Bytes section = Concat({Bytes{0x2C}, nameGroup("Arial"), nameGroup("DejaVu Sans Mo", Record(0x85, {9})),
                                  Record(0x99, {}), nameGroup("Nowhere Sans"), nameGroup(""), Bytes{0xFF}});
    FONT_TABLE table;
    ReadBack(section, [&](RECORDARCHIVE& r) { table.ReadMatched(r); });
    const std::vector<std::string> byPosition = {"Arial", "DejaVu Sans Mono", std::string(kPlaceholderFace),
                                                 std::string(kPlaceholderFace)};
    for (size_t i = 0; i < byPosition.size(); ++i)
        EXPECT_EQ(table.GetFileEntry(static_cast<int>(i))->GetName(), byPosition[i]) << "position " << i;

    FONT_TABLE program;
    EXPECT_EQ(program.MapFont(&table, 0), 2);
    EXPECT_EQ(program.MapFont(&table, 2), 0) << "a face that matches nothing is the placeholder";
}

TEST(FontTable, FaceNamesOfTheProgramTable)
{
    EXPECT_EQ(GetFaceName(2), std::string(kPlaceholderFace)) << "no program table";
    FONT_TABLE program;
    SetProgramFontTable(&program);
    EXPECT_EQ(GetFaceName(2), "Arial");
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
