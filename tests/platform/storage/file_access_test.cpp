// Files we may not write are neither replaced nor opened for writing, even
// though their folder would let a rename through; paths that are no plain
// file (a named pipe, a link loop, an over-long name) are refused at once
// and for what they are.
#include "storage_test_support.h"

#include "platform/storage/file_access.h"
#include "platform/storage/file_replace.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <fcntl.h>
#include <future>
#include <iostream>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace storage;
using namespace storage::testing;
namespace fs = std::filesystem;

namespace {

// Sets or clears a file's immutable flag; false where the system will not.
bool SetImmutable(const std::string& path, bool on)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return done;
}

// Makes a file read-only one way for the life of the object.
class ReadOnlyFile {
public:
    enum Way { NoWriteBit, Immutable };
    ReadOnlyFile(std::string path, Way way)
        : path_(std::move(path))
        , way_(way)
    {
        if (way == NoWriteBit) {
            fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
            made_ = true;
        } else {
            made_ = SetImmutable(path_, true);
        }
    }
    ~ReadOnlyFile()
    {
        if (way_ == Immutable && made_)
            SetImmutable(path_, false);
        fs::permissions(path_, fs::perms::owner_read | fs::perms::owner_write);
    }
    bool Made() const { return made_; }

private:
    std::string path_;
    Way way_;
    bool made_ = false;
};

TEST(ReadOnlyFile, IsNeitherReplacedNorOpenedForWriting)
{
    const std::pair<const char*, ReadOnlyFile::Way> ways[] = {
        {"no write bit for anyone", ReadOnlyFile::NoWriteBit},
        {"immutable", ReadOnlyFile::Immutable},
    };
    for (const auto& [what, way] : ways) {
        SCOPED_TRACE(what);
        auto folder = ScratchFolder();
        auto path = WriteSmallFile(folder / "form.qwm");
        const auto before = ReadBytes(path);
        Storage opened;
        ASSERT_EQ(OpenCompoundFile(path, Access::ReadWrite, opened), Status::Ok);
        PutStream(opened, "Contents", Pattern(10, 2));

        ReadOnlyFile readOnly(path, way);
        if (!readOnly.Made()) {
            std::cout << "[ NOTE ] this system cannot make a file " << what << "\n";
            continue;
        }
        EXPECT_EQ(CheckWritable(path), Status::AccessDenied);
        EXPECT_EQ(opened.Commit(), Status::AccessDenied);
        Storage root;
        EXPECT_EQ(OpenCompoundFile(path, Access::ReadWrite, root), Status::AccessDenied);
        EXPECT_EQ(CreateCompoundFile(path, CreateMode::Replace, root), Status::AccessDenied);
        EXPECT_EQ(ReplaceFile(path, Pattern(10, 3)), Status::AccessDenied);
        EXPECT_TRUE(ReadBytes(path) == before);
        EXPECT_EQ(FolderNames(folder), std::vector<std::string> {"form.qwm"});

        // Reading it is fine.
        EXPECT_EQ(OpenCompoundFile(path, Access::Read, root), Status::Ok);
    }
}

TEST(ReadOnlyFile, AWriteBitForSomeoneLetsTheSuperuserReplaceIt)
{
    auto folder = ScratchFolder();
    auto path = WriteSmallFile(folder / "form.qwm");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(CheckWritable(path), Status::Ok);
    EXPECT_EQ(CheckWritable((folder / "new.qwm").string()), Status::Ok) << "nothing there";
    EXPECT_EQ(CheckWritable(folder.string()), Status::AccessDenied) << "a folder";
}

TEST(ReadOnlyFile, AnotherUsersFileIsNotReplacedThroughAWritableFolder)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs the superuser to act as another user";
    // A folder everyone may write, without the sticky bit, beside files of
    // the superuser: one only its owner may write, one everyone may.
    char pattern[] = "/tmp/forms-access-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path folder = pattern;
    fs::permissions(folder, fs::perms::all);
    const auto owned = WriteSmallFile(folder / "owned.qwm");
    fs::permissions(
        owned, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
    const auto shared = WriteSmallFile(folder / "shared.qwm");
    fs::permissions(shared, fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec & ~fs::perms::others_exec);
    const auto before = ReadBytes(owned);

    // The child takes the identity of "nobody" and reports by its exit code.
    pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int code = 0;
        if (::setegid(65534) != 0 || ::seteuid(65534) != 0)
            code = 10;
        else if (CheckWritable(owned) != Status::AccessDenied)
            code = 11;
        else if (ReplaceFile(owned, Pattern(10, 3)) != Status::AccessDenied)
            code = 12;
        else if (ReplaceFile(shared, Pattern(10, 3)) != Status::Ok)
            code = 13;
        ::_exit(code);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "10 identity, 11 check, 12 owned file replaced, 13 shared file refused";
    EXPECT_TRUE(ReadBytes(owned) == before);
    EXPECT_EQ(ReadBytes(shared), Pattern(10, 3));
    fs::remove_all(folder);
}

