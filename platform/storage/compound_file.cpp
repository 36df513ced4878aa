#include "platform/storage/compound_file.h"

#include "platform/storage/file_access.h"
#include "platform/storage/file_replace.h"
#include "platform/storage/file_state.h"
#include "platform/storage/gsf_reader.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace storage {
namespace {

// Files are held whole in memory; ours are far smaller than this.
constexpr off_t kMaxFileSize = off_t {1} << 30;

Status ReadWholeFile(const std::string& path, std::vector<uint8_t>& bytes)
{
    // Not blocking: a named pipe would otherwise wait for a writer before
    // the check below could refuse it.
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return StatusFromErrno(errno);
    struct stat info {};
    Status status = Status::Ok;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        status = Status::NotCompoundFile;
    } else if (info.st_size > kMaxFileSize) {
        status = Status::TooLarge;
    } else {
        bytes.resize(static_cast<size_t>(info.st_size));
        size_t done = 0;
        while (done < bytes.size()) {
            ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0) {
                status = n < 0 ? Status::AccessDenied : Status::NotCompoundFile;
                break;
            }
            done += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    return status;
}

std::shared_ptr<FileState> NewState(const std::string& path)
{
    auto state = std::make_shared<FileState>();
    state->path = path;
    state->root = Node::Make(Node::StorageNode, "");
    return state;
}

} // namespace

Status OpenCompoundFile(const std::string& path, Access access, Storage& root)
{
    if (access == Access::ReadWrite) {
        if (Status writable = CheckWritable(path); writable != Status::Ok)
            return writable;
    }
    std::vector<uint8_t> bytes;
    Status status = ReadWholeFile(path, bytes);
    if (status != Status::Ok)
        return status;
    auto state = NewState(path);
    state->readOnly = access == Access::Read;
    status = ReadCompoundFile(bytes.data(), bytes.size(), state->root);
    if (status != Status::Ok)
        return status;
    root = Storage(state, state->root);
    return Status::Ok;
}

Status CreateCompoundFile(const std::string& path, CreateMode mode, Storage& root)
{
    std::error_code ec;
    if (mode == CreateMode::FailIfThere && std::filesystem::exists(path, ec))
        return Status::FileExists;
    // A file that the commit may not replace is refused before anything
    // is built for it.
    if (Status writable = CheckWritable(path); writable != Status::Ok)
        return writable;
    std::string folder = FolderOf(path);
    if (!std::filesystem::is_directory(folder, ec))
        return Status::FileNotFound;
    if (::access(folder.c_str(), W_OK) != 0)
        return StatusFromErrno(errno);
    auto state = NewState(path);
    root = Storage(state, state->root);
    return Status::Ok;
}

Status CreateTempCompoundFile(Storage& root)
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/forms-XXXXXX";
    int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return StatusFromErrno(errno);
    ::close(fd);
    auto state = NewState(pattern);
    state->temporary = true;
    root = Storage(state, state->root);
    return Status::Ok;
}

} // namespace storage
