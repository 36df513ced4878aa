#include "platform/io/memory_file.h"

#include "platform/io/archive_error.h"

#include <cerrno>
#include <cstring>

namespace io {

MemoryFile::MemoryFile(std::vector<uint8_t> data) : m_data(std::move(data)) {}

size_t MemoryFile::Read(void* buffer, size_t n)
{
    if (n == 0 || m_pos >= m_data.size())
        return 0;
    size_t avail = m_data.size() - m_pos;
    if (n > avail)
        n = avail;
    std::memcpy(buffer, m_data.data() + m_pos, n);
    m_pos += n;
    return n;
}

void MemoryFile::Write(const void* buffer, size_t n)
{
    if (n == 0)
        return;
    if (m_pos + n > m_data.size())
        m_data.resize(m_pos + n);
    std::memcpy(m_data.data() + m_pos, buffer, n);
    m_pos += n;
}

uint64_t MemoryFile::Seek(int64_t offset, Origin origin)
{
    int64_t base = origin == Begin ? 0 : origin == Current ? static_cast<int64_t>(m_pos)
                                                           : static_cast<int64_t>(m_data.size());
    int64_t target = base + offset;
    if (target < 0)
        throw FileError(EINVAL, "seek before the start of a memory file");
    m_pos = static_cast<size_t>(target);
    return m_pos;
}

std::vector<uint8_t> MemoryFile::Detach()
{
    std::vector<uint8_t> out;
    out.swap(m_data);
    m_pos = 0;
    return out;
}

void MemoryFile::SetLength(size_t n)
{
    m_data.resize(n);
    if (m_pos > n)
        m_pos = n;
}

} // namespace io
