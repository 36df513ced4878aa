// Committing writes a new file beside the old one and renames it over it, so
// whatever fails on the way leaves the old file as it was.
#include "storage_test_support.h"

#include "platform/io/archive_error.h"

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace storage;
using namespace storage::testing;
namespace fs = std::filesystem;

namespace {

// Files of this process may grow no further than `limit` bytes while it lives.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit saved_ {};
    void (*oldHandler_)(int);
};

TEST(Commit, AWriteFailingHalfWayLeavesTheOldFileWhole)
{
    auto folder = ScratchFolder();
    auto path = WriteSmallFile(folder / "form.qwm");
    auto before = ReadBytes(path);

    Storage root;
    ASSERT_EQ(OpenCompoundFile(path, Access::ReadWrite, root), Status::Ok);
    PutStream(root, "Big", Pattern(2 << 20, 2));
    {
        FileSizeLimit limit(256 * 1024);
        EXPECT_EQ(root.Commit(), Status::WriteFault);
    }
    EXPECT_TRUE(ReadBytes(path) == before);
    EXPECT_EQ(FolderNames(folder), std::vector<std::string> {"form.qwm"});

    // The changes are still held; a later commit succeeds.
    ASSERT_EQ(root.Commit(), Status::Ok);
    root.Release();
    ASSERT_EQ(OpenCompoundFile(path, Access::Read, root), Status::Ok);
    EXPECT_EQ(GetStream(root, "Big"), Pattern(2 << 20, 2));
}

TEST(Commit, AFolderWeMayNotWriteRefusesTheCommitAndKeepsTheFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind the superuser";
    auto folder = ScratchFolder();
    auto path = WriteSmallFile(folder / "form.qwm");
    auto before = ReadBytes(path);
    Storage root;
    ASSERT_EQ(OpenCompoundFile(path, Access::ReadWrite, root), Status::Ok);
    PutStream(root, "Contents", Pattern(10, 3));

    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    Status status = root.Commit();
    Storage other;
    Status created = CreateCompoundFile((folder / "new.qwm").string(), CreateMode::Replace, other);
    fs::permissions(folder, fs::perms::owner_all);

    EXPECT_EQ(status, Status::AccessDenied);
    EXPECT_EQ(created, Status::AccessDenied);
    EXPECT_TRUE(ReadBytes(path) == before);
    EXPECT_EQ(FolderNames(folder), std::vector<std::string> {"form.qwm"});
}

TEST(Commit, AVanishedFolderIsReported)
{
    auto folder = ScratchFolder() / "sub";
    fs::create_directories(folder);
    Storage root;
    ASSERT_EQ(CreateCompoundFile((folder / "a.qwm").string(), CreateMode::Replace, root), Status::Ok);
    fs::remove_all(folder);
    EXPECT_EQ(root.Commit(), Status::FileNotFound);
}

