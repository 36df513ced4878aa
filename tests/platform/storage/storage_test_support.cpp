#include "storage_test_support.h"

#include "platform/io/archive.h"

#include <algorithm>
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

namespace {

void AddEntries(const Storage& storage, const std::string& prefix, Snapshot& out)
{
    std::vector<ElementInfo> list;
    ASSERT_EQ(storage.List(list), Status::Ok);
    for (const auto& e : list) {
        std::string path = prefix + e.name;
        if (e.kind == ElementKind::Stream) {
            out[path] = {e.kind, {}, GetStream(storage, e.name)};
            continue;
        }
        Storage child;
        ASSERT_EQ(storage.OpenStorage(e.name, child), Status::Ok);
        out[path] = {e.kind, e.classId, {}};
        AddEntries(child, path + "/", out);
    }
}

} // namespace

Snapshot TakeSnapshot(const Storage& storage)
{
    Snapshot out;
    ClassId id;
    EXPECT_EQ(storage.GetClassId(id), Status::Ok);
    out[""] = {ElementKind::Storage, id, {}};
    AddEntries(storage, "", out);
    return out;
}

void BuildSample(Storage& root)
{
    ASSERT_EQ(root.SetClassId(MakeClassId(1)), Status::Ok);
    PutStream(root, "Contents", Pattern(3000, 1));
    PutStream(root, "Empty", {});
    PutStream(root, "Caf\xE9 \x80", Pattern(17, 2));
    PutStream(root,
        "\x01"
        "CompObj",
        Pattern(4096, 3));

    Storage images, a, b, c, empty;
    ASSERT_EQ(root.CreateStorage("Images", CreateMode::FailIfThere, images), Status::Ok);
    ASSERT_EQ(images.SetClassId(MakeClassId(2)), Status::Ok);
    PutStream(images, "1", Pattern(4 << 20, 4));
    PutStream(images, "2", Pattern(4095, 5));
    ASSERT_EQ(root.CreateStorage("EmptyStorage", CreateMode::FailIfThere, empty), Status::Ok);
    ASSERT_EQ(root.CreateStorage("A", CreateMode::FailIfThere, a), Status::Ok);
    ASSERT_EQ(a.CreateStorage("B", CreateMode::FailIfThere, b), Status::Ok);
    ASSERT_EQ(b.CreateStorage("C", CreateMode::FailIfThere, c), Status::Ok);
    ASSERT_EQ(c.SetClassId(MakeClassId(3)), Status::Ok);
    PutStream(c, "Deep", Pattern(5000, 6));
    PutStream(a, "Beside", Pattern(1, 7));
}

std::string WriteSmallFile(const std::filesystem::path& path)
{
    Storage root;
    EXPECT_EQ(CreateCompoundFile(path.string(), CreateMode::Replace, root), Status::Ok);
    PutStream(root, "Contents", Pattern(2000, 1));
    EXPECT_EQ(root.Commit(), Status::Ok);
    return path.string();
}

std::vector<std::string> FolderNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace storage::testing
