#include "platform/io/memory_file.h"

#include "platform/io/archive_error.h"

#include <cerrno>
#include <cstring>

namespace io {

MemoryFile::MemoryFile(std::vector<uint8_t> data)
    : data_(std::move(data))
{}

size_t MemoryFile::Read(void* buffer, size_t n)
{
    if (n == 0 || pos_ >= data_.size())
        return 0;
    size_t avail = data_.size() - pos_;
    if (n > avail)
        n = avail;
    std::memcpy(buffer, data_.data() + pos_, n);
    pos_ += n;
    return n;
}

void MemoryFile::Write(const void* buffer, size_t n)
{
    if (n == 0)
        return;
    if (pos_ + n > data_.size())
        data_.resize(pos_ + n);
    std::memcpy(data_.data() + pos_, buffer, n);
    pos_ += n;
}

uint64_t MemoryFile::Seek(int64_t offset, Origin origin)
{
    int64_t base = origin == Begin ? 0
        : origin == Current        ? static_cast<int64_t>(pos_)
                                   : static_cast<int64_t>(data_.size());
    int64_t target = base + offset;
    if (target < 0)
        throw FileError(EINVAL, "seek before the start of a memory file");
    pos_ = static_cast<size_t>(target);
    return pos_;
}

std::vector<uint8_t> MemoryFile::Detach()
{
    std::vector<uint8_t> out;
    out.swap(data_);
    pos_ = 0;
    return out;
}

void MemoryFile::SetLength(size_t n)
{
    data_.resize(n);
    if (pos_ > n)
        pos_ = n;
}

} // namespace io
