#include "platform/io/archive.h"

#include <bit>
#include <cstring>

namespace io {
namespace {

template<typename T>
T FromLittle(const uint8_t* p)
{
    T v = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        v = static_cast<T>(v | (static_cast<T>(p[i]) << (8 * i)));
    return v;
}

template<typename T>
void ToLittle(uint8_t* p, T v)
{
    for (size_t i = 0; i < sizeof(T); ++i)
        p[i] = static_cast<uint8_t>(v >> (8 * i));
}

} // namespace

Archive::Archive(Stream& stream, Mode mode, size_t bufferSize)
    : stream_(stream)
    , mode_(mode)
    , buffer_(bufferSize < 16 ? 16 : bufferSize)
{}

Archive::~Archive()
{
    if (mode_ == Store && !closed_) {
        try {
            Flush();
        } catch (...) {
        }
    }
}

void Archive::CheckMode(Mode wanted) const
{
    if (mode_ != wanted)
        throw ArchiveError(wanted == Load ? ArchiveError::WriteOnly : ArchiveError::ReadOnly,
            wanted == Load ? "read from an archive that stores" : "write to an archive that loads");
}

bool Archive::Fill()
{
    begin_ = 0;
    end_ = stream_.Read(buffer_.data(), buffer_.size());
    return end_ > 0;
}

size_t Archive::ReadSome(void* buffer, size_t n)
{
    CheckMode(Load);
    auto* out = static_cast<uint8_t*>(buffer);
    size_t done = 0;
    while (done < n) {
        if (begin_ == end_) {
            // Large reads go straight to the stream.
            if (n - done >= buffer_.size()) {
                size_t r = stream_.Read(out + done, n - done);
                done += r;
                break;
            }
            if (!Fill())
                break;
        }
        size_t take = std::min(n - done, end_ - begin_);
        std::memcpy(out + done, buffer_.data() + begin_, take);
        begin_ += take;
        done += take;
    }
    return done;
}

void Archive::Read(void* buffer, size_t n)
{
    // Most reads are a few bytes that the buffer already holds. An empty
    // read may come with no buffer at all (an empty vector's data).
    if (mode_ == Load && n > 0 && end_ - begin_ >= n) {
        std::memcpy(buffer, buffer_.data() + begin_, n);
        begin_ += n;
        return;
    }
    if (ReadSome(buffer, n) != n)
        throw ArchiveError(ArchiveError::EndOfFile, "unexpected end of file");
}

void Archive::Skip(uint64_t n)
{
    if (mode_ == Load && end_ - begin_ >= n) {
        begin_ += static_cast<size_t>(n);
        return;
    }
    uint8_t scratch[4096];
    while (n > 0) {
        size_t step = n > sizeof scratch ? sizeof scratch : static_cast<size_t>(n);
        Read(scratch, step);
        n -= step;
    }
}

uint8_t Archive::ReadU8Slow()
{
    uint8_t v;
    Read(&v, 1);
    return v;
}

uint16_t Archive::ReadU16Slow()
{
    uint8_t b[2];
    Read(b, 2);
    return FromLittle<uint16_t>(b);
}

uint32_t Archive::ReadU32Slow()
{
    uint8_t b[4];
    Read(b, 4);
    return FromLittle<uint32_t>(b);
}

uint64_t Archive::ReadU64()
{
    uint8_t b[8];
    Read(b, 8);
    return FromLittle<uint64_t>(b);
}

int16_t Archive::ReadI16()
{
    return static_cast<int16_t>(ReadU16());
}

int32_t Archive::ReadI32()
{
    return static_cast<int32_t>(ReadU32());
}

double Archive::ReadDouble()
{
    return std::bit_cast<double>(ReadU64());
}

void Archive::Write(const void* buffer, size_t n)
{
    CheckMode(Store);
    // Nothing to write may come with no buffer at all (an empty vector's data).
    if (n == 0)
        return;
    auto* in = static_cast<const uint8_t*>(buffer);
    if (end_ + n > buffer_.size()) {
        Flush();
        if (n >= buffer_.size()) {
            stream_.Write(in, n);
            return;
        }
    }
    std::memcpy(buffer_.data() + end_, in, n);
    end_ += n;
}

void Archive::WriteU8(uint8_t v)
{
    Write(&v, 1);
}

void Archive::WriteU16(uint16_t v)
{
    uint8_t b[2];
    ToLittle(b, v);
    Write(b, 2);
}

void Archive::WriteU32(uint32_t v)
{
    uint8_t b[4];
    ToLittle(b, v);
    Write(b, 4);
}

void Archive::WriteU64(uint64_t v)
{
    uint8_t b[8];
    ToLittle(b, v);
    Write(b, 8);
}

void Archive::WriteI16(int16_t v)
{
    WriteU16(static_cast<uint16_t>(v));
}

void Archive::WriteI32(int32_t v)
{
    WriteU32(static_cast<uint32_t>(v));
}

void Archive::WriteDouble(double v)
{
    WriteU64(std::bit_cast<uint64_t>(v));
}

void Archive::Flush()
{
    if (mode_ != Store || end_ == 0)
        return;
    size_t n = end_;
    end_ = 0;
    stream_.Write(buffer_.data(), n);
}

void Archive::Close()
{
    if (closed_)
        return;
    closed_ = true;
    if (mode_ == Store)
        Flush();
}

uint64_t Archive::GetPosition() const
{
    uint64_t pos = stream_.GetPosition();
    return mode_ == Store ? pos + end_ : pos - (end_ - begin_);
}

} // namespace io
