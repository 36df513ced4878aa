#include "forms/model/record_archive.h"

#include "forms/model/int_exception.h"

#include <cstring>
#include <limits>

RECORDARCHIVE::RECORDARCHIVE(io::Archive& archive, OBJECT_DOCUMENT* document)
    : archive(archive)
    , document(document)
{
    buffer.reserve(512);
}

void RECORDARCHIVE::WriteTag(uint8_t tag)
{
    archive.WriteU8(tag);
}

void RECORDARCHIVE::BeginRecord()
{
    buffer.clear();
}

void RECORDARCHIVE::PutBytes(const void* data, size_t n)
{
    const uint8_t* p = static_cast<const uint8_t*>(data);
    buffer.insert(buffer.end(), p, p + n);
}

void RECORDARCHIVE::PutU8(uint8_t v)
{
    buffer.push_back(v);
}

void RECORDARCHIVE::PutU16(uint16_t v)
{
    uint8_t b[2] = {uint8_t(v), uint8_t(v >> 8)};
    PutBytes(b, 2);
}

void RECORDARCHIVE::PutU32(uint32_t v)
{
    uint8_t b[4] = {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)};
    PutBytes(b, 4);
}

void RECORDARCHIVE::PutI16(int16_t v)
{
    PutU16(uint16_t(v));
}

void RECORDARCHIVE::PutI32(int32_t v)
{
    PutU32(uint32_t(v));
}

void RECORDARCHIVE::PutString(std::string_view s)
{
    if (s.size() >= std::numeric_limits<uint16_t>::max())
        throw io::ArchiveError(io::ArchiveError::Generic, "string too long for a record");
    PutU16(uint16_t(s.size() + 1));
    PutBytes(s.data(), s.size());
    PutU8(0);
}

void RECORDARCHIVE::EndRecord(uint8_t tag)
{
    if (buffer.size() > std::numeric_limits<uint16_t>::max())
        throw io::ArchiveError(io::ArchiveError::Generic, "record payload longer than 65535 bytes");
    archive.WriteU8(tag);
    archive.WriteU16(uint16_t(buffer.size()));
    archive.Write(buffer.data(), buffer.size());
    buffer.clear();
}

void RECORDARCHIVE::WriteLongRecord(const void* data, uint32_t n)
{
    archive.WriteU8(kLongRecord);
    archive.WriteU32(n);
    archive.Write(data, n);
}

void RECORDARCHIVE::BeginArrayRecord(uint16_t count, uint16_t size)
{
    elementSize = size;
    archive.WriteU8(kArrayRecord);
    archive.WriteU16(count);
    archive.WriteU16(size);
}

uint8_t RECORDARCHIVE::ReadTag()
{
    return archive.ReadU8();
}

uint16_t RECORDARCHIVE::ReadRecordLength()
{
    recordLength = archive.ReadU16();
    return recordLength;
}

RecordReader RECORDARCHIVE::ReadRecord()
{
    return RecordReader(archive, ReadRecordLength());
}

void RECORDARCHIVE::SkipItem(uint8_t tag)
{
    if (tag == kLongRecord) {
        archive.Skip(archive.ReadU32());
    } else if (tag == kArrayRecord) {
        uint32_t count = archive.ReadU16();
        uint32_t size = archive.ReadU16();
        archive.Skip(uint64_t(count) * size);
    } else {
        archive.Skip(archive.ReadU16());
    }
}

void RECORDARCHIVE::SkipRecord(uint8_t tag)
{
    if (tag >= 0x80) {
        SkipItem(tag);
        return;
    }
    // A group: count depth instead of recursing, so that deep nesting in a
    // damaged file cannot exhaust the stack. A stream that ends inside
    // raises the archive's end-of-file error.
    uint64_t depth = 1;
    while (depth > 0) {
        uint8_t t = archive.ReadU8();
        if (t == kEndGroup)
            --depth;
        else if (t < 0x80)
            ++depth;
        else
            SkipItem(t);
    }
}

void RECORDARCHIVE::ThrowLoadMemoryError()
{
    throw CIntException(kLoadMemoryErrorId);
}
