#include "forms/app/frames/frame_resources.h"
#include "forms/app/frames/resource_blocks.h"

#include "platform/res/errors.h"

#include <gtest/gtest.h>

namespace {

TEST(ResourceBlocksTest, ReadsBlocksEntriesAndNestedPopups)
{
    const std::string text = "# comment\r\n"
                             "MENU 7\n"
                             "POPUP\t&File\n"
                             "57600\t&New\\tCtrl+N\r\n"
                             "\n"
                             "SEPARATOR\n"
                             "POPUP\tSen&d\n"
                             "32873\tAs &Form\n"
                             "END\n"
                             "END\n"
                             "57664\t&About Caf\xc3\xa9\n"
                             "END\n"
                             "MENU 8\n"
                             "END\n";
    const std::vector<ResourceBlock> blocks = ParseResourceBlocks(text, "MENU", true, "menus");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].id, 7u);
    EXPECT_EQ(blocks[1].id, 8u);
    EXPECT_TRUE(blocks[1].entries.empty());
    const std::vector<ResourceEntry>& top = blocks[0].entries;
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0].kind, ResourceEntry::Kind::Popup);
    ASSERT_EQ(top[0].items.size(), 3u);
    EXPECT_EQ(top[0].items[0].id, 57600u);
    EXPECT_EQ(top[0].items[0].text, "&New\tCtrl+N");
    EXPECT_EQ(top[0].items[1].kind, ResourceEntry::Kind::Separator);
    EXPECT_EQ(top[0].items[2].items.at(0).id, 32873u);
    // Texts become Windows-1252.
    EXPECT_EQ(top[1].text, "&About Caf\xe9");
}

TEST(ResourceBlocksTest, BadDataNamesItsLine)
{
    struct Case {
        const char* text;
        bool popups;
        int line;
    };
    const Case cases[] = {
        {"MENU\nEND\n", true, 1},
        {"TOOLBAR 7\nEND\n", true, 1},
        {"MENU 0\nEND\n", true, 1},
        {"MENU 65536\nEND\n", true, 1},
        {"MENU 7\n57600 New\nEND\n", true, 2},
        {"MENU 7\nx7\tNew\nEND\n", true, 2},
        {"MENU 7\n57600\t\nEND\n", true, 2},
        {"MENU 7\n57600\tNew\n", true, 2},
        {"MENU 7\nPOPUP\tFile\n1\tA\nEND\n", true, 4},
        {"MENU 7\nPOPUP\tFile\nEND\nEND\n", false, 2},
        {"MENU 7\n57600\t\xe2\x82\xac\xe4\xb8\x80\nEND\n", true, 2},
        {"MENU 7\nEND\nMENU 7\nEND\n", true, 3},
    };
    for (const Case& c : cases) {
        try {
            ParseResourceBlocks(c.text, "MENU", c.popups, "menus");
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const res::FormatError& e) {
            EXPECT_EQ(e.Line(), c.line) << c.text;
        }
    }
}

TEST(ResourceBlocksTest, AcceleratorTextsAreSingleKeys)
{
    const std::vector<ResourceEntry> good
        = {{ResourceEntry::Kind::Command, 57601, "Ctrl+O", {}}, {ResourceEntry::Kind::Command, 57635, "Shift+Del", {}}};
    const std::vector<ui::Accelerator> keys = AcceleratorsOf(good);
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_EQ(keys[0].key, Qt::Key_O);
    EXPECT_EQ(keys[0].modifiers, Qt::ControlModifier);
    EXPECT_EQ(keys[1].key, Qt::Key_Delete);
    EXPECT_EQ(keys[1].modifiers, Qt::ShiftModifier);
    for (const char* bad : {"Ctrl+O, Ctrl+P", "Ctrl+Nothing"})
        EXPECT_THROW(AcceleratorsOf({{ResourceEntry::Kind::Command, 1, bad, {}}}), std::invalid_argument) << bad;
    EXPECT_THROW(AcceleratorsOf({ResourceEntry {}}), std::invalid_argument);
}

TEST(ResourceBlocksTest, TheProgramsOwnResourcesRead)
{
    EXPECT_FALSE(LoadMenu(7).empty());
    EXPECT_FALSE(LoadAccelerators(7).empty());
    const std::pair<unsigned, size_t> bars[] = {{7, 30}, {130, 17}, {2110, 20}};
    for (const auto& [id, count] : bars)
        EXPECT_EQ(LoadToolBar(id).size(), count) << id;
    EXPECT_THROW(LoadMenu(99), res::MissingResource);
}

} // namespace
