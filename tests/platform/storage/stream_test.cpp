#include "storage_test_support.h"

#include "platform/io/archive.h"
#include "platform/io/archive_error.h"

#include <cerrno>

using namespace storage;
using namespace storage::testing;

namespace {

std::unique_ptr<Stream> NewStream(Storage& root, const char* name)
{
    std::unique_ptr<Stream> stream;
    EXPECT_EQ(root.CreateStream(name, CreateMode::Replace, stream), Status::Ok);
    return stream;
}

TEST(CompoundStream, ArchiveValuesComeBackAndShortReadsEndTheFile)
{
    Storage root;
    ASSERT_EQ(CreateTempCompoundFile(root), Status::Ok);
    auto stream = NewStream(root, "Contents");
    {
        io::Archive ar(*stream, io::Archive::Store, 512);
        ar.WriteU8(0x8A);
        ar.WriteU16(77);
        ar.WriteI32(-5);
        ar.WriteDouble(1.25);
        ar.Write(Pattern(1500, 3).data(), 1500);
        ar.Close();
    }
    EXPECT_EQ(stream->GetLength(), 1 + 2 + 4 + 8 + 1500u);

    std::unique_ptr<Stream> again;
    ASSERT_EQ(root.OpenStream("Contents", again), Status::Ok);
    io::Archive in(*again, io::Archive::Load, 512);
    EXPECT_EQ(in.ReadU8(), 0x8A);
    EXPECT_EQ(in.ReadU16(), 77);
    EXPECT_EQ(in.ReadI32(), -5);
    EXPECT_EQ(in.ReadDouble(), 1.25);
    std::vector<uint8_t> tail(1500);
    in.Read(tail.data(), tail.size());
    EXPECT_EQ(tail, Pattern(1500, 3));
    try {
        in.ReadU8();
        FAIL() << "read past the end";
    } catch (const io::ArchiveError& e) {
        EXPECT_EQ(e.cause(), io::ArchiveError::EndOfFile);
    }
}

TEST(CompoundStream, WritesOverwriteInPlaceAndExtendPastTheEnd)
{
    Storage root;
    ASSERT_EQ(CreateTempCompoundFile(root), Status::Ok);
    auto stream = NewStream(root, "NextID");
    const uint8_t one[4] = {1, 0, 0, 0};
    stream->Write(one, 4);

    // Read the counter, write back the next one: the length stays.
    uint8_t value[4];
    stream->Seek(0, io::Stream::Begin);
    ASSERT_EQ(stream->Read(value, 4), 4u);
    const uint8_t two[4] = {2, 0, 0, 0};
    stream->Seek(0, io::Stream::Begin);
    stream->Write(two, 4);
    EXPECT_EQ(stream->GetLength(), 4u);

    // A write after a seek past the end fills the gap with zeros.
    EXPECT_EQ(stream->Seek(4, io::Stream::End), 8u);
    stream->Write(one, 1);
    EXPECT_EQ(GetStream(root, "NextID"), (std::vector<uint8_t> {2, 0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(stream->Read(value, 4), 0u);

    // Empty runs need no buffer, inside the stream as at its end.
    stream->Seek(2, io::Stream::Begin);
    EXPECT_EQ(stream->Read(nullptr, 0), 0u);
    stream->Write(nullptr, 0);
    EXPECT_EQ(stream->GetLength(), 9u);
    EXPECT_EQ(stream->Seek(0, io::Stream::Current), 2u);
}

TEST(CompoundStream, RecreatingAStreamReplacesItsWholeContents)
{
    Storage root;
    ASSERT_EQ(CreateTempCompoundFile(root), Status::Ok);
    PutStream(root, "Object.Stream", Pattern(5000, 1));
    PutStream(root, "Object.Stream", Pattern(20, 2));
    EXPECT_EQ(GetStream(root, "Object.Stream"), Pattern(20, 2));
}

TEST(CompoundStream, MisuseThrowsFileErrorWithItsCause)
{
    Storage root;
    ASSERT_EQ(CreateTempCompoundFile(root), Status::Ok);
    auto stream = NewStream(root, "s");
    auto expectError = [](int osError, auto&& action) {
        try {
            action();
            ADD_FAILURE() << "no error, expected errno " << osError;
        } catch (const io::FileError& e) {
            EXPECT_EQ(e.osError(), osError) << e.what();
        }
    };
    expectError(EINVAL, [&] { stream->Seek(-1, io::Stream::Begin); });
    expectError(EINVAL, [&] { stream->Seek(-1, io::Stream::End); });
    expectError(EFBIG, [&] {
        stream->Seek(0xFFFFFFFF, io::Stream::Begin);
        stream->Write("x", 1);
    });
    ASSERT_EQ(root.DestroyElement("s"), Status::Ok);
    expectError(ENOENT, [&] { stream->Write("x", 1); });
    expectError(ENOENT, [&] { stream->GetLength(); });
}

} // namespace
