// The 16-byte class id of a storage, held in the byte order of the file
// (a GUID: first three fields little-endian, the last eight bytes as they are).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace storage {

struct ClassId {
    std::array<uint8_t, 16> bytes {};

    bool IsNull() const;
    // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" in upper case.
    std::string ToString() const;
    // Reads that form, braces optional, either case; nullopt when malformed.
    static std::optional<ClassId> FromString(std::string_view text);

    friend bool operator==(const ClassId&, const ClassId&) = default;
};

} // namespace storage
