// A growable in-memory stream (the framework's memory file).
#pragma once

#include "platform/io/stream.h"

#include <cstdint>
#include <vector>

namespace io {

class MemoryFile : public Stream {
public:
    MemoryFile() = default;
    explicit MemoryFile(std::vector<uint8_t> data);

    size_t Read(void* buffer, size_t n) override;
    void Write(const void* buffer, size_t n) override;
    uint64_t Seek(int64_t offset, Origin origin) override;
    uint64_t GetPosition() const override { return pos_; }
    uint64_t GetLength() const override { return data_.size(); }

    const std::vector<uint8_t>& Data() const { return data_; }
    // Hands the bytes over and leaves the file empty.
    std::vector<uint8_t> Detach();
    void SetLength(size_t n);

private:
    std::vector<uint8_t> data_;
    size_t pos_ = 0;
};

} // namespace io
