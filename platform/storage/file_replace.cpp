#include "platform/storage/file_replace.h"

#include "platform/storage/file_access.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

// The longest file name the folder's file system takes.
size_t LongestName(const std::string& folder)
{
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<size_t>(limit) : NAME_MAX;
}

// Opens a new file of a fresh name in the target's folder: the target's
// name, cut where the suffix would make it longer than the file system
// takes, then a dot, 12 random hex digits and a tilde.
int CreateBeside(const std::string& target, std::string& created)
{
    constexpr size_t kSuffixLength = 14;
    const std::filesystem::path path(target);
    const std::string name = path.filename().string();
    const size_t room = LongestName(FolderOf(target));
    const std::string kept = name.substr(0, room > kSuffixLength ? room - kSuffixLength : 1);
    const std::string start = path.has_parent_path() ? (path.parent_path() / kept).string() : kept;
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[kSuffixLength + 1];
        std::snprintf(
            suffix, sizeof suffix, ".%012llx~", static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
        created = start + suffix;
        int fd = ::open(created.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool WriteAll(int fd, const std::vector<uint8_t>& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

void SyncFolder(const std::string& folder)
{
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

std::string FolderOf(const std::string& path)
{
    std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

Status StatusFromErrno(int error)
{
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Status::FileNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
        return Status::AccessDenied;
    case ENAMETOOLONG:
        return Status::NameTooLong;
    case ELOOP:
        return Status::LinkLoop;
    default:
        return Status::WriteFault;
    }
}

Status ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes)
{
    if (Status writable = CheckWritable(path); writable != Status::Ok)
        return writable;
    std::string target = path;
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto resolved = std::filesystem::canonical(path, ec);
        if (!ec)
            target = resolved.string();
    }
    struct stat old {};
    bool existed = ::stat(target.c_str(), &old) == 0;

    std::string created;
    int fd = CreateBeside(target, created);
    if (fd < 0)
        return StatusFromErrno(errno);
    bool ok = WriteAll(fd, bytes) && (!existed || ::fchmod(fd, old.st_mode & 07777) == 0) && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(created.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(created.c_str());
        return StatusFromErrno(error);
    }
    SyncFolder(FolderOf(target));
    return Status::Ok;
}

} // namespace storage
