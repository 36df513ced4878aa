// Text from outside keeps its complete codes and loses incomplete ones.
#include "forms/fields/richtext/stored_text.h"

#include "text_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(StoredText, IncompleteCodesAreDropped)
{
    const std::string bold = Code('B', 1);
    const std::string size = Code('P', 25); // a value byte of 26
    const std::string esc(1, '\x1b');
    struct Case {
        std::string in;
        std::string out;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"a" + bold + "b" + size + "c", "a" + bold + "b" + size + "c"},
        {"ab" + esc, "ab"},
        {"ab" + esc + "P", "ab"},
        {"ab" + esc + "P\x02\x01", "ab"},
        {"ab" + bold.substr(0, 4) + "cd",
            "abB\x01\x02"
            "cd"},
        {esc + "Bx", ""},
        {std::string("a\0b", 3), "ab"},
        {"a\x1a"
         "b",
            "ab"},
        {"a" + esc + "B" + std::string(1, '\0') + "\x02" + esc + "c", "aB\x02"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DropIncompleteCodes(c.in), c.out) << c.in;
    }
}

} // namespace
