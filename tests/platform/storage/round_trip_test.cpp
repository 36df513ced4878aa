#include "storage_test_support.h"

using namespace storage;
using namespace storage::testing;

namespace {

TEST(RoundTrip, WhatIsCommittedReadsBackWhole)
{
    auto path = (ScratchFolder() / "sample.qwm").string();
    Storage root;
    ASSERT_EQ(CreateCompoundFile(path, CreateMode::FailIfThere, root), Status::Ok);
    BuildSample(root);
    Snapshot written = TakeSnapshot(root);
    ASSERT_EQ(root.Commit(), Status::Ok);
    root.Release();

    for (Access access : {Access::Read, Access::ReadWrite}) {
        Storage again;
        ASSERT_EQ(OpenCompoundFile(path, access, again), Status::Ok);
        EXPECT_EQ(again.IsReadOnly(), access == Access::Read);
        EXPECT_TRUE(TakeSnapshot(again) == written);
    }
}

TEST(RoundTrip, AnUpdateChangesOnlyWhatWasChanged)
{
    auto path = (ScratchFolder() / "sample.qwm").string();
    Storage root;
    ASSERT_EQ(CreateCompoundFile(path, CreateMode::Replace, root), Status::Ok);
    BuildSample(root);
    ASSERT_EQ(root.Commit(), Status::Ok);
    root.Release();

    ASSERT_EQ(OpenCompoundFile(path, Access::ReadWrite, root), Status::Ok);
    Snapshot expected = TakeSnapshot(root);
    PutStream(root, "Contents", Pattern(10, 9));
    ASSERT_EQ(root.DestroyElement("Empty"), Status::Ok);
    expected["Contents"].data = Pattern(10, 9);
    expected.erase("Empty");
    ASSERT_EQ(root.Commit(), Status::Ok);
    root.Release();

    ASSERT_EQ(OpenCompoundFile(path, Access::Read, root), Status::Ok);
    EXPECT_TRUE(TakeSnapshot(root) == expected);
}

TEST(RoundTrip, NothingReachesTheDiskBeforeCommit)
{
    auto folder = ScratchFolder();
    auto path = (folder / "new.qwm").string();
    Storage root;
    ASSERT_EQ(CreateCompoundFile(path, CreateMode::FailIfThere, root), Status::Ok);
    PutStream(root, "Contents", Pattern(10, 1));
    EXPECT_FALSE(std::filesystem::exists(path));
    ASSERT_EQ(root.Commit(), Status::Ok);
    EXPECT_TRUE(std::filesystem::exists(path));
    // Only the file itself is left in the folder.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

} // namespace
