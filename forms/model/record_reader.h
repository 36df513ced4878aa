// Parses the payload of one record held in a bounded buffer: fields that
// the record lacks read as their defaults, bytes past the known fields are
// left unread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class RecordReader {
public:
    explicit RecordReader(std::vector<uint8_t> payload);

    uint8_t U8(uint8_t fallback = 0);
    uint16_t U16(uint16_t fallback = 0);
    uint32_t U32(uint32_t fallback = 0);
    int16_t I16(int16_t fallback = 0);
    int32_t I32(int32_t fallback = 0);
    // A string: u16 n, then n bytes ending in a NUL. Missing gives the empty
    // string; n past the record's end raises io::ArchiveError (BadFormat).
    // The text ends at its first NUL.
    std::string String();

    size_t Size() const { return m_payload.size(); }
    size_t Remaining() const { return m_payload.size() - m_pos; }
    const std::vector<uint8_t>& Payload() const { return m_payload; }

private:
    bool Take(void* out, size_t n);

    std::vector<uint8_t> m_payload;
    size_t m_pos = 0;
};
