// The selection in the record stream: copy of the selected objects into
// memory, paste into a paste selection's private list, damaged copies, and
// who owns the pasted objects.
#include "tests/model/selection_view.h"

#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

namespace {

class SelectionTransferTest
    : public ::testing::Test
    , public SelectionFixture {
protected:
    void SetUp() override
    {
        for (const char* name : {"A", "B", "C", "D", "E"})
            boxes.push_back(Add(name, {100, 100, 300, 300}));
        for (size_t i = 0; i < boxes.size(); ++i)
            boxes[i]->SetPlace(1, {100 * int(i), 200, 100 * int(i) + 80, 260});
        boxes[2]->hasBorder = true;
        boxes[2]->border.width = 45;
    }
    // A copy of A, C and E (selected out of order).
    io::MemoryFile CopyOfACE()
    {
        boxes[4]->Select(&view);
        boxes[0]->Select(&view);
        boxes[2]->Select(&view);
        io::MemoryFile file;
        selection.CopyTo(file, &document);
        file.Seek(0, io::Stream::Begin);
        return file;
    }
    static std::vector<std::string> NamesIn(const FOBJLIST& list)
    {
        std::vector<std::string> names;
        for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext())
            names.push_back(o->GetName());
        return names;
    }

    CountedKinds kinds;
    std::vector<TestBox*> boxes;
    SelectionView pasteView;
};

TEST_F(SelectionTransferTest, PasteKeepsTheObjectsAndTheirOrderOnTheViewsPage)
{
    io::MemoryFile file = CopyOfACE();
    pasteView.currentPage = 3;
    pasteView.document = &document;
    FSELECTION paste(nullptr);
    ASSERT_EQ(paste.PasteFrom(file, &pasteView), 1);
    ASSERT_NE(paste.GetList(), nullptr);
    EXPECT_EQ(NamesIn(*paste.GetList()), (std::vector<std::string> {"A", "C", "E"}));
    EXPECT_EQ(paste.GetCount(), 3);
    EXPECT_EQ(paste.GetPage(), 3);
    EXPECT_EQ(paste.GetSourceStamp(), 0x12345678u);
    const RECT expected[] = {{0, 200, 80, 260}, {200, 200, 280, 260}, {400, 200, 480, 260}};
    int i = 0;
    for (FORMOBJ* o = paste.GetList()->GetHead(); o; o = o->GetNext(), ++i) {
        EXPECT_EQ(RectOf(o), expected[i]) << o->GetName();
        EXPECT_EQ(o->GetPage(), 3);
        EXPECT_EQ(o->GetSelected(), 1);
    }
    auto* c = static_cast<TestBox*>(paste.GetList()->GetHead()->GetNext());
    EXPECT_TRUE(c->hasBorder);
    EXPECT_EQ(c->border.width, 45);
    // The copied selection is left as it was.
    EXPECT_EQ(selection.GetCount(), 3);
    EXPECT_EQ(Names(), (std::vector<std::string> {"A", "B", "C", "D", "E"}));
}

TEST_F(SelectionTransferTest, CopyIsTheSelectionsRecordGroup)
{
    const std::vector<uint8_t> bytes = CopyOfACE().Data();
    const std::vector<uint8_t> head {0x22, 0x81, 4, 0, 0x78, 0x56, 0x34, 0x12, 0x29, kTypeBox};
    ASSERT_GT(bytes.size(), head.size() + 2);
    EXPECT_EQ(std::vector<uint8_t>(bytes.begin(), bytes.begin() + head.size()), head);
    // The list's end and the selection's end.
    EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
    EXPECT_EQ(bytes.back(), 0xFF);
}

