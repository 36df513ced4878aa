// The grid arithmetic of tables, without a table or a view: column letters,
// the even layout of a new table, scaling to a new extent with the minimum
// and the give-back, points mapped to cells and the lowest place of a line.
#include "forms/objects/table_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(TableLayout, ColumnLettersRunFromAThroughZzAndOnToAaa)
{
    const struct {
        int index;
        const char* letters;
    } cases[] = {{0, "A"}, {25, "Z"}, {26, "AA"}, {27, "AB"}, {51, "AZ"}, {52, "BA"}, {701, "ZZ"}, {702, "AAA"},
        {703, "AAB"}, {18277, "ZZZ"}, {18278, "AAAA"}};
    for (const auto& c : cases)
        EXPECT_EQ(ColumnLetters(c.index), c.letters) << c.index;
    // Past ZZ nothing but capital letters.
    for (int i = 0; i < 20000; ++i)
        for (char ch : ColumnLetters(i))
            ASSERT_TRUE(ch >= 'A' && ch <= 'Z') << i;
}

TableAxis Axis(std::vector<int32_t> pos, bool band = false, int32_t bandStart = 0)
{
    TableAxis axis;
    axis.pos = std::move(pos);
    axis.hasBand = band;
    axis.bandStart = bandStart;
    return axis;
}

TEST(TableLayout, AnEvenLayoutGivesTheHeaderOneShareAndTheLastCellTheRemainder)
{
    const struct {
        const char* what;
        int count;
        bool band;
        int32_t start, end;
        std::vector<int32_t> expected;
    } cases[] = {
        {"two with a header in 1440", 2, true, 0, 1440, {480, 960, 1440}},
        {"no header starts at the start", 2, false, 100, 1540, {100, 820, 1540}},
        {"three over 1000", 3, false, 0, 1000, {0, 333, 666, 1000}},
        {"the remainder goes last", 3, true, 0, 1001, {250, 500, 750, 1001}},
    };
    for (const auto& c : cases) {
        TableAxis axis = Axis(std::vector<int32_t>(c.count + 1), c.band);
        LayOutEvenly(axis, c.start, c.end);
        EXPECT_EQ(axis.pos, c.expected) << c.what;
        EXPECT_EQ(axis.bandStart, c.start) << c.what;
    }
}

TEST(TableLayout, ScalingKeepsTheMinimumAndGivesBackOnlyWhatTheWideColumnsHave)
{
    const struct {
        const char* what;
        TableAxis axis;
        int32_t oldStart, oldEnd, newStart, newEnd;
        std::vector<int32_t> expected;
        int32_t bandStart;
    } cases[] = {
        {"scaled to twice the width", Axis({0, 300, 600}), 0, 600, 0, 1200, {0, 600, 1200}, 0},
        {"moved with the start", Axis({200, 500, 800}, true, 0), 0, 800, 100, 900, {300, 600, 900}, 100},
        // Halved: 50, 350, 100 wide; the minimum pushes the end 44 out,
        // which the one column wider than 144 gives back.
        {"shrunk below the minimum", Axis({0, 100, 800, 1000}), 0, 1000, 0, 500, {0, 144, 356, 500}, 0},
        // Halved: 300, 200, 50 wide; 94 over, given back 69 and 25 by
        // excesses of 156 and 56.
        {"two columns give in proportion", Axis({0, 600, 1000, 1100}), 0, 1100, 0, 550, {0, 231, 406, 550}, 0},
        {"all at the minimum: the table stays wider", Axis({0, 144, 288, 432}), 0, 432, 0, 300, {0, 144, 288, 432}, 0},
        // 248 over with 216 to spare: giving 248 would leave 112.
        {"an overflow beyond the slack gives only the slack", Axis({0, 900, 950, 1000}), 0, 1000, 0, 400,
            {0, 144, 288, 432}, 0},
        {"a band narrower than the minimum is widened", Axis({100, 600, 1100}, true, 0), 0, 1100, 0, 1100,
            {144, 600, 1100}, 0},
        {"no old extent lays out evenly", Axis({50, 50, 50}, true, 50), 50, 50, 0, 900, {300, 600, 900}, 0},
    };
    for (const auto& c : cases) {
        TableAxis axis = c.axis;
        ScaleToFit(axis, c.oldStart, c.oldEnd, c.newStart, c.newEnd);
        EXPECT_EQ(axis.pos, c.expected) << c.what;
        EXPECT_EQ(axis.bandStart, c.bandStart) << c.what;
        for (int k = 1; k < static_cast<int>(axis.pos.size()); ++k)
            EXPECT_GE(axis.pos[k] - axis.pos[k - 1], kTableMinExtent) << c.what << " column " << k;
    }
}

TEST(TableLayout, PointsFallInTheCellWhoseLineIsNotBeyondThem)
{
    const TableAxis axis = Axis({480, 960, 1440});
    const struct {
        int32_t x;
        int index;
    } cases[] = {{0, -1}, {479, -1}, {480, 0}, {959, 0}, {960, 1}, {1440, 1}, {5000, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(CellIndexAt(axis, c.x), c.index) << c.x;
}

TEST(TableLayout, ALineGoesNoNearerThanTheMinimumToTheLineOrBandBeforeIt)
{
    const TableAxis axis = Axis({480, 960, 1440}, true, 0);
    EXPECT_EQ(LowestLinePlace(axis, 0), 144);
    EXPECT_EQ(LowestLinePlace(axis, 1), 624);
    EXPECT_EQ(LowestLinePlace(axis, 2), 1104);
}

} // namespace
