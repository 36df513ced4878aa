// The table's records: its top level against a hand-made fixture, the
// parts in their groups, a round trip that keeps every member and part, and
// damaged tables that load as far as they make sense or fail.
#include "tests/model/shape_fixtures.h"
#include "tests/objects/table_test_support.h"

#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/border.h"
#include "forms/model/int_exception.h"
#include "forms/model/shadow.h"

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using TableRecordTest = TableTest;

Bytes SaveTable(FTABLE& table)
{
    return Written([&](RECORDARCHIVE& ar) { table.Save(ar, kTypeTable); });
}

// The tags of the items directly inside a group (its bytes from its tag).
std::vector<uint8_t> Tags(const Bytes& group)
{
    std::vector<uint8_t> tags;
    for (const Bytes& item : GroupItems(group))
        tags.push_back(item.front());
    return tags;
}

// A table read back from its bytes (type byte first).
void LoadTable(const Bytes& bytes, FTABLE& table)
{
    ReadBack(bytes, [&](RECORDARCHIVE& ar) {
        ASSERT_EQ(ar.ReadTag(), kTypeTable);
        table.Load(ar, 0);
    });
}

// The fixture's lines: an item's bytes, or a group's tag alone.
struct FixtureItem {
    Bytes bytes;
    bool tagOnly = false;
};

std::vector<FixtureItem> ReadFixture(const std::string& name)
{
    std::ifstream in(std::string(FORMS_TEST_DATA_DIR) + "/model/" + name);
    std::vector<FixtureItem> items;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string word;
        FixtureItem item;
        while (words >> word) {
            if (word == "group") {
                item.tagOnly = true;
                continue;
            }
            item.bytes.push_back(static_cast<uint8_t>(std::stoi(word, nullptr, 16)));
        }
        items.push_back(item);
    }
    return items;
}

TEST_F(TableRecordTest, ATwoByTwoTableWithBothBandsWritesTheFixturesItemsAndItsPartsInOrder)
{
    auto table = MakeTable(2, 2, true, true);
    table->SetTableId(7);
    const Bytes written = SaveTable(*table);

    const std::vector<FixtureItem> fixture = ReadFixture("table_2x2_outline.hex");
    ASSERT_EQ(fixture.size(), 10u);
    ASSERT_EQ(written.front(), fixture.front().bytes.front());
    ASSERT_EQ(written.back(), kEndGroup);
    const std::vector<Bytes> items = GroupItems(written);
    ASSERT_EQ(items.size(), fixture.size() - 2);
    for (size_t i = 0; i < items.size(); ++i) {
        const FixtureItem& expected = fixture[i + 1];
        if (expected.tagOnly)
            EXPECT_EQ(items[i].front(), expected.bytes.front()) << "item " << i;
        else
            EXPECT_EQ(items[i], expected.bytes) << "item " << i;
    }

    // Cells column by column, then the column and the row boundaries; the
    // header groups hold their boundaries, their line and their headers.
    EXPECT_EQ(Tags(items[3]), (std::vector<uint8_t> {0x1A, 0x1A, 0x1A, 0x1A, 0x1B, 0x1B, 0x1B, 0x1B, 0x1B, 0x1B}));
    EXPECT_EQ(Tags(items[4]), (std::vector<uint8_t> {0x1B, 0x1B, 0x1B, 0x1B, 0x19, 0x19}));
    EXPECT_EQ(Tags(items[5]), (std::vector<uint8_t> {0x1B, 0x1B, 0x1B, 0x1B, 0x19, 0x19}));
    // A cell is its field as group 0x14; a boundary its line as group 0x12;
    // a header its text object as group 0x15 and its fill as group 2.
    EXPECT_EQ(Tags(GroupItems(items[3])[0]), (std::vector<uint8_t> {0x14}));
    EXPECT_EQ(Tags(GroupItems(items[3])[4]), (std::vector<uint8_t> {0x12}));
    EXPECT_EQ(Tags(GroupItems(items[4])[4]), (std::vector<uint8_t> {0x15, 0x02}));
}

