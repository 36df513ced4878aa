#include "forms/edit/fgrid.h"
#include "tests/edit/grid_archive.h"

#include <gtest/gtest.h>

namespace {

struct Settings {
    bool on;
    uint16_t h, v;
    int32_t x, y;
};

Settings Of(const FGRID& g)
{
    return {g.IsOn(), g.GetHorizontalSpacing(), g.GetVerticalSpacing(), g.GetHorizontalOrigin(), g.GetVerticalOrigin()};
}

void ExpectSettings(const FGRID& grid, Settings s, const char* what)
{
    const Settings got = Of(grid);
    EXPECT_EQ(got.on, s.on) << what;
    EXPECT_EQ(got.h, s.h) << what;
    EXPECT_EQ(got.v, s.v) << what;
    EXPECT_EQ(got.x, s.x) << what;
    EXPECT_EQ(got.y, s.y) << what;
}

TEST(GridRecords, WritesTheGroupTagOneRecordAndTheEnd)
{
    FGRID grid;
    grid.SetSpacing(144, 567);
    grid.SetOrigin(-1, 0x01020304);
    const Bytes expected
        = {0x42, 150, 14, 0, 1, 0, 144, 0, 0x37, 0x02, 0xFF, 0xFF, 0xFF, 0xFF, 0x04, 0x03, 0x02, 0x01, 0xFF};
    EXPECT_EQ(WriteGrid(grid, 0x42), expected);
}

TEST(GridRecords, SettingsComeBackFromWhatWasWritten)
{
    const Settings cases[] = {
        {true, 72, 72, 0, 0},
        {true, 1, 72, 360, -720},
        {false, 144, 36, 10, 20},
        {true, 65535, 2, -2147483647 - 1, 2147483647},
    };
    for (const Settings& s : cases) {
        const FGRID written = GridFromRecord(s.on, s.h, s.v, s.x, s.y);
        FGRID read;
        read.SetSpacing(5, 5);
        EXPECT_TRUE(ReadGrid(read, WriteGrid(written, 0x42)).empty());
        ExpectSettings(read, s, "round trip");
    }
}

TEST(GridRecords, ReadsOlderAndShortRecordsAndStepsOverOthers)
{
    struct Case {
        const char* what;
        Bytes bytes;
        Settings expected;
    };
    const Case cases[] = {
        {"older record keeps the default origin", {0x42, 149, 6, 0, 0, 0, 144, 0, 36, 0, 0xFF}, {false, 144, 36, 0, 0}},
        {"reserved tags read nothing", {0x42, 70, 71, 149, 6, 0, 1, 0, 10, 0, 20, 0, 0xFF}, {true, 10, 20, 0, 0}},
        {"unknown record is stepped over", {0x42, 0x90, 2, 0, 0xAA, 0xBB, 149, 6, 0, 1, 0, 10, 0, 20, 0, 0xFF},
            {true, 10, 20, 0, 0}},
        {"unknown group is stepped over", {0x42, 0x21, 0x90, 1, 0, 7, 0xFF, 149, 6, 0, 1, 0, 10, 0, 20, 0, 0xFF},
            {true, 10, 20, 0, 0}},
        {"short record keeps what it lacks", {0x42, 150, 4, 0, 0, 0, 144, 0, 0xFF}, {false, 144, 72, 0, 0}},
        {"longer record: extra bytes are passed over",
            {0x42, 150, 16, 0, 1, 0, 10, 0, 20, 0, 5, 0, 0, 0, 6, 0, 0, 0, 9, 9, 0xFF}, {true, 10, 20, 5, 6}},
        {"empty group keeps the defaults", {0x42, 0xFF}, {true, 72, 72, 0, 0}},
    };
    for (const Case& c : cases) {
        FGRID grid;
        EXPECT_TRUE(ReadGrid(grid, c.bytes).empty()) << c.what;
        ExpectSettings(grid, c.expected, c.what);
    }
}

// A spacing of 0 would divide by zero when the grid snaps: it is refused
// and the spacing the grid had stays.
TEST(GridRecords, SpacingOfZeroFromAFileKeepsTheDefault)
{
    const Bytes files[] = {
        {0x42, 150, 14, 0, 1, 0, 0, 0, 0, 0, 10, 0, 0, 0, 20, 0, 0, 0, 0xFF},
        {0x42, 149, 6, 0, 1, 0, 0, 0, 0, 0, 0xFF},
        {0x42, 150, 14, 0, 1, 0, 0, 0, 144, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xFF},
    };
    const uint16_t expectedV[] = {72, 72, 144};
    const int32_t expectedX[] = {154, 144, 144};
    for (size_t i = 0; i < std::size(files); ++i) {
        FGRID grid;
        ReadGrid(grid, files[i]);
        EXPECT_EQ(grid.GetHorizontalSpacing(), 72);
        EXPECT_EQ(grid.GetVerticalSpacing(), expectedV[i]);
        POINT p {100, 100};
        grid.Snap(p);
        grid.MoveByKey(p, kKeyRight);
        grid.MoveByKey(p, kKeyDown);
        EXPECT_EQ(p.x, expectedX[i]);
    }
}

TEST(GridRecords, TruncatedGroupIsAnArchiveError)
{
    const Bytes truncated[] = {
        {0x42, 150, 14, 0, 1, 0},
        {0x42, 150},
        {0x42, 70},
    };
    for (const Bytes& bytes : truncated) {
        FGRID grid;
        EXPECT_THROW(ReadGrid(grid, bytes), io::ArchiveError);
    }
}

} // namespace
