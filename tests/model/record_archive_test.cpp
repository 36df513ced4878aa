#include "forms/model/int_exception.h"
#include "forms/model/record_archive.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// Reads the tag at the start of the bytes, skips its item, and answers the
// bytes left after it.
Bytes LeftAfterSkip(const Bytes& bytes)
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    rec.SkipRecord(rec.ReadTag());
    Bytes rest;
    uint8_t b;
    while (ar.ReadSome(&b, 1) == 1)
        rest.push_back(b);
    return rest;
}

RecordReader ReadOne(const Bytes& bytes)
{
    io::MemoryFile file(bytes);
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    rec.ReadTag();
    return rec.ReadRecord();
}

TEST(RecordArchive, WritesRecordsByteForByte)
{
    struct Case {
        const char* what;
        void (*write)(RECORDARCHIVE&);
        Bytes expected;
    };
    const Case cases[] = {
        {"ordinary record",
            [](RECORDARCHIVE& r) {
                r.BeginRecord();
                r.PutU16(0x0102);
                r.PutI32(-2);
                r.PutU8(7);
                r.EndRecord(0x81);
            },
            {0x81, 0x07, 0x00, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0x07}},
        {"empty string",
            [](RECORDARCHIVE& r) {
                r.BeginRecord();
                r.PutString("");
                r.EndRecord(0x82);
            },
            {0x82, 0x03, 0x00, 0x01, 0x00, 0x00}},
        {"string",
            [](RECORDARCHIVE& r) {
                r.BeginRecord();
                r.PutString("Ab");
                r.EndRecord(0x82);
            },
            {0x82, 0x05, 0x00, 0x03, 0x00, 'A', 'b', 0x00}},
        {"empty record",
            [](RECORDARCHIVE& r) {
                r.BeginRecord();
                r.EndRecord(0x90);
            },
            {0x90, 0x00, 0x00}},
        {"long record",
            [](RECORDARCHIVE& r) {
                const uint8_t data[3] = {9, 8, 7};
                r.WriteLongRecord(data, 3);
            },
            {0xFD, 0x03, 0x00, 0x00, 0x00, 9, 8, 7}},
        {"array record",
            [](RECORDARCHIVE& r) {
                r.BeginArrayRecord(2, 2);
                r.GetArchive().WriteU16(0x0A0B);
                r.GetArchive().WriteU16(0x0C0D);
            },
            {0xFE, 0x02, 0x00, 0x02, 0x00, 0x0B, 0x0A, 0x0D, 0x0C}},
        {"nested groups",
            [](RECORDARCHIVE& r) {
                r.WriteTag(0x13);
                r.WriteTag(0x01);
                r.BeginRecord();
                r.PutU8(5);
                r.EndRecord(0x84);
                r.WriteTag(kEndGroup);
                r.WriteTag(kEndGroup);
            },
            {0x13, 0x01, 0x84, 0x01, 0x00, 0x05, 0xFF, 0xFF}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Written(c.write), c.expected) << c.what;
}

TEST(RecordArchive, PayloadLongerThanTheUsualBufferIsWrittenWhole)
{
    std::string text(3000, 'x');
    Bytes bytes = Written([&](RECORDARCHIVE& r) {
        r.BeginRecord();
        r.PutString(text);
        r.EndRecord(0x82);
    });
    ASSERT_EQ(bytes.size(), 3u + 2 + 3001);
    EXPECT_EQ(bytes[1] | bytes[2] << 8, 3003);
    EXPECT_EQ(ReadOne(bytes).String(), text);
}

TEST(RecordArchive, PayloadBeyond16BitsIsRefused)
{
    io::MemoryFile file;
    io::Archive ar(file, io::Archive::Store);
    RECORDARCHIVE rec(ar);
    rec.BeginRecord();
    rec.PutBytes(std::string(70000, 'y').data(), 70000);
    EXPECT_THROW(rec.EndRecord(0x81), io::ArchiveError);
}

TEST(RecordArchive, SkipsEachItemExactly)
{
    struct Case {
        const char* what;
        Bytes item;
    };
    const Case cases[] = {
        {"record", {0x85, 0x02, 0x00, 0xAA, 0xBB}}, {"record of length 0", {0x85, 0x00, 0x00}},
        {"long record", {0xFD, 0x02, 0x00, 0x00, 0x00, 0xFF, 0xFF}},
        {"array of 3 elements of 2 bytes", {0xFE, 0x03, 0x00, 0x02, 0x00, 1, 2, 3, 4, 5, 6}},
        {"unknown group holding nested groups, long and array records",
            {0x30, 0x81, 0x01, 0x00, 0xFF, // a record whose payload is 0xFF
                0x05, 0x06, 0xFF, // nested groups
                0xFD, 0x01, 0x00, 0x00, 0x00, 0x10, // long record with a group tag inside
                0xFE, 0x01, 0x00, 0x01, 0x00, 0xFF, // array whose element is 0xFF
                0xFF, // closes 0x05
                0xFF}}, // closes 0x30
    };
    const Bytes trailer = {0x99, 0x42};
    for (const Case& c : cases) {
        Bytes stream = c.item;
        stream.insert(stream.end(), trailer.begin(), trailer.end());
        EXPECT_EQ(LeftAfterSkip(stream), trailer) << c.what;
    }
}

TEST(RecordArchive, StreamEndingInsideAnItemRaisesEndOfFile)
{
    const Bytes cases[] = {
        {0x30, 0x05, 0x81, 0x00, 0x00, 0xFF}, // inner group closed, outer not
        {0x30, 0x81, 0x10, 0x00, 0x01}, // record shorter than its length
        {0xFD, 0xFF, 0xFF, 0xFF, 0xFF, 0x00}, // long record of 4 GB
        {0xFE, 0xFF, 0xFF, 0xFF, 0xFF}, // array larger than the stream
    };
    for (const Bytes& bytes : cases) {
        try {
            LeftAfterSkip(bytes);
            ADD_FAILURE() << "no error for a stream of " << bytes.size() << " bytes";
        } catch (const io::ArchiveError& e) {
            EXPECT_EQ(e.cause(), io::ArchiveError::EndOfFile);
        }
    }
}

TEST(RecordReader, MissingFieldsReadAsDefaultsAndExtraBytesAreLeft)
{
    RecordReader shortRecord = ReadOne({0x81, 0x03, 0x00, 0x01, 0x02, 0x03});
    EXPECT_EQ(shortRecord.U16(), 0x0201);
    EXPECT_EQ(shortRecord.I32(-5), -5);
    EXPECT_EQ(shortRecord.U8(9), 9);

    RecordReader longRecord = ReadOne({0x81, 0x04, 0x00, 0x01, 0x02, 0x03, 0x04, 0x81});
    EXPECT_EQ(longRecord.U16(), 0x0201);
    EXPECT_EQ(longRecord.Remaining(), 2u);
}

// A reader holds a short payload inside itself and a long one on the heap;
// moved part-way, either keeps its bytes and its place.
TEST(RecordReader, MovedReaderKeepsItsBytesAndPlace)
{
    for (size_t size : {size_t {6}, size_t {600}}) {
        Bytes bytes = {0x81, uint8_t(size), uint8_t(size >> 8)};
        for (size_t i = 0; i < size; ++i)
            bytes.push_back(uint8_t(i * 7));
        RecordReader first = ReadOne(bytes);
        EXPECT_EQ(first.U16(), 0x0700) << size;
        RecordReader moved(std::move(first));
        EXPECT_EQ(moved.U8(), 14) << size;
        RecordReader assigned = ReadOne({0x81, 0x00, 0x00});
        assigned = std::move(moved);
        EXPECT_EQ(assigned.Remaining(), size - 3) << size;
        EXPECT_EQ(assigned.U8(), 21) << size;
        EXPECT_EQ(assigned.Payload().size(), size);
        EXPECT_EQ(assigned.Payload()[size - 1], uint8_t((size - 1) * 7)) << size;
    }
}

TEST(RecordReader, StringsStayInsideTheirRecord)
{
    struct Case {
        const char* what;
        Bytes payload;
        std::string expected;
    };
    const Case cases[] = {
        {"ends at its NUL", {0x04, 0x00, 'a', 0x00, 'b', 0x00}, "a"},
        {"no terminator in the file", {0x02, 0x00, 'a', 'b'}, "ab"},
        {"count 0", {0x00, 0x00}, ""},
        {"record too short for a count", {0x01}, ""},
    };
    for (const Case& c : cases) {
        Bytes bytes = {0x82, uint8_t(c.payload.size()), 0x00};
        bytes.insert(bytes.end(), c.payload.begin(), c.payload.end());
        EXPECT_EQ(ReadOne(bytes).String(), c.expected) << c.what;
    }
    RecordReader oversized = ReadOne({0x82, 0x04, 0x00, 0xFF, 0xFF, 'a', 0x00});
    EXPECT_THROW(oversized.String(), io::ArchiveError);
}

TEST(RecordArchive, LoadMemoryErrorCarriesItsStringId)
{
    int id = 0;
    try {
        RECORDARCHIVE::ThrowLoadMemoryError();
    } catch (const CIntException& e) {
        id = e.GetId();
    }
    EXPECT_EQ(id, 201);
}

} // namespace