TEST_F(TableRecordTest, ATableWithoutABandWritesNoGroupForItAndReadsNoHeaderParts)
{
    const struct {
        bool columnHeaders, rowHeaders;
        std::vector<uint8_t> tags;
    } cases[] = {
        {false, false, {0x01, 0x81, 0x82, 0x42, 0x4E, 0x05}},
        {true, false, {0x01, 0x81, 0x82, 0x42, 0x43, 0x4E, 0x05}},
        {false, true, {0x01, 0x81, 0x82, 0x42, 0x52, 0x4E, 0x05}},
    };
    for (const auto& c : cases) {
        auto table = MakeTable(3, 2, c.columnHeaders, c.rowHeaders);
        const Bytes written = SaveTable(*table);
        std::vector<uint8_t> tags;
        for (const Bytes& item : GroupItems(written))
            tags.push_back(item.front());
        EXPECT_EQ(tags, c.tags);

        FTABLE loaded;
        LoadTable(written, loaded);
        EXPECT_EQ(loaded.HasColumnHeaders(), c.columnHeaders);
        EXPECT_EQ(loaded.HasRowHeaders(), c.rowHeaders);
        EXPECT_EQ(loaded.GetColumnHeaderLine() != nullptr, c.columnHeaders);
        EXPECT_EQ(loaded.GetRowHeader(0) != nullptr, c.rowHeaders);
    }
}

TEST_F(TableRecordTest, ATableReadBackKeepsEveryMemberAndPart)
{
    auto table = MakeTable(3, 2, true, true, {720, 1440, 4320, 2880});
    table->SetTableId(9);
    table->SetColumnName(1, "Price");
    table->SetRectBy(720, 1440, 5040, 2880);
    SHADOW drop;
    drop.x = 60;
    drop.y = 90;
    drop.colour = 0x808080;
    table->SetShadow(drop);
    BORDER thick;
    thick.width = 60;
    table->GetColumnBoundary(2)->SetBorder(thick);
    table->GetRowHeader(1)->SetText("Total");
    table->GetCell(1, 1)->SetDataType(*CreateDataType(kKindNumber), nullptr);

    const Bytes written = SaveTable(*table);
    FTABLE loaded;
    LoadTable(written, loaded);
    EXPECT_EQ(SaveTable(loaded), written);

    EXPECT_EQ(loaded.GetColumnCount(), 3);
    EXPECT_EQ(loaded.GetRowCount(), 2);
    EXPECT_EQ(loaded.GetTableId(), 9);
    EXPECT_EQ(Columns(loaded), Columns(*table));
    EXPECT_EQ(Rows(loaded), Rows(*table));
    std::string name;
    loaded.GetColumnName(name, 1);
    EXPECT_EQ(name, "Price");
    SHADOW shown;
    loaded.GetShadow(&shown);
    EXPECT_TRUE(shown.IsEqual(drop));
    BORDER line;
    loaded.GetColumnBoundary(2)->GetBorder(&line);
    EXPECT_EQ(line.width, 60);
    EXPECT_EQ(loaded.GetRowHeader(1)->GetText().View(), "Total");
    EXPECT_EQ(loaded.GetColumnHeader(2)->GetText().View(), "C");
    EXPECT_EQ(loaded.GetCell(1, 1)->GetDataType()->GetTypeTag(), kKindNumber);
    // Every part knows its table and place again.
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 2; ++r) {
            const FCELL* cell = loaded.GetCell(c, r);
            EXPECT_EQ(cell->GetTable(), &loaded);
            EXPECT_EQ(cell->GetColumn(), c);
            EXPECT_EQ(cell->GetRow(), r);
            EXPECT_EQ(cell->GetFieldID(), table->GetCell(c, r)->GetFieldID());
        }
    EXPECT_EQ(loaded.GetRowBoundary(2)->GetRow(), 2);
    EXPECT_EQ(loaded.GetRowBoundary(2)->GetColumn(), kNoTableIndex);
    EXPECT_EQ(loaded.GetColumnHeaderBoundary(3)->GetColumn(), 3);
    EXPECT_EQ(loaded.GetRowHeader(1)->GetTable(), &loaded);
}

// The items of a good table, rearranged.
class DamagedTables : public TableRecordTest {
protected:
    DamagedTables()
        : good(Widened(MakeTable(2, 2, true, true, {0, 0, 2000, 1500})))
        , items(GroupItems(SaveTable(*good)))
    {}

    // Scaled to 3000 wide: its lines are no longer even.
    static std::unique_ptr<FTABLE> Widened(std::unique_ptr<FTABLE> table)
    {
        table->SetRectBy(0, 0, 3000, 1500);
        return table;
    }

    static Bytes Assemble(const std::vector<Bytes>& parts)
    {
        Bytes bytes {kTypeTable};
        for (const Bytes& part : parts)
            bytes.insert(bytes.end(), part.begin(), part.end());
        bytes.push_back(kEndGroup);
        return bytes;
    }
    static Bytes Counts(uint16_t columns, uint16_t rows)
    {
        return {0x81, 0x0A, 0x00, uint8_t(columns), uint8_t(columns >> 8), uint8_t(rows), uint8_t(rows >> 8), 1, 0, 1,
            0, 7, 0};
    }
    // Indices of the good table's items.
    enum { kBase, kCounts, kPositions, kGrid, kColumnBand, kRowBand, kNames, kShadow };

