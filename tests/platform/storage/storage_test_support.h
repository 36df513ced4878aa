// Helpers shared by the compound-file tests: a scratch folder per test,
// whole-file reads, and stream contents put and got in one call.
#pragma once

#include "platform/storage/compound_file.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace storage {

// Lets test failures name the status.
inline void PrintTo(Status status, std::ostream* os)
{
    *os << StatusText(status);
}

} // namespace storage

namespace storage::testing {

// An empty folder under the test output folder, named after the running test.
std::filesystem::path ScratchFolder();

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

// `n` bytes that differ from stream to stream (by `seed`) and along the stream.
std::vector<uint8_t> Pattern(size_t n, unsigned seed);

// Creates (replacing) the stream and writes the bytes through an archive.
void PutStream(Storage& parent, const std::string& name, const std::vector<uint8_t>& bytes);
// The whole contents of an existing stream, read through an archive.
std::vector<uint8_t> GetStream(const Storage& parent, const std::string& name);

ClassId MakeClassId(unsigned seed);

// A small compound file with one "Contents" stream, committed; its path.
std::string WriteSmallFile(const std::filesystem::path& path);
// The names in a folder, sorted.
std::vector<std::string> FolderNames(const std::filesystem::path& folder);

// One element of a file seen whole: its kind, class id and bytes.
struct Entry {
    ElementKind kind;
    ClassId classId;
    std::vector<uint8_t> data;
    friend bool operator==(const Entry&, const Entry&) = default;
};
// Every element under a storage keyed by its path ("A/B/Deep"); the storage
// itself under "".
using Snapshot = std::map<std::string, Entry>;
Snapshot TakeSnapshot(const Storage& storage);

// A file with nested storages, empty and multi-megabyte streams, class ids,
// and names with Windows-1252 letters and control characters.
void BuildSample(Storage& root);

} // namespace storage::testing
