#include "platform/storage/stream.h"

#include "platform/io/archive_error.h"
#include "platform/storage/file_state.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

namespace storage {
namespace {

// A stream's size field in the file is 32 bits wide.
constexpr uint64_t kMaxStreamSize = 0xFFFFFFFFu;

} // namespace

Stream::Stream(std::shared_ptr<FileState> file, std::shared_ptr<Node> node)
    : file_(std::move(file))
    , node_(std::move(node))
{}

Stream::~Stream() = default;

Node& Stream::Element() const
{
    if (node_->removed)
        throw io::FileError(ENOENT, "stream \"" + node_->name + "\" was destroyed");
    return *node_;
}

size_t Stream::Read(void* buffer, size_t n)
{
    const auto& data = Element().data;
    if (n == 0 || pos_ >= data.size())
        return 0;
    n = static_cast<size_t>(std::min<uint64_t>(n, data.size() - pos_));
    std::memcpy(buffer, data.data() + pos_, n);
    pos_ += n;
    return n;
}

void Stream::Write(const void* buffer, size_t n)
{
    auto& data = Element().data;
    if (file_->readOnly)
        throw io::FileError(EACCES, "stream \"" + node_->name + "\" is open for reading only");
    if (n == 0)
        return;
    if (pos_ > kMaxStreamSize || n > kMaxStreamSize - pos_)
        throw io::FileError(EFBIG, "stream \"" + node_->name + "\" would exceed 4 GiB");
    if (pos_ + n > data.size())
        data.resize(static_cast<size_t>(pos_ + n));
    std::memcpy(data.data() + pos_, buffer, n);
    pos_ += n;
}

uint64_t Stream::Seek(int64_t offset, Origin origin)
{
    int64_t base = origin == Begin ? 0
        : origin == Current        ? static_cast<int64_t>(pos_)
                                   : static_cast<int64_t>(Element().data.size());
    if (offset < 0 ? base + offset < 0 : offset > INT64_MAX - base)
        throw io::FileError(EINVAL, "seek outside stream \"" + node_->name + "\"");
    pos_ = static_cast<uint64_t>(base + offset);
    return pos_;
}

uint64_t Stream::GetLength() const
{
    return Element().data.size();
}

std::string Stream::GetName() const
{
    return node_->name;
}

} // namespace storage
