#include "platform/io/archive.h"
#include "platform/io/file.h"
#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <limits>

using io::Archive;
using io::ArchiveError;
using io::MemoryFile;

TEST(Archive, EveryWidthRoundTripsLittleEndian)
{
    MemoryFile mem;
    {
        Archive ar(mem, Archive::Store);
        ar.WriteU8(0xAB);
        ar.WriteU16(0x1234);
        ar.WriteU32(0x89ABCDEF);
        ar.WriteI16(-2);
        ar.WriteI32(-123456789);
        ar.WriteDouble(2.5);
        ar.WriteU64(0x0102030405060708ull);
        ar.Close();
    }
    const std::vector<uint8_t> expected = {0xAB, 0x34, 0x12, 0xEF, 0xCD, 0xAB, 0x89, 0xFE, 0xFF, 0xEB, 0x32, 0xA4, 0xF8,
        0, 0, 0, 0, 0, 0, 0x04, 0x40, 8, 7, 6, 5, 4, 3, 2, 1};
    EXPECT_EQ(mem.Data(), expected);

    mem.Seek(0, io::Stream::Begin);
    Archive in(mem, Archive::Load);
    EXPECT_EQ(in.ReadU8(), 0xAB);
    EXPECT_EQ(in.ReadU16(), 0x1234);
    EXPECT_EQ(in.ReadU32(), 0x89ABCDEFu);
    EXPECT_EQ(in.ReadI16(), -2);
    EXPECT_EQ(in.ReadI32(), -123456789);
    EXPECT_EQ(in.ReadDouble(), 2.5);
    EXPECT_EQ(in.ReadU64(), 0x0102030405060708ull);
}

TEST(Archive, ShortReadThrowsEndOfFile)
{
    for (size_t have = 0; have < 4; ++have) {
        MemoryFile mem(std::vector<uint8_t>(have, 0x11));
        Archive ar(mem, Archive::Load);
        try {
            ar.ReadU32();
            FAIL() << "no error with " << have << " bytes";
        } catch (const ArchiveError& e) {
            EXPECT_EQ(e.cause(), ArchiveError::EndOfFile);
        }
    }
    MemoryFile mem(std::vector<uint8_t>(10));
    Archive ar(mem, Archive::Load);
    ar.Skip(9);
    EXPECT_THROW(ar.Skip(2), ArchiveError);
}

TEST(Archive, WrongModeIsRefused)
{
    MemoryFile mem;
    Archive store(mem, Archive::Store);
    EXPECT_THROW(store.ReadU8(), ArchiveError);
    Archive load(mem, Archive::Load);
    EXPECT_THROW(load.WriteU8(1), ArchiveError);
}

// An empty vector's data() is null: nothing to move needs no buffer, in the
// archive's buffered and direct paths and in the memory file under it.
TEST(Archive, EmptyRunsNeedNoBuffer)
{
    MemoryFile mem;
    {
        Archive ar(mem, Archive::Store, 16);
        ar.Write(nullptr, 0);
        ar.WriteU8(7);
        ar.Write(nullptr, 0);
        ar.Write(std::vector<uint8_t>(16, 1).data(), 16);
        ar.Write(nullptr, 0);
        ar.Close();
    }
    EXPECT_EQ(mem.Data().size(), 17u);
    mem.Write(nullptr, 0);
    mem.Seek(0, io::Stream::Begin);
    EXPECT_EQ(mem.Read(nullptr, 0), 0u);
    Archive in(mem, Archive::Load, 16);
    in.Read(nullptr, 0);
    EXPECT_EQ(in.ReadU8(), 7);
    EXPECT_EQ(in.ReadSome(nullptr, 0), 0u);
}

TEST(Archive, LargeRunsThroughSmallBufferAndDiskFile)
{
    std::vector<uint8_t> data(100000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7);
    auto path = std::filesystem::temp_directory_path() / "forms_archive_test.bin";
    {
        io::File f(path.string(), io::File::Create);
        Archive ar(f, Archive::Store, 64);
        ar.WriteU8(1);
        ar.Write(data.data(), data.size());
        ar.WriteU16(0xBEEF);
        EXPECT_EQ(ar.GetPosition(), data.size() + 3);
        ar.Close();
    }
    io::File f(path.string(), io::File::ReadOnly);
    EXPECT_EQ(f.GetLength(), data.size() + 3);
    Archive ar(f, Archive::Load, 64);
    EXPECT_EQ(ar.ReadU8(), 1);
    std::vector<uint8_t> back(data.size());
    ar.Read(back.data(), back.size());
    EXPECT_EQ(back, data);
    EXPECT_EQ(ar.ReadU16(), 0xBEEF);
    EXPECT_THROW(ar.ReadU8(), ArchiveError);
    std::filesystem::remove(path);
}

TEST(File, MissingFileThrowsFileError)
{
    EXPECT_THROW(io::File("/nonexistent/dir/x", io::File::ReadOnly), io::FileError);
}
