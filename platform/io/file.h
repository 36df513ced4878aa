// A disk file (the framework's file): opened by name, closed when destroyed.
#pragma once

#include "platform/io/stream.h"

#include <string>

namespace io {

class File : public Stream {
public:
    enum OpenMode {
        ReadOnly, // the file must exist
        Create, // created, or truncated when it exists
        ReadWrite, // the file must exist
    };

    File() = default;
    File(const std::string& path, OpenMode mode);
    ~File() override;
    File(const File&) = delete;
    File& operator=(const File&) = delete;

    // Opens the file; throws FileError with the system's error on failure.
    void Open(const std::string& path, OpenMode mode);
    bool IsOpen() const { return fd_ >= 0; }
    // Closes the file; throws FileError when closing fails.
    void Close();
    const std::string& GetPath() const { return path_; }

    size_t Read(void* buffer, size_t n) override;
    void Write(const void* buffer, size_t n) override;
    uint64_t Seek(int64_t offset, Origin origin) override;
    uint64_t GetPosition() const override;
    uint64_t GetLength() const override;
    // Writes the file's data through to the disk.
    void Flush() override;

private:
    int fd_ = -1;
    std::string path_;
};

} // namespace io
