#include "platform/io/file.h"

#include "platform/io/archive_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace io {
namespace {

[[noreturn]] void ThrowErrno(const std::string& what, const std::string& path)
{
    int err = errno;
    throw FileError(err, what + " \"" + path + "\": " + std::strerror(err));
}

} // namespace

File::File(const std::string& path, OpenMode mode)
{
    Open(path, mode);
}

File::~File()
{
    if (fd_ >= 0)
        ::close(fd_);
}

void File::Open(const std::string& path, OpenMode mode)
{
    if (fd_ >= 0)
        Close();
    int flags = O_CLOEXEC;
    switch (mode) {
    case ReadOnly:
        flags |= O_RDONLY;
        break;
    case Create:
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        break;
    case ReadWrite:
        flags |= O_RDWR;
        break;
    }
    fd_ = ::open(path.c_str(), flags, 0666);
    if (fd_ < 0)
        ThrowErrno("cannot open", path);
    path_ = path;
}

void File::Close()
{
    if (fd_ < 0)
        return;
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        ThrowErrno("cannot close", path_);
}

size_t File::Read(void* buffer, size_t n)
{
    size_t done = 0;
    auto* p = static_cast<char*>(buffer);
    while (done < n) {
        ssize_t r = ::read(fd_, p + done, n - done);
        if (r < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno("cannot read", path_);
        }
        if (r == 0)
            break;
        done += static_cast<size_t>(r);
    }
    return done;
}

void File::Write(const void* buffer, size_t n)
{
    size_t done = 0;
    auto* p = static_cast<const char*>(buffer);
    while (done < n) {
        ssize_t w = ::write(fd_, p + done, n - done);
        if (w < 0) {
            if (errno == EINTR)
                continue;
            ThrowErrno("cannot write", path_);
        }
        done += static_cast<size_t>(w);
    }
}

uint64_t File::Seek(int64_t offset, Origin origin)
{
    int whence = origin == Begin ? SEEK_SET : origin == Current ? SEEK_CUR : SEEK_END;
    off_t r = ::lseek(fd_, offset, whence);
    if (r < 0)
        ThrowErrno("cannot seek in", path_);
    return static_cast<uint64_t>(r);
}

uint64_t File::GetPosition() const
{
    off_t r = ::lseek(fd_, 0, SEEK_CUR);
    if (r < 0)
        ThrowErrno("cannot tell position in", path_);
    return static_cast<uint64_t>(r);
}

uint64_t File::GetLength() const
{
    struct stat st {};
    if (::fstat(fd_, &st) != 0)
        ThrowErrno("cannot size", path_);
    return static_cast<uint64_t>(st.st_size);
}

void File::Flush()
{
    if (::fsync(fd_) != 0 && errno != EINVAL)
        ThrowErrno("cannot flush", path_);
}

} // namespace io
