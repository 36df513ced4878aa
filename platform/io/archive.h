// The archive over a stream (the framework's archive): buffered little-endian
// reads in load mode, writes in store mode. A short read throws
// ArchiveError(EndOfFile).
#pragma once

#include "platform/io/archive_error.h"
#include "platform/io/stream.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace io {

class Archive {
public:
    enum Mode { Load, Store };

    // The stream is borrowed; it must outlive the archive.
    Archive(Stream& stream, Mode mode, size_t bufferSize = 4096);
    // A store archive that was not closed flushes what it holds; errors are
    // swallowed here, so callers that care call Close().
    ~Archive();
    Archive(const Archive&) = delete;
    Archive& operator=(const Archive&) = delete;

    bool IsLoading() const { return mode_ == Load; }
    bool IsStoring() const { return mode_ == Store; }
    Stream& GetStream() { return stream_; }

    // Reads exactly n bytes or throws EndOfFile.
    void Read(void* buffer, size_t n);
    // Reads up to n bytes; answers how many were read.
    size_t ReadSome(void* buffer, size_t n);
    // Steps over n bytes or throws EndOfFile.
    void Skip(uint64_t n);

    // The buffered bytes are read here; the rest goes through Read.
    uint8_t ReadU8()
    {
        if (mode_ == Load && begin_ < end_)
            return buffer_[begin_++];
        return ReadU8Slow();
    }
    uint16_t ReadU16()
    {
        if (mode_ == Load && end_ - begin_ >= 2) {
            const uint8_t* p = buffer_.data() + begin_;
            begin_ += 2;
            return static_cast<uint16_t>(p[0] | p[1] << 8);
        }
        return ReadU16Slow();
    }
    uint32_t ReadU32()
    {
        if (mode_ == Load && end_ - begin_ >= 4) {
            const uint8_t* p = buffer_.data() + begin_;
            begin_ += 4;
            return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
        }
        return ReadU32Slow();
    }
    uint64_t ReadU64();
    int16_t ReadI16();
    int32_t ReadI32();
    double ReadDouble();

    void Write(const void* buffer, size_t n);
    void WriteU8(uint8_t v);
    void WriteU16(uint16_t v);
    void WriteU32(uint32_t v);
    void WriteU64(uint64_t v);
    void WriteI16(int16_t v);
    void WriteI32(int32_t v);
    void WriteDouble(double v);

    // Hands buffered writes to the stream.
    void Flush();
    // Flushes a store archive; afterwards the archive is not used again.
    void Close();

    // Position in the stream as the caller sees it (buffer included).
    uint64_t GetPosition() const;

private:
    void CheckMode(Mode wanted) const;
    bool Fill();
    uint8_t ReadU8Slow();
    uint16_t ReadU16Slow();
    uint32_t ReadU32Slow();

    Stream& stream_;
    Mode mode_;
    std::vector<uint8_t> buffer_;
    size_t begin_ = 0; // load: next unread byte
    size_t end_ = 0; // load: end of valid bytes; store: bytes held
    bool closed_ = false;
};

} // namespace io
