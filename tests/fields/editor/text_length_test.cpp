// A text object's text never grows past what its record can state: the
// record gives the text's byte count with its NUL, plus 3, in a u16.
#include "forms/model/record_archive.h"
#include "forms/objects/ftextobj.h"

#include "platform/io/archive.h"
#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextLength, TheLongestTextStillStatesItsLength)
{
    struct Case {
        size_t length;
        bool fits;
    };
    const Case cases[] = {{0, true}, {1, true}, {65531, true}, {65532, false}, {65533, false}, {65535, false},
        {65536, false}, {200000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.length));
        EXPECT_EQ(FTEXTOBJ::TextLengthFits(c.length), c.fits);
        FTEXTOBJ object;
        ASSERT_EQ(object.SetText("old"), 1);
        EXPECT_EQ(object.SetText(std::string(c.length, 'x')), c.fits ? 1 : 0);
        EXPECT_EQ(object.GetText().GetLength(), c.fits ? c.length : 3u) << "a refused text leaves the old one";
    }
}

TEST(TextLength, TheLongestTextIsSavedWithoutWrapping)
{
    FTEXTOBJ object;
    ASSERT_EQ(object.SetText(std::string(65531, 'y')), 1);
    io::MemoryFile file;
    {
        io::Archive ar(file, io::Archive::Store);
        RECORDARCHIVE rec(ar);
        object.SaveText(rec, 0x81);
        ar.Close();
    }
    const auto& bytes = file.Data();
    ASSERT_GE(bytes.size(), 6u);
    EXPECT_EQ(bytes[0], 0x81);
    EXPECT_EQ(bytes[1] | bytes[2] << 8, 0xFFFF) << "record length: 65532 + 3";
    EXPECT_EQ(bytes[4] | bytes[5] << 8, 65532) << "the text with its NUL";
    EXPECT_EQ(bytes.size(), 3u + 0xFFFFu);
}

} // namespace
