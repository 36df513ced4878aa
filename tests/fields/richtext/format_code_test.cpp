// The value bytes of format codes and what reading a code does to a format.
#include "forms/fields/richtext/format_code.h"
#include "forms/model/textattr.h"

#include <gtest/gtest.h>

namespace {

struct ValueCase {
    int16_t value;
    unsigned char high;
    unsigned char low;
    int16_t readBack;
};

TEST(FormatCode, ValuesEncodeToTheirBytePairsAndReadBack)
{
    const ValueCase cases[] = {
        {0, 0x01, 0x01, 0},
        {1, 0x01, 0x02, 1},
        {12, 0x01, 0x0D, 12},
        {127, 0x02, 0x81, 127},
        {240, 0x02, 0xF2, 240},
        {253, 0x02, 0xFF, 253},
        {255, 0x02, 0x01, 255},
        {1440, 0x07, 0xA7, 1440},
        {-2, 0x01, 0xFF, -2},
        // A remainder of 254 would give a zero byte: the next lower value.
        {254, 0x02, 0xFF, 253},
        {509, 0x03, 0xFF, 508},
        {764, 0x04, 0xFF, 763},
    };
    for (const auto& c : cases) {
        char bytes[kCodeLength];
        EncodeFormatCode('P', c.value, bytes);
        SCOPED_TRACE(c.value);
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), kEsc);
        EXPECT_EQ(bytes[1], 'P');
        EXPECT_EQ(static_cast<unsigned char>(bytes[2]), c.high);
        EXPECT_EQ(static_cast<unsigned char>(bytes[3]), c.low);
        EXPECT_EQ(static_cast<unsigned char>(bytes[4]), kEsc);
        EXPECT_EQ(DecodeFormatValue(c.high, c.low), c.readBack);
    }
}

TEST(FormatCode, NoValueOfAFormatWritesAZeroByte)
{
    for (int v = -2; v <= 32000; ++v) {
        char bytes[kCodeLength];
        EncodeFormatCode('P', static_cast<int16_t>(v), bytes);
        ASSERT_NE(bytes[2], 0) << v;
        ASSERT_NE(bytes[3], 0) << v;
        if (v != -1 && v % 255 != 254) {
            ASSERT_EQ(DecodeFormatValue(bytes[2], bytes[3]), v);
        }
    }
}

TEST(FormatCode, ReadingACodeChangesItsFieldOnly)
{
    TEXTATTR start;
    start.Reset();
    start.colour = 0x00112233;
    struct Case {
        char letter;
        int16_t value;
        TEXTATTR expected;
    };
    auto with = [&](auto change) {
        TEXTATTR a = start;
        change(a);
        return a;
    };
    const Case cases[] = {
        {'B', 1, with([](TEXTATTR& a) { a.bold = 1; })},
        {'I', 1, with([](TEXTATTR& a) { a.italic = 1; })},
        {'U', 5, with([](TEXTATTR& a) { a.underline = 5; })},
        {'/', 1, with([](TEXTATTR& a) { a.strike = 1; })},
        {'P', 1440, with([](TEXTATTR& a) { a.size = 1440; })},
        {'T', 7, with([](TEXTATTR& a) { a.face = 7; })},
        {'T', -2, with([](TEXTATTR& a) { a.face = kMixedWord; })},
        {'r', 255, with([](TEXTATTR& a) { a.colour = 0x001122FF; })},
        {'g', 128, with([](TEXTATTR& a) { a.colour = 0x00118033; })},
        {'b', 1, with([](TEXTATTR& a) { a.colour = 0x00012233; })},
        {'d', -2, with([](TEXTATTR& a) { a.colour = kMixedColour; })},
        {'O', 0, start},
        {'x', 3, start},
    };
    for (const auto& c : cases) {
        TEXTATTR a = start;
        ApplyFormatCode(c.letter, c.value, a);
        EXPECT_TRUE(a.IsEqual(c.expected)) << c.letter << " " << c.value;
    }
}

} // namespace
