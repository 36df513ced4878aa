// Value lists: editing the list, its group byte for byte, a count that does
// not match, and kinds this program does not know.
#include "forms/fields/datatypes/fieldvalues.h"
#include "tests/fields/datatypes/datatype_test_support.h"

#include "platform/io/archive_error.h"

#include <gtest/gtest.h>

namespace {

class RecordingListBox : public VALUELISTBOX {
public:
    void ResetContent() override { items = {"<reset>"}; }
    void AddString(std::string_view text) override { items.emplace_back(text); }
    std::vector<std::string> items;
};

std::vector<std::string> Values(const LISTBOXVALUES& list)
{
    return {list.pValues.begin(), list.pValues.begin() + list.nCount};
}

Bytes SavedList(const FIELDVALUES& list)
{
    return Written([&](RECORDARCHIVE& r) { list.Save(r, kValueListGroup); });
}

// Reads a field's group 7 (its tag first) and answers the list and the byte
// that follows the group.
std::unique_ptr<FIELDVALUES> LoadedList(const Bytes& bytes, uint8_t& next)
{
    std::unique_ptr<FIELDVALUES> list;
    ReadBack(bytes, [&](RECORDARCHIVE& r) {
        list = FIELDVALUES::Load(r);
        next = r.ReadU8();
    });
    return list;
}

TEST(ValueList, EditingKeepsTheValuesInOrder)
{
    LISTBOXVALUES list;
    list.AppendValue("b");
    list.InsertValueAt("a", 0);
    list.AppendValue("d");
    list.InsertValueAt("c", 2);
    EXPECT_EQ(Values(list), (std::vector<std::string> {"a", "b", "c", "d"}));
    list.SwapEntries(0, 3);
    list.SwapEntries(1, 1);
    EXPECT_EQ(Values(list), (std::vector<std::string> {"d", "b", "c", "a"}));
    list.SetEntry("B", 1);
    list.RemoveEntry(0);
    EXPECT_EQ(Values(list), (std::vector<std::string> {"B", "c", "a"}));
    EXPECT_EQ(list.pValues.size(), 4u) << "the array keeps its size";
    EXPECT_EQ(list.pValues[3], "");

    RecordingListBox box;
    box.items = {"old"};
    list.FillListBox(box);
    EXPECT_EQ(box.items, (std::vector<std::string> {"<reset>", "B", "c", "a"}));

    list.bListOnly = 1;
    auto copy = list.Clone();
    auto* values = dynamic_cast<LISTBOXVALUES*>(copy.get());
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(Values(*values), Values(list));
    EXPECT_EQ(values->bListOnly, 1);

    LISTBOXVALUES one;
    one.AppendValue("only");
    one.RemoveEntry(0);
    EXPECT_EQ(one.nCount, 0);
    EXPECT_EQ(one.pValues, (std::vector<std::string> {""}));
}

TEST(ValueList, TheGroupIsWrittenByteForByteAndReadBack)
{
    LISTBOXVALUES empty;
    EXPECT_EQ(ToHex(SavedList(empty)), "07 41 81 04 00 00 00 00 00 01 FF FF FF");

    LISTBOXVALUES list;
    list.AppendValue("One");
    list.AppendValue("Two");
    list.bListOnly = 5;
    const Bytes bytes = Hex("07 41 81 0400 0100 0200 01 82 0500 0300 4F6E65 82 0500 0300 54776F FF FF FF");
    EXPECT_EQ(ToHex(SavedList(list)), ToHex(bytes));

    Bytes followed = bytes;
    followed.push_back(0x99);
    uint8_t next = 0;
    auto loaded = LoadedList(followed, next);
    auto* values = dynamic_cast<LISTBOXVALUES*>(loaded.get());
    ASSERT_NE(values, nullptr);
    EXPECT_EQ(Values(*values), (std::vector<std::string> {"One", "Two"}));
    EXPECT_EQ(values->bListOnly, 1);
    EXPECT_EQ(next, 0x99);
    EXPECT_EQ(ToHex(SavedList(*values)), ToHex(bytes));
}

TEST(ValueList, ACountThatDoesNotMatchItsRecordsRaisesTheArchiveError)
{
    for (const char* hex : {"07 41 81 0400 0000 0300 01 82 0500 0300 4F6E65 FF FF FF",
             "07 41 81 0400 0000 0000 01 82 0500 0300 4F6E65 FF FF FF",
             // A count without its values group, and a count given again
             // after the values, no longer match the values held.
             "07 41 81 0400 0000 0200 FF FF",
             "07 41 81 0400 0000 0100 01 82 0500 0300 4F6E65 FF 81 0400 0000 0900 FF FF"}) {
        uint8_t next = 0;
        EXPECT_THROW(LoadedList(Hex(std::string(hex) + " 99"), next), io::ArchiveError) << hex;
    }
}

TEST(ValueList, AKindThisProgramDoesNotKnowIsSkippedWhole)
{
    const struct {
        const char* what;
        const char* hex;
        const char* value; // the one value of the list read; null: no list
    } cases[] = {
        {"an unknown kind with records and a nested group", "07 42 81 0200 AABB 01 82 0100 00 FF FF FF 99", nullptr},
        {"an unknown kind before a known one", "07 42 FF 41 81 0400 0000 0100 01 82 0300 0100 78 FF FF FF 99", "x"},
        {"an empty group", "07 FF 99", nullptr},
    };
    for (const auto& c : cases) {
        uint8_t next = 0;
        auto list = LoadedList(Hex(c.hex), next);
        EXPECT_EQ(next, 0x99) << c.what;
        auto* values = dynamic_cast<LISTBOXVALUES*>(list.get());
        if (!c.value) {
            EXPECT_EQ(list, nullptr) << c.what;
            continue;
        }
        ASSERT_NE(values, nullptr) << c.what;
        EXPECT_EQ(Values(*values), (std::vector<std::string> {c.value}));
    }
}

} // namespace
