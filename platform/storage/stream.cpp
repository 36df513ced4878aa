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
    : m_file(std::move(file)), m_node(std::move(node))
{
}

Stream::~Stream() = default;

Node& Stream::Element() const
{
    if (m_node->removed)
        throw io::FileError(ENOENT, "stream \"" + m_node->name + "\" was destroyed");
    return *m_node;
}

size_t Stream::Read(void* buffer, size_t n)
{
    const auto& data = Element().data;
    if (n == 0 || m_pos >= data.size())
        return 0;
    n = static_cast<size_t>(std::min<uint64_t>(n, data.size() - m_pos));
    std::memcpy(buffer, data.data() + m_pos, n);
    m_pos += n;
    return n;
}

void Stream::Write(const void* buffer, size_t n)
{
    auto& data = Element().data;
    if (m_file->readOnly)
        throw io::FileError(EACCES, "stream \"" + m_node->name + "\" is open for reading only");
    if (n == 0)
        return;
    if (m_pos > kMaxStreamSize || n > kMaxStreamSize - m_pos)
        throw io::FileError(EFBIG, "stream \"" + m_node->name + "\" would exceed 4 GiB");
    if (m_pos + n > data.size())
        data.resize(static_cast<size_t>(m_pos + n));
    std::memcpy(data.data() + m_pos, buffer, n);
    m_pos += n;
}

uint64_t Stream::Seek(int64_t offset, Origin origin)
{
    int64_t base = origin == Begin     ? 0
                   : origin == Current ? static_cast<int64_t>(m_pos)
                                       : static_cast<int64_t>(Element().data.size());
    if (offset < 0 ? base + offset < 0 : offset > INT64_MAX - base)
        throw io::FileError(EINVAL, "seek outside stream \"" + m_node->name + "\"");
    m_pos = static_cast<uint64_t>(base + offset);
    return m_pos;
}

uint64_t Stream::GetLength() const
{
    return Element().data.size();
}

std::string Stream::GetName() const
{
    return m_node->name;
}

} // namespace storage
