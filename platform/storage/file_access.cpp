#include "platform/storage/file_access.h"

#include "platform/storage/file_replace.h"

#include <cerrno>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace storage {
namespace {

// Immutable and append-only files refuse every change, the superuser's too.
bool ChangesRefused(const std::string& path)
{
    int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int flags = 0;
    bool refused = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0 && (flags & (FS_IMMUTABLE_FL | FS_APPEND_FL)) != 0;
    ::close(fd);
    return refused;
}

} // namespace

Status CheckWritable(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? Status::Ok : StatusFromErrno(errno);
    if (S_ISDIR(info.st_mode))
        return Status::AccessDenied;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return Status::AccessDenied;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) {
        int error = errno;
        return error == ETXTBSY ? Status::AccessDenied : StatusFromErrno(error);
    }
    if (S_ISREG(info.st_mode) && ChangesRefused(path))
        return Status::AccessDenied;
    return Status::Ok;
}

} // namespace storage
