// Inserting and deleting in the chain of blocks, and the repair of held
// positions through the last edit.
#include "forms/fields/richtext/textbuffer.h"

#include "text_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(TextBuffer, NewBufferHoldsTheEndMarkAlone)
{
    TEXTBUFFER buffer;
    EXPECT_EQ(BlockLengths(buffer), std::vector<int>({1}));
    EXPECT_EQ(buffer.GetStart(), buffer.GetEnd());
    EXPECT_EQ(buffer.GetStart().GetChar(), kEndMark);
    EXPECT_EQ(buffer.GetText(), "");
}

TEST(TextBuffer, InsertingMoreThanABlockHoldsSplitsIntoFullBlocks)
{
    TEXTBUFFER buffer;
    Fill(buffer, "0123456789");
    TEXTPOS pos = At(buffer, 4);
    const std::string added(300, 'x');
    EXPECT_EQ(buffer.InsertChars(pos, added.data(), 300), 1);
    EXPECT_EQ(buffer.GetText(), "0123" + added + "456789");
    EXPECT_EQ(ChainFault(buffer), "");
    EXPECT_EQ(BlockLengths(buffer), std::vector<int>({254, 57}));
    // The caller's position stands on the first inserted character.
    EXPECT_EQ(pos.GetOffset(), 4);
    EXPECT_EQ(pos.GetChar(), 'x');
}

TEST(TextBuffer, InsertingNothingRecordsNoEdit)
{
    TEXTBUFFER buffer;
    Fill(buffer, "abc");
    TEXTPOS pos = At(buffer, 1);
    buffer.InsertChars(pos, "", 0);
    EXPECT_EQ(buffer.GetLastEdit().kind, TEXTEDIT::None);
    EXPECT_EQ(buffer.GetLastEdit().delta, 0);
}

TEST(TextBuffer, DeletingABlocksEveryCharacterRemovesTheBlock)
{
    TEXTBUFFER buffer;
    Fill(buffer, std::string(254, 'a') + std::string(100, 'b'));
    ASSERT_EQ(BlockLengths(buffer), std::vector<int>({254, 101}));
    TEXTPOS pos = At(buffer, 0);
    EXPECT_EQ(buffer.DeleteChars(pos, 254), 1);
    EXPECT_EQ(BlockLengths(buffer), std::vector<int>({101}));
    EXPECT_EQ(pos, buffer.GetStart());
    EXPECT_EQ(pos.GetChar(), 'b');
    EXPECT_EQ(ChainFault(buffer), "");
}

TEST(TextBuffer, DeletingNeverTakesTheEndMark)
{
    TEXTBUFFER buffer;
    Fill(buffer, std::string(300, 'a'));
    TEXTPOS pos = At(buffer, 290);
    EXPECT_EQ(buffer.DeleteChars(pos, 50), 0);
    EXPECT_EQ(buffer.GetText(), std::string(290, 'a'));
    EXPECT_EQ(pos, buffer.GetEnd());
    EXPECT_EQ(ChainFault(buffer), "");
}

// A held position on a character, an edit elsewhere, and where the repaired
// position must stand.
struct RepairCase {
    const char* name;
    int blockA; // characters of the first block ('a'…)
    int blockB; // and of the second ('b'…, followed by the end mark)
    bool insert;
    int at; // offset of the edit
    int count;
    int held; // offset of the held position
};

TEST(TextBuffer, HeldPositionsStandOnTheirCharacterAfterRepair)
{
    const RepairCase cases[] = {
        {"insert in place before held", 100, 0, true, 10, 5, 50},
        {"insert in place after held", 100, 0, true, 60, 5, 50},
        {"insert on the held character", 100, 0, true, 50, 5, 50},
        {"split pushes held into a new block", 250, 0, true, 10, 100, 240},
        {"split merges the tail with the next block", 250, 30, true, 200, 10, 260},
        {"split, held after the edit point", 250, 30, true, 200, 10, 230},
        {"delete before held in its block", 100, 0, false, 10, 5, 50},
        {"delete over held", 100, 0, false, 40, 20, 50},
        {"delete across a block boundary before held", 254, 50, false, 250, 10, 270},
        {"delete across a block boundary over held", 254, 50, false, 250, 10, 256},
        {"delete that empties the held block", 254, 50, false, 0, 254, 100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TEXTBUFFER buffer;
        std::string model;
        for (int i = 0; i < c.blockA + c.blockB; ++i)
            model.push_back(static_cast<char>(i < c.blockA ? 'A' + i % 26 : 'a' + i % 26));
        Fill(buffer, model.substr(0, c.blockA));
        if (c.blockB > 0) {
            TEXTPOS end = buffer.GetEnd();
            buffer.InsertChars(end, model.data() + c.blockA, c.blockB);
        }
        ASSERT_EQ(buffer.GetText(), model);
        TEXTPOS held = At(buffer, c.held);
        TEXTPOS pos = At(buffer, c.at);
        int expected = c.held;
        if (c.insert) {
            const std::string added(c.count, '#');
            buffer.InsertChars(pos, added.data(), c.count);
            model.insert(c.at, added);
            if (c.held >= c.at)
                expected += c.count;
        } else {
            buffer.DeleteChars(pos, c.count);
            model.erase(c.at, c.count);
            if (c.held >= c.at + c.count)
                expected -= c.count;
            else if (c.held >= c.at)
                expected = c.at;
        }
        ASSERT_EQ(buffer.GetText(), model);
        ASSERT_EQ(ChainFault(buffer), "");
        EXPECT_EQ(buffer.IsPosUnaffected(held), expected == c.held ? 1 : 0);
        buffer.FixPos(held);
        EXPECT_EQ(held.GetOffset(), expected);
        EXPECT_EQ(held.GetChar(), static_cast<unsigned char>((model + '\x1a')[expected]));
    }
}

} // namespace
