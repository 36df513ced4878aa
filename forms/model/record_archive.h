// The tagged record stream over an archive: records, long records, array
// records and nested groups, so that a reader can step over whatever it
// does not know.
#pragma once

#include "forms/model/record_reader.h"

#include "platform/io/archive.h"

#include <cstdint>
#include <string_view>
#include <vector>

class OBJECT_DOCUMENT;

constexpr uint8_t kEndGroup = 0xFF;
constexpr uint8_t kLongRecord = 0xFD;
constexpr uint8_t kArrayRecord = 0xFE;

// String id of "Insufficient memory to load file.".
constexpr int kLoadMemoryErrorId = 201;

class RECORDARCHIVE {
public:
    // The archive is borrowed; the document is the one being saved or
    // loaded, or null (a stream of the program's own files).
    explicit RECORDARCHIVE(io::Archive& archive, OBJECT_DOCUMENT* document = nullptr);

    io::Archive& GetArchive() { return archive; }
    OBJECT_DOCUMENT* GetDocument() { return document; }
    bool IsLoading() const { return archive.IsLoading(); }

    // Writing.
    void WriteTag(uint8_t tag);
    void BeginRecord();
    void PutU8(uint8_t v);
    void PutU16(uint16_t v);
    void PutU32(uint32_t v);
    void PutI16(int16_t v);
    void PutI32(int32_t v);
    void PutBytes(const void* data, size_t n);
    // u16 n = characters + 1, the characters, a NUL.
    void PutString(std::string_view s);
    // Writes the tag, the u16 payload length and the payload.
    void EndRecord(uint8_t tag);
    // 0xFD, u32 length, the payload straight to the archive.
    void WriteLongRecord(const void* data, uint32_t n);
    // 0xFE, u16 count, u16 element size; the caller then writes the elements.
    void BeginArrayRecord(uint16_t count, uint16_t size);

    // Reading.
    uint8_t ReadTag();
    uint16_t ReadRecordLength();
    // Reads the u16 length and the whole payload of the record whose tag
    // was just read.
    RecordReader ReadRecord();
    uint8_t ReadU8() { return archive.ReadU8(); }
    uint16_t ReadU16() { return archive.ReadU16(); }
    uint32_t ReadU32() { return archive.ReadU32(); }
    void ReadBytes(void* out, size_t n) { archive.Read(out, n); }
    // Steps over the record or group whose tag was just read; a group is
    // stepped over up to and including its closing 0xFF.
    void SkipRecord(uint8_t tag);

    [[noreturn]] static void ThrowLoadMemoryError();

    uint16_t recordLength = 0;
    uint16_t elementSize = 0;

private:
    void SkipItem(uint8_t tag);

    io::Archive& archive;
    OBJECT_DOCUMENT* document;
    // Grows beyond its usual 512 bytes for a longer payload instead of
    // running over.
    std::vector<uint8_t> buffer;
};
