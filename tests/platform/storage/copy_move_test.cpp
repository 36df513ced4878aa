#include "storage_test_support.h"

using namespace storage;
using namespace storage::testing;

namespace {

// Two files: a form with its pictures, and a new file to save it into.
class CopyMove : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = ScratchFolder();
        ASSERT_EQ(CreateCompoundFile((folder / "old.qwm").string(), CreateMode::Replace, from), Status::Ok);
        Storage images, item;
        ASSERT_EQ(from.CreateStorage("Images", CreateMode::Replace, images), Status::Ok);
        ASSERT_EQ(images.SetClassId(MakeClassId(5)), Status::Ok);
        PutStream(images, "1", Pattern(70000, 1));
        PutStream(images, "2", Pattern(30, 2));
        ASSERT_EQ(images.CreateStorage("Item", CreateMode::Replace, item), Status::Ok);
        ASSERT_EQ(item.SetClassId(MakeClassId(6)), Status::Ok);
        PutStream(item, "\x01Ole", Pattern(20, 3));
        ASSERT_EQ(CreateCompoundFile((folder / "new.qwm").string(), CreateMode::Replace, to), Status::Ok);
    }

    Snapshot Open(const Storage& parent, const char* name)
    {
        Storage child;
        EXPECT_EQ(parent.OpenStorage(name, child), Status::Ok) << name;
        return child ? TakeSnapshot(child) : Snapshot {};
    }

    std::filesystem::path folder;
    Storage from;
    Storage to;
};

TEST_F(CopyMove, ACopiedStorageArrivesWholeWithItsClassIds)
{
    Snapshot original = Open(from, "Images");
    ASSERT_EQ(from.MoveElementTo("Images", to, "Images", MoveMode::Copy), Status::Ok);
    ASSERT_EQ(to.Commit(), Status::Ok);
    to.Release();

    ASSERT_EQ(OpenCompoundFile((folder / "new.qwm").string(), Access::Read, to), Status::Ok);
    EXPECT_TRUE(Open(to, "Images") == original);
    EXPECT_TRUE(Open(from, "Images") == original);

    // The copy is a copy: changing it leaves the source alone.
    Storage images;
    ASSERT_EQ(from.OpenStorage("Images", images), Status::Ok);
    PutStream(images, "2", {});
    EXPECT_EQ(Open(to, "Images")["2"].data, Pattern(30, 2));
}

TEST_F(CopyMove, AMovedStreamLeavesItsSourceAndReplacesTheTarget)
{
    Storage images, target, clash;
    ASSERT_EQ(from.OpenStorage("Images", images), Status::Ok);
    ASSERT_EQ(to.CreateStorage("Images", CreateMode::Replace, target), Status::Ok);
    // A storage of the stream's name, which the move replaces.
    ASSERT_EQ(target.CreateStorage("1", CreateMode::Replace, clash), Status::Ok);

    ASSERT_EQ(images.MoveElementTo("1", target, "1", MoveMode::Move), Status::Ok);
    EXPECT_EQ(GetStream(target, "1"), Pattern(70000, 1));
    std::unique_ptr<Stream> stream;
    EXPECT_EQ(images.OpenStream("1", stream), Status::ElementNotFound);

    // Back again under another name, within one file.
    ASSERT_EQ(target.MoveElementTo("1", from, "Back", MoveMode::Move), Status::Ok);
    EXPECT_EQ(GetStream(from, "Back"), Pattern(70000, 1));
}

TEST_F(CopyMove, AStorageCannotGoIntoItself)
{
    Storage images, item;
    ASSERT_EQ(from.OpenStorage("Images", images), Status::Ok);
    ASSERT_EQ(images.OpenStorage("Item", item), Status::Ok);
    EXPECT_EQ(from.MoveElementTo("Images", images, "Again", MoveMode::Copy), Status::InvalidMove);
    EXPECT_EQ(from.MoveElementTo("Images", item, "Again", MoveMode::Move), Status::InvalidMove);
    EXPECT_EQ(from.MoveElementTo("Missing", to, "Missing", MoveMode::Copy), Status::ElementNotFound);
    EXPECT_EQ(Open(from, "Images").size(), 5u);
}

} // namespace
