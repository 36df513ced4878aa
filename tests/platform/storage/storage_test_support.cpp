#include "storage_test_support.h"

#include "platform/io/archive.h"

#include <fstream>
#include <iterator>

namespace storage::testing {

std::filesystem::path ScratchFolder()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(info->test_suite_name()) + "." + info->name();
    for (char& c : name) {
        if (c == '/')
            c = '_';
    }
    auto folder = std::filesystem::path(FORMS_TEST_OUTPUT_DIR) / "storage" / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> Pattern(size_t n, unsigned seed)
{
    std::vector<uint8_t> bytes(n);
    uint32_t x = seed * 2654435761u + 1;
    for (auto& b : bytes) {
        x = x * 1103515245u + 12345u;
        b = static_cast<uint8_t>(x >> 24);
    }
    return bytes;
}

void PutStream(Storage& parent, const std::string& name, const std::vector<uint8_t>& bytes)
{
    std::unique_ptr<Stream> stream;
    ASSERT_EQ(parent.CreateStream(name, CreateMode::Replace, stream), Status::Ok) << name;
    io::Archive ar(*stream, io::Archive::Store);
    ar.Write(bytes.data(), bytes.size());
    ar.Close();
}

std::vector<uint8_t> GetStream(const Storage& parent, const std::string& name)
{
    std::unique_ptr<Stream> stream;
    EXPECT_EQ(parent.OpenStream(name, stream), Status::Ok) << name;
    if (!stream)
        return {};
    std::vector<uint8_t> bytes(stream->GetLength());
    io::Archive ar(*stream, io::Archive::Load);
    ar.Read(bytes.data(), bytes.size());
    return bytes;
}

ClassId MakeClassId(unsigned seed)
{
    ClassId id;
    auto bytes = Pattern(16, seed);
    std::copy(bytes.begin(), bytes.end(), id.bytes.begin());
    return id;
}

} // namespace storage::testing
