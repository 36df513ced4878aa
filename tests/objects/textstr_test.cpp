// The counted text buffer: always terminated, empty without a buffer, and
// refusing a text longer than its count can hold without losing the old one.
#include "forms/model/textstr.h"

#include <gtest/gtest.h>

#include <string>

namespace {

void ExpectHolds(const TEXTSTR& s, const std::string& text)
{
    EXPECT_EQ(s.View(), text);
    EXPECT_EQ(s.GetLength(), text.size());
    if (text.empty()) {
        EXPECT_EQ(s.GetBuffer(), nullptr);
    } else {
        ASSERT_NE(s.GetBuffer(), nullptr);
        EXPECT_EQ(s.GetBuffer()[s.GetLength()], '\0');
    }
}

TEST(TextStr, AllocatingAppendingAndAssigningKeepTheTextTerminated)
{
    TEXTSTR s;
    ExpectHolds(s, "");
    ASSERT_EQ(s.Allocate(4), 1);
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_EQ(s.GetBuffer()[3], '\0');
    ASSERT_EQ(s.Allocate(0), 1);
    ExpectHolds(s, "");

    EXPECT_EQ(s.Append(nullptr), 1);
    ExpectHolds(s, "");
    EXPECT_EQ(s.Append("abc"), 1);
    EXPECT_EQ(s.Append(nullptr), 1);
    EXPECT_EQ(s.Append("de"), 1);
    ExpectHolds(s, "abcde");

    EXPECT_EQ(s.Assign(std::string("xy\0z", 4)), 1);
    ExpectHolds(s, "xy");
    EXPECT_EQ(s.Assign(""), 1);
    ExpectHolds(s, "");

    TEXTSTR copy;
    copy.Assign("old");
    s.Assign("copied");
    copy.Copy(s);
    ExpectHolds(copy, "copied");
    TEXTSTR empty;
    copy.Copy(empty);
    ExpectHolds(copy, "");
}

TEST(TextStr, ATextLongerThanTheCountCanHoldIsRefusedAndTheOldOneStays)
{
    TEXTSTR s;
    const std::string most(TEXTSTR::kMaxLength, 'a');
    ASSERT_EQ(s.Assign(most), 1);
    EXPECT_EQ(s.GetLength(), TEXTSTR::kMaxLength);
    EXPECT_EQ(s.Append("b"), 0);
    EXPECT_EQ(s.GetLength(), TEXTSTR::kMaxLength);
    s.Assign("keep");
    EXPECT_EQ(s.Assign(most + "a"), 0);
    ExpectHolds(s, "keep");
}

TEST(TextStr, DeletingACodeOrARangeMovesTheRestDown)
{
    const struct {
        const char* text;
        int first;
        int last; // -1: delete the code at first
        const char* result;
        int count;
    } cases[] = {
        {"ab\x1b"
         "B01\x1b"
         "cd",
            2, -1, "abcd", 5},
        {"\x1b"
         "B01\x1b",
            0, -1, "", 5},
        {"abcdef", 1, 3, "aef", 3},
        {"abcdef", 0, 5, "", 6},
        {"abcdef", 5, 5, "abcde", 1},
        {"abc", 2, 9, "ab", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        TEXTSTR s;
        s.Assign(c.text);
        if (c.last < 0) {
            s.DeleteCode(s.GetBuffer() + c.first);
        } else {
            EXPECT_EQ(s.DeleteRange(s.GetBuffer() + c.first, s.GetBuffer() + c.last), c.count);
        }
        EXPECT_EQ(s.View(), c.result);
        EXPECT_EQ(s.GetBuffer()[s.GetLength()], '\0');
    }
}

} // namespace