TEST(Commit, TheReplacedFileKeepsItsPermissionsAndLinks)
{
    auto folder = ScratchFolder();
    auto path = WriteSmallFile(folder / "form.qwm");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    fs::create_symlink("form.qwm", folder / "link.qwm");

    Storage root;
    ASSERT_EQ(OpenCompoundFile((folder / "link.qwm").string(), Access::ReadWrite, root), Status::Ok);
    PutStream(root, "Contents", Pattern(10, 4));
    ASSERT_EQ(root.Commit(), Status::Ok);

    EXPECT_TRUE(fs::is_symlink(folder / "link.qwm"));
    EXPECT_EQ(fs::status(path).permissions(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    root.Release();
    ASSERT_EQ(OpenCompoundFile(path, Access::Read, root), Status::Ok);
    EXPECT_EQ(GetStream(root, "Contents"), Pattern(10, 4));
}

TEST(Commit, CreatingChecksWhatIsAlreadyThere)
{
    auto folder = ScratchFolder();
    auto path = WriteSmallFile(folder / "form.qwm");
    Storage root;
    EXPECT_EQ(CreateCompoundFile(path, CreateMode::FailIfThere, root), Status::FileExists);
    EXPECT_EQ(CreateCompoundFile((folder / "no" / "a.qwm").string(), CreateMode::Replace, root), Status::FileNotFound);
    EXPECT_EQ(CreateCompoundFile(folder.string(), CreateMode::Replace, root), Status::AccessDenied);

    // Replacing starts empty and takes the old file's place on commit.
    ASSERT_EQ(CreateCompoundFile(path, CreateMode::Replace, root), Status::Ok);
    ASSERT_EQ(root.Commit(), Status::Ok);
    root.Release();
    ASSERT_EQ(OpenCompoundFile(path, Access::Read, root), Status::Ok);
    std::vector<ElementInfo> list;
    ASSERT_EQ(root.List(list), Status::Ok);
    EXPECT_TRUE(list.empty());
}

TEST(Commit, AFileOpenedForReadingRefusesEveryChange)
{
    auto folder = ScratchFolder();
    auto path = WriteSmallFile(folder / "form.qwm");
    {
        Storage writable;
        ASSERT_EQ(OpenCompoundFile(path, Access::ReadWrite, writable), Status::Ok);
        Storage images;
        ASSERT_EQ(writable.CreateStorage("Images", CreateMode::FailIfThere, images), Status::Ok);
        ASSERT_EQ(writable.Commit(), Status::Ok);
    }
    auto before = ReadBytes(path);
    Storage root, images, scratch;
    ASSERT_EQ(OpenCompoundFile(path, Access::Read, root), Status::Ok);
    ASSERT_EQ(root.OpenStorage("Images", images), Status::Ok);
    ASSERT_EQ(CreateTempCompoundFile(scratch), Status::Ok);
    std::unique_ptr<Stream> stream;
    const std::vector<std::pair<const char*, Status>> results = {
        {"CreateStorage", root.CreateStorage("New", CreateMode::Replace, images)},
        {"CreateStream", images.CreateStream("New", CreateMode::Replace, stream)},
        {"DestroyElement", root.DestroyElement("Contents")},
        {"RenameElement", root.RenameElement("Contents", "Other")},
        {"SetClassId", root.SetClassId(MakeClassId(1))},
        {"MoveElementTo out", root.MoveElementTo("Contents", scratch, "Contents", MoveMode::Move)},
        {"MoveElementTo in", scratch.MoveElementTo("Contents", root, "Contents", MoveMode::Copy)},
    };
    for (const auto& [what, status] : results)
        EXPECT_EQ(status, Status::AccessDenied) << what;

    // Copying out of a file opened for reading is fine.
    EXPECT_EQ(root.MoveElementTo("Contents", scratch, "Contents", MoveMode::Copy), Status::Ok);
    ASSERT_EQ(root.OpenStream("Contents", stream), Status::Ok);
    try {
        stream->Write("x", 1);
        ADD_FAILURE() << "wrote a stream of a file opened for reading";
    } catch (const io::FileError& e) {
        EXPECT_EQ(e.osError(), EACCES);
    }
    EXPECT_EQ(root.Commit(), Status::Ok);
    EXPECT_TRUE(ReadBytes(path) == before);
}

TEST(TempFile, IsKeptWhileInUseAndDeletedWithItsLastHandle)
{
    Storage root;
    ASSERT_EQ(CreateTempCompoundFile(root), Status::Ok);
    std::string path = root.GetFilePath();
    EXPECT_TRUE(fs::exists(path));
    PutStream(root, "1", Pattern(5000, 1));
    ASSERT_EQ(root.Commit(), Status::Ok);
    {
        Storage reader;
        ASSERT_EQ(OpenCompoundFile(path, Access::Read, reader), Status::Ok);
        EXPECT_EQ(GetStream(reader, "1"), Pattern(5000, 1));
    }
    std::unique_ptr<Stream> stream;
    ASSERT_EQ(root.OpenStream("1", stream), Status::Ok);
    root.Release();
    EXPECT_TRUE(fs::exists(path));
    stream.reset();
    EXPECT_FALSE(fs::exists(path));
}

} // namespace
