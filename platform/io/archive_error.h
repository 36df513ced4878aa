// Errors of files and archives: what the framework's archive and file threw.
#pragma once

#include <stdexcept>
#include <string>

namespace io {

// Raised by an archive: a short read is EndOfFile, never garbage.
class ArchiveError : public std::runtime_error {
public:
    enum Cause { Generic, EndOfFile, ReadOnly, WriteOnly, BadFormat };
    ArchiveError(Cause cause, const std::string& what);
    Cause cause() const { return cause_; }

private:
    Cause cause_;
};

// Raised by a file that cannot be opened, read, written or sized.
class FileError : public std::runtime_error {
public:
    FileError(int osError, const std::string& what);
    int osError() const { return osError_; }

private:
    int osError_;
};

} // namespace io
