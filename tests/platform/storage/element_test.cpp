#include "storage_test_support.h"

#include "platform/io/archive_error.h"

#include <cerrno>
#include <functional>

using namespace storage;
using namespace storage::testing;

namespace {

// A temporary file whose root holds the storage "Images" (with the stream
// "1") and the stream "Contents".
class ElementTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(CreateTempCompoundFile(root), Status::Ok);
        ASSERT_EQ(root.CreateStorage("Images", CreateMode::FailIfThere, images), Status::Ok);
        PutStream(images, "1", Pattern(100, 1));
        PutStream(root, "Contents", Pattern(10, 2));
    }

    std::vector<std::string> Names(const Storage& storage)
    {
        std::vector<ElementInfo> list;
        EXPECT_EQ(storage.List(list), Status::Ok);
        std::vector<std::string> names;
        for (const auto& e : list)
            names.push_back(e.name);
        return names;
    }

    Storage root;
    Storage images;
};

TEST_F(ElementTest, OpeningFindsOnlyAnElementOfTheAskedKind)
{
    struct Case {
        const char* name;
        bool asStorage;
        Status expected;
    };
    const Case cases[] = {
        {"Images", true, Status::Ok},
        {"iMAGES", true, Status::Ok},
        {"Contents", true, Status::ElementNotFound},
        {"Missing", true, Status::ElementNotFound},
        {"Contents", false, Status::Ok},
        {"CONTENTS", false, Status::Ok},
        {"Images", false, Status::ElementNotFound},
        {"", false, Status::ElementNotFound},
    };
    for (const auto& c : cases) {
        Status got;
        if (c.asStorage) {
            Storage out;
            got = root.OpenStorage(c.name, out);
            EXPECT_EQ(out.IsOpen(), got == Status::Ok) << c.name;
        } else {
            std::unique_ptr<Stream> out;
            got = root.OpenStream(c.name, out);
            EXPECT_EQ(out != nullptr, got == Status::Ok) << c.name;
        }
        EXPECT_EQ(got, c.expected) << c.name << (c.asStorage ? " as storage" : " as stream");
    }
}

TEST_F(ElementTest, CreatingOverAnExistingNameFailsOrReplacesAsAsked)
{
    Storage storage;
    std::unique_ptr<Stream> stream;
    EXPECT_EQ(root.CreateStorage("IMAGES", CreateMode::FailIfThere, storage), Status::AlreadyExists);
    EXPECT_EQ(root.CreateStream("images", CreateMode::FailIfThere, stream), Status::AlreadyExists);
    EXPECT_EQ(GetStream(images, "1"), Pattern(100, 1));

    // Replacing swaps the storage for an empty stream of the new spelling.
    ASSERT_EQ(root.CreateStream("IMAGES", CreateMode::Replace, stream), Status::Ok);
    EXPECT_EQ(stream->GetLength(), 0u);
    EXPECT_EQ(Names(root), (std::vector<std::string> {"IMAGES", "Contents"}));
    EXPECT_EQ(images.OpenStream("1", stream), Status::Reverted);

    ASSERT_EQ(root.CreateStorage("Contents", CreateMode::Replace, storage), Status::Ok);
    EXPECT_EQ(Names(storage), std::vector<std::string> {});
}

TEST_F(ElementTest, NamesAreCheckedWhereverAnElementIsNamed)
{
    struct Case {
        std::string name;
        bool valid;
    };
    const Case cases[] = {
        {"", false},
        {std::string(31, 'x'), true},
        {std::string(32, 'x'), false},
        {"a/b", false},
        {"a\\b", false},
        {"a:b", false},
        {"a!b", false},
        {std::string("a\0b", 3), false},
        {"\x01"
         "CompObj",
            true},
        {"Caf\xE9 \x80", true},
    };
    const std::vector<std::pair<const char*, std::function<Status(const std::string&)>>> operations = {
        {"CreateStorage",
            [&](const std::string& n) {
                Storage s;
                return root.CreateStorage(n, CreateMode::Replace, s);
            }},
        {"CreateStream",
            [&](const std::string& n) {
                std::unique_ptr<Stream> s;
                return root.CreateStream(n, CreateMode::Replace, s);
            }},
        {"RenameElement",
            [&](const std::string& n) {
                Status st = images.RenameElement("1", n);
                if (st == Status::Ok)
                    images.RenameElement(n, "1");
                return st;
            }},
        {"MoveElementTo",
            [&](const std::string& n) { return root.MoveElementTo("Contents", images, n, MoveMode::Copy); }},
    };
    for (const auto& [operation, run] : operations) {
        for (const auto& c : cases)
            EXPECT_EQ(run(c.name), c.valid ? Status::Ok : Status::InvalidName) << operation << " \"" << c.name << "\"";
    }
}

