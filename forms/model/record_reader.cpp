#include "forms/model/record_reader.h"

#include "platform/io/archive.h"
#include "platform/io/archive_error.h"

#include <cstring>

RecordReader::RecordReader(std::vector<uint8_t> payload)
    : m_data(nullptr)
    , m_size(payload.size())
    , m_heap(std::move(payload))
{
    m_data = m_heap.data();
}

RecordReader::RecordReader(io::Archive& archive, size_t n)
{
    archive.Read(Hold(n), n);
}

RecordReader::RecordReader(RecordReader&& other) noexcept
{
    *this = std::move(other);
}

RecordReader& RecordReader::operator=(RecordReader&& other) noexcept
{
    if (this == &other)
        return *this;
    if (other.m_data == other.m_inline.data()) {
        std::memcpy(m_inline.data(), other.m_inline.data(), other.m_size);
        m_heap.clear();
        m_data = m_inline.data();
    } else {
        m_heap = std::move(other.m_heap);
        m_data = m_heap.data();
    }
    m_size = other.m_size;
    m_pos = other.m_pos;
    other.m_data = nullptr;
    other.m_size = 0;
    other.m_pos = 0;
    return *this;
}

uint8_t* RecordReader::Hold(size_t n)
{
    m_size = n;
    m_pos = 0;
    if (n <= kInlineBytes) {
        m_data = m_inline.data();
        return m_inline.data();
    }
    m_heap.resize(n);
    m_data = m_heap.data();
    return m_heap.data();
}

std::string RecordReader::String()
{
    if (Remaining() < 2)
        return Exhausted(std::string());
    uint16_t n = U16();
    if (n > Remaining())
        throw io::ArchiveError(io::ArchiveError::BadFormat, "string longer than its record");
    const char* start = reinterpret_cast<const char*>(m_data + m_pos);
    m_pos += n;
    return std::string(start, strnlen(start, n));
}