TEST(SpecialPath, ANamedPipeIsRefusedWithoutWaitingForAWriter)
{
    auto folder = ScratchFolder();
    const std::string pipe = (folder / "pipe.qwm").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    for (Access access : {Access::Read, Access::ReadWrite}) {
        auto opening = std::async(std::launch::async, [&] {
            Storage root;
            return OpenCompoundFile(pipe, access, root);
        });
        if (opening.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            // Let the stuck open go on, so that the test can end.
            int writer = ::open(pipe.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            opening.wait();
            ::close(writer);
            FAIL() << "opening a named pipe waited for a writer";
        }
        EXPECT_EQ(opening.get(), Status::NotCompoundFile);
    }
}

TEST(SpecialPath, LinkLoopsAndOverLongNamesAreReportedForWhatTheyAre)
{
    auto folder = ScratchFolder();
    fs::create_symlink("b.qwm", folder / "a.qwm");
    fs::create_symlink("a.qwm", folder / "b.qwm");
    const struct {
        const char* what;
        std::string path;
        Status status;
    } cases[] = {
        {"link loop", (folder / "a.qwm").string(), Status::LinkLoop},
        {"link loop on the way", (folder / "a.qwm" / "form.qwm").string(), Status::LinkLoop},
        {"name too long", (folder / (std::string(NAME_MAX + 1, 'n') + ".qwm")).string(), Status::NameTooLong},
        {"path too long", (folder / std::string(PATH_MAX, 'p')).string(), Status::NameTooLong},
    };
    for (const auto& c : cases) {
        Storage root;
        EXPECT_EQ(OpenCompoundFile(c.path, Access::Read, root), c.status) << c.what;
        EXPECT_EQ(CreateCompoundFile(c.path, CreateMode::Replace, root), c.status) << c.what;
    }

    // A loop made after the file was started is found at the commit, and the
    // links stay as they were.
    const auto later = folder / "later.qwm";
    Storage root;
    ASSERT_EQ(CreateCompoundFile(later.string(), CreateMode::Replace, root), Status::Ok);
    fs::create_symlink("later.qwm", later);
    EXPECT_EQ(root.Commit(), Status::LinkLoop);
    EXPECT_TRUE(fs::is_symlink(later));
    EXPECT_EQ(FolderNames(folder), (std::vector<std::string> {"a.qwm", "b.qwm", "later.qwm"}));
}

// The new contents go to a file beside the target under a name of their
// own: a name as long as the file system allows saves and replaces, and
// nothing is left beside it.
TEST(SpecialPath, TheLongestNameTheFileSystemTakesSavesAndReplaces)
{
    auto folder = ScratchFolder();
    for (size_t length : {size_t(NAME_MAX), size_t(NAME_MAX - 13), size_t(1)}) {
        const std::string name = length == 1 ? std::string("n") : std::string(length - 4, 'n') + ".qwm";
        ASSERT_EQ(name.size(), length);
        const std::string path = (folder / name).string();
        for (int pass : {1, 2}) {
            EXPECT_EQ(ReplaceFile(path, Pattern(10, pass)), Status::Ok) << length << " bytes, pass " << pass;
            EXPECT_EQ(ReadBytes(path), Pattern(10, pass)) << length;
        }
        Storage root;
        ASSERT_EQ(CreateCompoundFile(path, CreateMode::Replace, root), Status::Ok) << length;
        EXPECT_EQ(root.Commit(), Status::Ok) << length << " bytes";
        EXPECT_EQ(FolderNames(folder), std::vector<std::string> {name}) << length;
        fs::remove(path);
    }
}

} // namespace
