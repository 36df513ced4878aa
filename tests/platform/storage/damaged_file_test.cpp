// Truncated, forged and scrambled compound files give an error, never a crash
// or an allocation larger than the file could justify.
#include "storage_test_support.h"

#include <cstring>
#include <optional>
#include <random>

using namespace storage;
using namespace storage::testing;

namespace {

// A small, sound file: big and small streams, a nested storage, a class id.
std::vector<uint8_t> SoundFile(const std::filesystem::path& folder)
{
    auto path = (folder / "sound.qwm").string();
    Storage root;
    EXPECT_EQ(CreateCompoundFile(path, CreateMode::Replace, root), Status::Ok);
    root.SetClassId(MakeClassId(1));
    PutStream(root, "Contents", Pattern(5000, 1));
    PutStream(root, "Small", Pattern(100, 2));
    Storage inner;
    EXPECT_EQ(root.CreateStorage("Images", CreateMode::Replace, inner), Status::Ok);
    PutStream(inner, "1", Pattern(300, 3));
    EXPECT_EQ(root.Commit(), Status::Ok);
    return ReadBytes(path);
}

Status OpenBytes(const std::filesystem::path& folder, const std::vector<uint8_t>& bytes, Storage& root)
{
    auto path = folder / "damaged.qwm";
    WriteBytes(path, bytes);
    return OpenCompoundFile(path.string(), Access::Read, root);
}

void PutU32(std::vector<uint8_t>& bytes, size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<uint8_t>(value >> (8 * i));
}

// Offset of the directory entry named `name` (ASCII) in a 512-byte-sector file.
size_t DirectoryEntry(const std::vector<uint8_t>& bytes, const char* name)
{
    uint32_t first = bytes[0x30] | bytes[0x31] << 8 | bytes[0x32] << 16 | bytes[0x33] << 24;
    size_t start = (first + 1) * 512;
    const size_t length = std::strlen(name);
    for (size_t at = start; at + 128 <= bytes.size(); at += 128) {
        // The name's characters, then its terminating NUL character.
        bool same = true;
        for (size_t i = 0; i <= length; ++i) {
            const uint8_t wanted = i < length ? static_cast<uint8_t>(name[i]) : 0;
            same = same && bytes[at + 2 * i] == wanted && bytes[at + 2 * i + 1] == 0;
        }
        if (same)
            return at;
    }
    ADD_FAILURE() << "no directory entry " << name;
    return 0;
}

TEST(DamagedFile, WhatIsNoCompoundFileIsRefused)
{
    auto folder = ScratchFolder();
    const std::vector<std::vector<uint8_t>> inputs = {
        {},
        {'h', 'e', 'l', 'l', 'o'},
        std::vector<uint8_t>(4096, 0),
        {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1},
    };
    for (const auto& bytes : inputs) {
        Storage root;
        EXPECT_EQ(OpenBytes(folder, bytes, root), Status::NotCompoundFile) << bytes.size() << " bytes";
        EXPECT_FALSE(root.IsOpen());
    }
    Storage root;
    EXPECT_EQ(OpenCompoundFile(folder.string(), Access::Read, root), Status::NotCompoundFile);
    EXPECT_EQ(OpenCompoundFile((folder / "missing").string(), Access::Read, root), Status::FileNotFound);

    // A file too large to hold is refused before anything is read (it is sparse).
    auto huge = folder / "huge.qwm";
    WriteBytes(huge, {});
    std::filesystem::resize_file(huge, (uintmax_t {1} << 30) + 1);
    EXPECT_EQ(OpenCompoundFile(huge.string(), Access::Read, root), Status::TooLarge);
    std::filesystem::remove(huge);
}

TEST(DamagedFile, TruncationIsAnError)
{
    auto folder = ScratchFolder();
    auto sound = SoundFile(folder);
    for (size_t keep : {size_t {1}, size_t {76}, size_t {511}, size_t {512}, size_t {1000}, sound.size() / 2,
             sound.size() - 512, sound.size() - 1}) {
        std::vector<uint8_t> bytes(sound.begin(), sound.begin() + keep);
        Storage root;
        EXPECT_EQ(OpenBytes(folder, bytes, root), Status::NotCompoundFile) << "kept " << keep;
    }
}

TEST(DamagedFile, ForgedFieldsAreErrors)
{
    auto folder = ScratchFolder();
    auto sound = SoundFile(folder);
    struct Case {
        const char* what;
        const char* entry; // directory entry the offset is relative to, or null for the header
        size_t offset;
        std::optional<uint32_t> value; // none: the entry's own index
    };
    const Case cases[] = {
        {"signature", nullptr, 0x00, 0x12345678},
        {"sector shift", nullptr, 0x1C, 0x00FFFFFE},
        {"sector shift zero", nullptr, 0x1C, 0x0000FFFE},
        {"FAT sector count", nullptr, 0x2C, 0xFFFFFFFF},
        {"directory start", nullptr, 0x30, 0xFFFFFFF0},
        {"directory start past the end", nullptr, 0x30, 5000},
        {"first FAT sector", nullptr, 0x4C, 0x7FFFFFFF},
        {"stream size beyond the file", "Contents", 0x78, 0xFFFFFF00},
        {"stream start", "Contents", 0x74, 0x00FFFFFF},
        {"small stream start", "Small", 0x74, 0x00FFFFFF},
        {"storage child looping to the root", "Images", 0x4C, 0},
        {"sibling pointing at itself", "Images", 0x44, std::nullopt},
    };
    for (const auto& c : cases) {
        auto bytes = sound;
        size_t base = c.entry ? DirectoryEntry(bytes, c.entry) : 0;
        uint32_t self = static_cast<uint32_t>((base - DirectoryEntry(bytes, "Root Entry")) / 128);
        PutU32(bytes, base + c.offset, c.value.value_or(self));
        Storage root;
        EXPECT_EQ(OpenBytes(folder, bytes, root), Status::NotCompoundFile) << c.what;
    }
}

TEST(DamagedFile, TwoElementsOfOneNameAreAnError)
{
    auto folder = ScratchFolder();
    auto bytes = SoundFile(folder);
    size_t at = DirectoryEntry(bytes, "Small");
    const char name[] = "CONTENTS"; // "Contents" stands beside it
    for (size_t i = 0; i < sizeof name; ++i) {
        bytes[at + 2 * i] = static_cast<uint8_t>(name[i]);
        bytes[at + 2 * i + 1] = 0;
    }
    bytes[at + 0x40] = 2 * sizeof name;
    Storage root;
    EXPECT_EQ(OpenBytes(folder, bytes, root), Status::NotCompoundFile);
}

TEST(DamagedFile, ScrambledBytesNeverCrash)
{
    auto folder = ScratchFolder();
    auto sound = SoundFile(folder);
    std::mt19937 random(1234);
    int opened = 0;
    for (int round = 0; round < 400; ++round) {
        auto bytes = sound;
        int flips = 1 + static_cast<int>(random() % 8);
        for (int i = 0; i < flips; ++i) {
            // Half the flips hit the header and the directory, where damage bites.
            size_t at = random() % 2 ? random() % bytes.size() : random() % 1024;
            bytes[at % bytes.size()] ^= static_cast<uint8_t>(1 + random() % 255);
        }
        Storage root;
        Status status = OpenBytes(folder, bytes, root);
        ASSERT_TRUE(status == Status::Ok || status == Status::NotCompoundFile) << "round " << round;
        if (status == Status::Ok) {
            ++opened;
            TakeSnapshot(root);
        }
    }
    // Flips in unused bytes and stream data leave a readable file.
    EXPECT_GT(opened, 0);
}

} // namespace
