// Style entry texts and names: the formatter and parser that the Style
// Manager and the style box share, entries that name no style, and the
// rule a new style's name follows.
#include "forms/dialogs/styles/style_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(StyleNames, EntriesAreFormattedAndParsedBackByKind)
{
    struct Case {
        uint8_t type;
        const char* name;
        const char* entry;
    };
    const Case cases[] = {
        {0x13, "Red", "BOX: Red"},
        {0x15, "Body", "TEXT: Body"},
        {0x14, "Entry_2", "FIELD: Entry_2"},
        {0x0C, "Pick", "RADIO: Pick"},
        {0x0D, "Go", "BUTTON: Go"},
        {0x16, "Slant", "DIAGONAL: Slant"},
    };
    for (const Case& c : cases) {
        const std::string entry = FormatStyleName(c.type, c.name);
        EXPECT_EQ(entry, c.entry);
        EXPECT_EQ(TypeFromStyleName(entry), c.type) << c.entry;
        EXPECT_EQ(StyleNameWithoutType(entry), c.name) << c.entry;
    }
    EXPECT_EQ(FormatStyleName(0x21, "Red"), ":Red") << "a group has no kind word";
    EXPECT_EQ(FormatStyleName(0x42, ""), ":");
}

TEST(StyleNames, EntriesThatNameNoStyleParseSafely)
{
    struct Case {
        const char* entry;
        uint8_t type;
        const char* name;
    };
    const Case cases[] = {
        {":", 0, ""},
        {":x", 0, ""},
        {":Red", 0, "ed"},
        {"BOX:", 0x13, ""},
        {"BOX: ", 0x13, ""},
        {"box: Red", 0, "Red"},
        {"[None]", 0, ""},
        {"", 0, ""},
        {"BOX: a:b", 0x13, "a:b"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TypeFromStyleName(c.entry), c.type) << c.entry;
        EXPECT_EQ(StyleNameWithoutType(c.entry), c.name) << c.entry;
    }
}

TEST(StyleNames, NamesAreCheckedAndStoredCapitalised)
{
    struct Case {
        std::string typed;
        uint16_t refusal;
        std::string stored;
    };
    const Case cases[] = {
        {"field_1  ", 0, "Field_1"},
        {"RED", 0, "Red"},
        {"\xC9t\xC9", 0, "\xC9t\xE9"},
        {"  field_1", kStyleNameFirstLetter, ""},
        {"1abc", kStyleNameFirstLetter, ""},
        {"_a", kStyleNameFirstLetter, ""},
        {"a-b", kStyleNameCharacters, ""},
        {"a b", kStyleNameCharacters, ""},
        {"", kStyleNameEmpty, ""},
        {"   ", kStyleNameEmpty, ""},
    };
    for (const Case& c : cases) {
        std::string name = c.typed;
        EXPECT_EQ(NormaliseStyleName(name), c.refusal) << c.typed;
        if (c.refusal == 0) {
            EXPECT_EQ(name, c.stored) << c.typed;
        }
    }
}

} // namespace
