// Parses the payload of one record held in a bounded buffer: fields that
// the record lacks read as their defaults, bytes past the known fields are
// left unread. A payload of a fixed record's size is held inside the reader
// itself, so that reading the many small records of a form allocates
// nothing; a longer one is held on the heap.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace io {
class Archive;
}

class RecordReader {
public:
    explicit RecordReader(std::vector<uint8_t> payload);
    // Reads the payload's n bytes from the archive (io::ArchiveError
    // EndOfFile when it holds fewer).
    RecordReader(io::Archive& archive, size_t n);
    RecordReader(RecordReader&& other) noexcept;
    RecordReader& operator=(RecordReader&& other) noexcept;
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    uint8_t U8(uint8_t fallback = 0)
    {
        if (Remaining() < 1)
            return Exhausted(fallback);
        return m_data[m_pos++];
    }
    uint16_t U16(uint16_t fallback = 0)
    {
        if (Remaining() < 2)
            return Exhausted(fallback);
        const uint8_t* p = m_data + m_pos;
        m_pos += 2;
        return uint16_t(p[0] | p[1] << 8);
    }
    uint32_t U32(uint32_t fallback = 0)
    {
        if (Remaining() < 4)
            return Exhausted(fallback);
        const uint8_t* p = m_data + m_pos;
        m_pos += 4;
        return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
    }
    int16_t I16(int16_t fallback = 0) { return int16_t(U16(uint16_t(fallback))); }
    int32_t I32(int32_t fallback = 0) { return int32_t(U32(uint32_t(fallback))); }
    // A string: u16 n, then n bytes ending in a NUL. Missing gives the empty
    // string; n past the record's end raises io::ArchiveError (BadFormat).
    // The text ends at its first NUL.
    std::string String();

    size_t Size() const { return m_size; }
    size_t Remaining() const { return m_size - m_pos; }
    std::span<const uint8_t> Payload() const { return {m_data, m_size}; }

private:
    // The most payload bytes held inside the reader: a fixed record's.
    static constexpr size_t kInlineBytes = 512;

    // A read past the end leaves nothing more to read.
    template<typename T>
    T Exhausted(T fallback)
    {
        m_pos = m_size;
        return fallback;
    }
    // Makes room for n payload bytes, inside or on the heap.
    uint8_t* Hold(size_t n);

    const uint8_t* m_data = nullptr;
    size_t m_size = 0;
    size_t m_pos = 0;
    std::vector<uint8_t> m_heap;
    std::array<uint8_t, kInlineBytes> m_inline;
};
