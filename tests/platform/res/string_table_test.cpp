#include "platform/res/errors.h"
#include "platform/res/string_table.h"

#include <gtest/gtest.h>

using res::ParseStringTable;

TEST(StringTable, ReadsTextsAsTheyStand)
{
    const auto table = ParseStringTable("# comment\n"
                                        "\n"
                                        "1\tplain\n"
                                        "299\tEqual to \n"
                                        "100\t\n"
                                        "7\t two\\r\\nlines\\tand a \\\\ \n"
                                        "65535\tCaf\xc3\xa9 \xe2\x82\xac\xe2\x80\x99\r\n"
                                        "0\t#not a comment",
        "test");
    const std::map<std::uint32_t, std::string> expected = {{0, "#not a comment"}, {1, "plain"},
        {7, " two\r\nlines\tand a \\ "}, {100, ""}, {299, "Equal to "}, {65535, "Caf\xe9 \x80\x92"}};
    EXPECT_EQ(table, expected);
}

TEST(StringTable, RefusesMalformedLinesNamingThem)
{
    struct Case {
        const char* contents;
        int line;
    };
    for (const Case& c : {Case {"1\tok\nno tab here\n", 2}, {"x1\ttext\n", 1}, {"\ttext\n", 1}, {"-1\ttext\n", 1},
             {"65536\ttext\n", 1}, {"123456\ttext\n", 1}, {"5\ta\n6\tb\n5\tc\n", 3}, {"5\tbad \\q escape\n", 1},
             {"5\tends in \\", 1}, {"5\t\xe9t\xe9\n", 1}, {"5\t\xe4\xb8\xad\n", 1}}) {
        try {
            ParseStringTable(c.contents, "test");
            ADD_FAILURE() << "accepted: " << c.contents;
        } catch (const res::FormatError& e) {
            EXPECT_EQ(e.Line(), c.line) << c.contents;
            EXPECT_NE(std::string(e.what()).find("test, line "), std::string::npos);
        }
    }
}
