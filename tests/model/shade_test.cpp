// The fill's values and its record group.
#include "forms/model/shade.h"

#include "tests/model/test_objects.h"

#include "platform/io/archive.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// Loads a shade from a group's bytes after its tag; the shade starts as
// given.
BASICSHADE Loaded(const Bytes& bytes, BASICSHADE shade = {})
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    shade.Load(rec);
    return shade;
}

TEST(Fill, DefaultsAndSetters)
{
    BASICSHADE shade;
    EXPECT_EQ(shade.colour1, 0u);
    EXPECT_EQ(shade.colour2, 0xFFFFFFu);
    EXPECT_EQ(shade.pattern, 0);
    EXPECT_EQ(shade.noFill, 0);

    shade.noFill = 1;
    shade.pattern = 7;
    shade.SetButtonFace();
    EXPECT_EQ(shade.colour1, 0u);
    EXPECT_EQ(shade.colour2, 0xC0C0C0u);
    EXPECT_EQ(shade.pattern, 0);
    EXPECT_EQ(shade.noFill, 0);

    const struct {
        int set;
        int16_t pattern;
        bool extended;
    } patterns[] = {{0, 0, false}, {1, 1, false}, {10, 10, false}, {11, 11, true}, {19, 19, true}, {20, 0, false},
        {-1, 0, false}, {21, 0, false}, {70000, 0, false}};
    for (const auto& c : patterns) {
        shade.SetPattern(c.set);
        EXPECT_EQ(shade.pattern, c.pattern) << c.set;
        EXPECT_EQ(shade.IsExtendedPattern(), c.extended) << c.set;
    }
    shade.SetSpecialPattern();
    EXPECT_TRUE(shade.IsSpecialPattern());
    EXPECT_EQ(shade.pattern, 21);
}

TEST(Fill, EqualityAndCopyTakeAllFourFields)
{
    BASICSHADE a;
    a.SetColour1(0x112233);
    a.SetColour2(0x445566);
    a.SetPattern(12);
    a.noFill = 1;
    BASICSHADE b;
    EXPECT_FALSE(a.IsEqual(b));
    b.Copy(a);
    EXPECT_TRUE(a.IsEqual(b));
    for (int field = 0; field < 4; ++field) {
        BASICSHADE c;
        c.Assign(a);
        switch (field) {
        case 0:
            c.colour1 ^= 1;
            break;
        case 1:
            c.colour2 ^= 1;
            break;
        case 2:
            c.pattern = 13;
            break;
        default:
            c.noFill = 0;
            break;
        }
        EXPECT_FALSE(a.IsEqual(c)) << field;
    }
}

TEST(Fill, SavesItsGroupByteForByte)
{
    BASICSHADE shade;
    shade.SetColour1(0x00112233);
    shade.SetColour2(0x00AABBCC);
    shade.SetPattern(13);
    shade.noFill = 1;
    const Bytes bytes = Written([&](RECORDARCHIVE& ar) { shade.Save(ar, 2); });
    const Bytes expected
        = {0x02, 0x82, 0x0C, 0x00, 0x33, 0x22, 0x11, 0x00, 0xCC, 0xBB, 0xAA, 0x00, 0x0D, 0x00, 0x01, 0x00, 0xFF};
    EXPECT_EQ(bytes, expected);
    EXPECT_TRUE(Loaded(Bytes(bytes.begin() + 1, bytes.end())).IsEqual(shade));
}

TEST(Fill, LoadsTheNewAndTheOlderRecord)
{
    BASICSHADE filled;
    filled.noFill = 0;
    BASICSHADE unfilled;
    unfilled.noFill = 1;
    struct Case {
        const char* what;
        Bytes group;
        BASICSHADE start;
        uint32_t colour1, colour2;
        int16_t pattern, noFill;
    } cases[] = {
        {"new record", {0x82, 12, 0, 1, 2, 3, 0, 4, 5, 6, 0, 5, 0, 1, 0, 0xFF}, filled, 0x030201, 0x060504, 5, 1},
        {"older record, white and pattern 0: not filled", {0x81, 10, 0, 1, 2, 3, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF},
            filled, 0x030201, 0xFFFFFF, 0, 1},
        {"older record, another pattern keeps the flag", {0x81, 10, 0, 1, 2, 3, 0, 0xFF, 0xFF, 0xFF, 0, 4, 0, 0xFF},
            unfilled, 0x030201, 0xFFFFFF, 4, 1},
        {"older record, another colour keeps the flag", {0x81, 10, 0, 1, 2, 3, 0, 0xFE, 0xFF, 0xFF, 0, 0, 0, 0xFF},
            filled, 0x030201, 0xFFFFFE, 0, 0},
        {"unknown records and groups are skipped",
            {0x90, 2, 0, 9, 9, 0x05, 0x91, 0, 0, 0xFF, 0x82, 12, 0, 1, 2, 3, 0, 4, 5, 6, 0, 5, 0, 0, 0, 0xFF}, unfilled,
            0x030201, 0x060504, 5, 0},
        {"a pattern no bitmap has reads as pattern 0", {0x82, 12, 0, 1, 2, 3, 0, 4, 5, 6, 0, 21, 0, 0, 0, 0xFF}, filled,
            0x030201, 0x060504, 0, 0},
        {"a short record keeps what it lacks", {0x82, 4, 0, 1, 2, 3, 0, 0xFF}, unfilled, 0x030201, 0xFFFFFF, 0, 1},
    };
    for (const Case& c : cases) {
        const BASICSHADE shade = Loaded(c.group, c.start);
        EXPECT_EQ(shade.colour1, c.colour1) << c.what;
        EXPECT_EQ(shade.colour2, c.colour2) << c.what;
        EXPECT_EQ(shade.pattern, c.pattern) << c.what;
        EXPECT_EQ(shade.noFill, c.noFill) << c.what;
    }
}

TEST(Fill, ATruncatedGroupIsAnArchiveError)
{
    EXPECT_THROW(Loaded({0x82, 12, 0, 1, 2, 3}), io::ArchiveError);
    EXPECT_THROW(Loaded({0x82, 12, 0, 1, 2, 3, 0, 4, 5, 6, 0, 5, 0, 1, 0}), io::ArchiveError);
}

} // namespace
