#include "forms/model/record_reader.h"

#include "platform/io/archive_error.h"

#include <cstring>

RecordReader::RecordReader(std::vector<uint8_t> payload)
    : m_payload(std::move(payload))
{}

bool RecordReader::Take(void* out, size_t n)
{
    if (Remaining() < n) {
        m_pos = m_payload.size();
        return false;
    }
    std::memcpy(out, m_payload.data() + m_pos, n);
    m_pos += n;
    return true;
}

uint8_t RecordReader::U8(uint8_t fallback)
{
    uint8_t v;
    return Take(&v, 1) ? v : fallback;
}

uint16_t RecordReader::U16(uint16_t fallback)
{
    uint8_t b[2];
    return Take(b, 2) ? uint16_t(b[0] | b[1] << 8) : fallback;
}

uint32_t RecordReader::U32(uint32_t fallback)
{
    uint8_t b[4];
    return Take(b, 4) ? uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24 : fallback;
}

int16_t RecordReader::I16(int16_t fallback)
{
    return int16_t(U16(uint16_t(fallback)));
}

int32_t RecordReader::I32(int32_t fallback)
{
    return int32_t(U32(uint32_t(fallback)));
}

std::string RecordReader::String()
{
    if (Remaining() < 2) {
        m_pos = m_payload.size();
        return {};
    }
    uint16_t n = U16();
    if (n > Remaining())
        throw io::ArchiveError(io::ArchiveError::BadFormat, "string longer than its record");
    const char* start = reinterpret_cast<const char*>(m_payload.data() + m_pos);
    m_pos += n;
    return std::string(start, strnlen(start, n));
}
