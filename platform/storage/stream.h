// A stream of a compound file as an io::Stream, so that an io::Archive reads
// and writes it. Its bytes live in the file's tree until the file is committed.
// Writing past the end extends the stream; seeking past the end is allowed.
// Failures throw io::FileError: writing a stream of a file opened for reading
// (EACCES), using a stream whose element was destroyed (ENOENT), growing a
// stream beyond 4 GiB - 1 (EFBIG), seeking before the start (EINVAL).
#pragma once

#include "platform/io/stream.h"

#include <memory>
#include <string>

namespace storage {

struct FileState;
struct Node;

class Stream : public io::Stream {
public:
    Stream(std::shared_ptr<FileState> file, std::shared_ptr<Node> node);
    ~Stream() override;

    size_t Read(void* buffer, size_t n) override;
    void Write(const void* buffer, size_t n) override;
    uint64_t Seek(int64_t offset, Origin origin) override;
    uint64_t GetPosition() const override { return pos_; }
    uint64_t GetLength() const override;

    // The element name, in Windows-1252.
    std::string GetName() const;

private:
    Node& Element() const;

    std::shared_ptr<FileState> file_;
    std::shared_ptr<Node> node_;
    uint64_t pos_ = 0;
};

} // namespace storage