    std::unique_ptr<FTABLE> good;
    std::vector<Bytes> items;
};

TEST_F(DamagedTables, LoadAsFarAsTheyMakeSenseOrFailWithTheLoadError)
{
    std::vector<Bytes> extraCell = items;
    {
        // A fifth cell before the boundaries, and one more at the end.
        Bytes& grid = extraCell[kGrid];
        const std::vector<Bytes> parts = GroupItems(grid);
        Bytes rebuilt {0x42};
        for (size_t i = 0; i < parts.size(); ++i) {
            rebuilt.insert(rebuilt.end(), parts[i].begin(), parts[i].end());
            if (i == 3)
                rebuilt.insert(rebuilt.end(), parts[0].begin(), parts[0].end());
        }
        rebuilt.insert(rebuilt.end(), parts[0].begin(), parts[0].end());
        rebuilt.push_back(kEndGroup);
        grid = rebuilt;
    }
    std::vector<Bytes> positionsFirst = items;
    std::swap(positionsFirst[kCounts], positionsFirst[kPositions]);
    std::vector<Bytes> shortPositions = items;
    shortPositions[kPositions] = {0x82, 0x04, 0x00, 0x10, 0x00, 0x20, 0x00};
    std::vector<Bytes> twoCounts = items;
    twoCounts.insert(twoCounts.begin() + kPositions, Counts(3, 3));
    std::vector<Bytes> noCounts = items;
    noCounts.erase(noCounts.begin() + kCounts);
    std::vector<Bytes> zeroColumns = items;
    zeroColumns[kCounts] = Counts(0, 2);
    std::vector<Bytes> zeroRows = items;
    zeroRows[kCounts] = Counts(2, 0);
    std::vector<Bytes> huge = items;
    huge[kCounts] = Counts(40000, 40000);
    std::vector<Bytes> largest = items;
    largest[kCounts] = Counts(0xFFFF, 0xFFFF);
    std::vector<Bytes> tooManyCells = items;
    tooManyCells[kCounts] = Counts(200, 200);

    const std::vector<int32_t> even {1000, 2000, 3000};
    const struct {
        const char* what;
        std::vector<Bytes> parts;
        bool loads;
        std::vector<int32_t> columns;
    } cases[] = {
        {"surplus cells are skipped", extraCell, true, Columns(*good)},
        {"positions before the counts are skipped", positionsFirst, true, even},
        {"short positions lay the table out evenly", shortPositions, true, even},
        {"a second set of counts is skipped", twoCounts, true, Columns(*good)},
        {"no counts at all", noCounts, false, {}},
        {"no columns", zeroColumns, false, {}},
        {"no rows", zeroRows, false, {}},
        {"40000 x 40000", huge, false, {}},
        {"65535 x 65535", largest, false, {}},
        {"more cells than field ids", tooManyCells, false, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        FTABLE loaded;
        std::optional<int> failure;
        try {
            LoadTable(Assemble(c.parts), loaded);
        } catch (const CIntException& e) {
            failure = e.GetId();
        }
        if (!c.loads) {
            EXPECT_EQ(failure, std::optional<int>(kLoadMemoryErrorId));
            continue;
        }
        ASSERT_FALSE(failure);
        EXPECT_EQ(loaded.GetColumnCount(), 2);
        EXPECT_EQ(loaded.GetRowCount(), 2);
        EXPECT_EQ(Columns(loaded), c.columns);
        // The parts after the damage are read into their places.
        EXPECT_EQ(loaded.GetRowBoundary(2)->GetRow(), 2);
        EXPECT_EQ(loaded.GetColumnHeader(1)->GetText().View(), "B");
        EXPECT_EQ(loaded.GetCell(1, 1)->GetFieldID(), good->GetCell(1, 1)->GetFieldID());
    }
}

TEST_F(DamagedTables, AHeaderGroupOfABandTheTableLacksIsSkipped)
{
    auto plain = MakeTable(2, 2, false, false);
    std::vector<Bytes> parts = GroupItems(SaveTable(*plain));
    // Base, counts, positions, grid: then the good table's header groups.
    parts.insert(parts.begin() + 4, items[kColumnBand]);
    parts.insert(parts.begin() + 5, items[kRowBand]);
    FTABLE loaded;
    LoadTable(Assemble(parts), loaded);
    EXPECT_FALSE(loaded.GetColumnHeaderLine());
    EXPECT_FALSE(loaded.GetRowHeaderLine());
    EXPECT_EQ(SaveTable(loaded), SaveTable(*plain));
}

} // namespace