TEST_F(ElementTest, ElementsAreListedInCompoundFileOrder)
{
    for (const char* name : {"Zzz", "aa", "c", "A1", "B"})
        PutStream(images, name, {});
    EXPECT_EQ(Names(images), (std::vector<std::string> {"1", "B", "c", "A1", "aa", "Zzz"}));

    std::vector<ElementInfo> list;
    ASSERT_EQ(root.List(list), Status::Ok);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0].kind, ElementKind::Storage);
    EXPECT_EQ(list[1].kind, ElementKind::Stream);
    EXPECT_EQ(list[1].size, 10u);
}

TEST_F(ElementTest, DestroyingAStorageRevertsEveryHandleUnderIt)
{
    Storage inner;
    ASSERT_EQ(images.CreateStorage("Inner", CreateMode::FailIfThere, inner), Status::Ok);
    std::unique_ptr<Stream> stream;
    ASSERT_EQ(images.OpenStream("1", stream), Status::Ok);

    EXPECT_EQ(root.DestroyElement("missing"), Status::ElementNotFound);
    ASSERT_EQ(root.DestroyElement("images"), Status::Ok);
    EXPECT_EQ(Names(root), std::vector<std::string> {"Contents"});

    ClassId id;
    EXPECT_EQ(images.GetClassId(id), Status::Reverted);
    EXPECT_EQ(inner.CreateStorage("x", CreateMode::Replace, inner), Status::Reverted);
    uint8_t byte;
    try {
        stream->Read(&byte, 1);
        FAIL() << "reading a destroyed stream";
    } catch (const io::FileError& e) {
        EXPECT_EQ(e.osError(), ENOENT);
    }
}

TEST_F(ElementTest, RenamingKeepsContentsAndRefusesTakenNames)
{
    EXPECT_EQ(root.RenameElement("Missing", "Other"), Status::ElementNotFound);
    EXPECT_EQ(root.RenameElement("Contents", "IMAGES"), Status::AlreadyExists);
    ASSERT_EQ(root.RenameElement("Images", "Pictures"), Status::Ok);
    EXPECT_EQ(Names(root), (std::vector<std::string> {"Contents", "Pictures"}));
    ASSERT_EQ(root.RenameElement("contents", "CONTENTS"), Status::Ok);
    EXPECT_EQ(GetStream(root, "CONTENTS"), Pattern(10, 2));
    // A handle opened before the rename still reaches the same storage.
    EXPECT_EQ(GetStream(images, "1"), Pattern(100, 1));
}

TEST_F(ElementTest, ClassIdsAreKeptPerStorage)
{
    ClassId id;
    ASSERT_EQ(images.GetClassId(id), Status::Ok);
    EXPECT_TRUE(id.IsNull());
    ASSERT_EQ(images.SetClassId(MakeClassId(7)), Status::Ok);
    ASSERT_EQ(root.SetClassId(MakeClassId(8)), Status::Ok);
    Storage again;
    ASSERT_EQ(root.OpenStorage("Images", again), Status::Ok);
    ASSERT_EQ(again.GetClassId(id), Status::Ok);
    EXPECT_EQ(id, MakeClassId(7));
    ASSERT_EQ(root.GetClassId(id), Status::Ok);
    EXPECT_EQ(id, MakeClassId(8));
}

TEST(StorageHandle, NoStorageAnswersRevertedAndNothingElse)
{
    Storage none;
    EXPECT_FALSE(none.IsOpen());
    Storage out;
    EXPECT_EQ(none.OpenStorage("x", out), Status::Reverted);
    EXPECT_EQ(none.Commit(), Status::Reverted);
    EXPECT_EQ(none.GetFilePath(), "");
}

} // namespace