TEST_F(SelectionTransferTest, StylesStayOnlyWithinTheSameDocument)
{
    auto style = std::make_unique<TestBox>(kTypeBox, "style");
    style->SetName("Heading");
    document.styles.AddTail(std::move(style));
    StampedDocument otherDocument(0x11111111);
    auto otherStyle = std::make_unique<TestBox>(kTypeBox, "style");
    otherStyle->SetName("Heading");
    otherDocument.styles.AddTail(std::move(otherStyle));
    boxes[0]->SetMaster(document.styles.GetHead());
    io::MemoryFile file = CopyOfACE();

    struct Case {
        const char* what;
        OBJECT_DOCUMENT* into;
        bool keepsMaster;
    };
    const Case cases[] = {{"same document", &document, true}, {"another document", &otherDocument, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.what);
        file.Seek(0, io::Stream::Begin);
        pasteView.document = k.into;
        FSELECTION paste(nullptr);
        ASSERT_EQ(paste.PasteFrom(file, &pasteView), 1);
        FORMOBJ* a = paste.GetList()->GetHead();
        EXPECT_EQ(a->GetMaster() != nullptr, k.keepsMaster);
    }
}

TEST_F(SelectionTransferTest, DamagedCopyPastesNothing)
{
    const std::vector<uint8_t> good = CopyOfACE().Data();
    FSELECTION paste(nullptr);
    io::MemoryFile first(good);
    ASSERT_EQ(paste.PasteFrom(first, &view), 1);
    FOBJLIST* before = paste.GetList();
    const int destroyedBefore = CountedBox::destroyed;

    std::vector<std::vector<uint8_t>> damaged;
    for (size_t n = 0; n < good.size(); ++n)
        damaged.emplace_back(good.begin(), good.begin() + n);
    std::vector<uint8_t> notASelection = good;
    notASelection[0] = kTypeGroup;
    damaged.push_back(notASelection);
    std::vector<uint8_t> badLength = good;
    badLength[2] = 0xFF;
    damaged.push_back(badLength);

    for (const std::vector<uint8_t>& bytes : damaged) {
        io::MemoryFile file(bytes);
        EXPECT_EQ(paste.PasteFrom(file, &view), 0) << bytes.size() << " bytes";
        // The earlier paste is kept whole.
        EXPECT_EQ(paste.GetList(), before);
        EXPECT_EQ(paste.GetCount(), 3);
    }
    // What a damaged copy had read so far was freed.
    EXPECT_GT(CountedBox::destroyed, destroyedBefore);
    EXPECT_EQ(NamesIn(*paste.GetList()), (std::vector<std::string> {"A", "C", "E"}));
}

TEST_F(SelectionTransferTest, PasteSelectionFreesWhatTheViewDidNotTakeOver)
{
    io::MemoryFile file = CopyOfACE();
    const std::vector<uint8_t> bytes = file.Data();

    // Destroyed with its objects.
    {
        io::MemoryFile in(bytes);
        FSELECTION paste(nullptr);
        ASSERT_EQ(paste.PasteFrom(in, &pasteView), 1);
    }
    EXPECT_EQ(CountedBox::destroyed, 3);

    // The whole list taken over: the selection frees nothing.
    FOBJLIST taken;
    {
        io::MemoryFile in(bytes);
        FSELECTION paste(nullptr);
        ASSERT_EQ(paste.PasteFrom(in, &pasteView), 1);
        std::unique_ptr<FOBJLIST> list = paste.TakeList();
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(paste.GetList(), nullptr);
        EXPECT_EQ(paste.GetCount(), 0);
        while (FORMOBJ* o = list->GetHead())
            taken.SetObjectPage(list->Remove(o), 1);
    }
    EXPECT_EQ(CountedBox::destroyed, 3);
    EXPECT_EQ(NamesIn(taken), (std::vector<std::string> {"A", "C", "E"}));

    // Some objects moved into the document: the rest go with the selection.
    {
        io::MemoryFile in(bytes);
        FSELECTION paste(nullptr);
        ASSERT_EQ(paste.PasteFrom(in, &pasteView), 1);
        FORMOBJ* first = paste.GetList()->GetHead();
        objects.SetObjectPage(paste.GetList()->Remove(first), 1);
    }
    EXPECT_EQ(CountedBox::destroyed, 5);
    EXPECT_EQ(Names().back(), "A");
}

} // namespace
