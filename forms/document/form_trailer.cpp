#include "forms/document/form_trailer.h"

#include "forms/model/record_archive.h"

namespace {

constexpr uint8_t kEmbeddedPicturesGroup = 0x79;
constexpr uint8_t kPictureReferencesGroup = 0x2A;

uint32_t U32At(std::span<const uint8_t> bytes, size_t at)
{
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16
        | uint32_t(bytes[at + 3]) << 24;
}

// Steps over the group whose tag stands at `at` by the record grammar; false
// when the bytes end before the group is closed.
bool SkipGroup(std::span<const uint8_t> bytes, size_t& at)
{
    ++at;
    uint64_t depth = 1;
    while (depth > 0) {
        if (at >= bytes.size())
            return false;
        const uint8_t tag = bytes[at++];
        uint64_t length = 0;
        if (tag == kEndGroup) {
            --depth;
            continue;
        }
        if (tag < 0x80) {
            ++depth;
            continue;
        }
        const size_t header = tag == kLongRecord || tag == kArrayRecord ? 4 : 2;
        if (bytes.size() - at < header)
            return false;
        if (tag == kLongRecord)
            length = U32At(bytes, at);
        else if (tag == kArrayRecord)
            length = uint64_t(bytes[at] | bytes[at + 1] << 8) * (bytes[at + 2] | bytes[at + 3] << 8);
        else
            length = bytes[at] | bytes[at + 1] << 8;
        at += header;
        if (bytes.size() - at < length)
            return false;
        at += static_cast<size_t>(length);
    }
    return true;
}

// From `at`: the item count and, without items, the picture references.
bool ItemsAndReferences(std::span<const uint8_t> bytes, size_t at, uint16_t lastOleItem)
{
    if (bytes.size() - at < 4)
        return false;
    const uint32_t items = U32At(bytes, at);
    at += 4;
    if (items > lastOleItem)
        return false;
    if (items > 0 || at == bytes.size())
        return true;
    return bytes[at] == kPictureReferencesGroup && SkipGroup(bytes, at) && at == bytes.size();
}

} // namespace

bool IsFormTrailer(std::span<const uint8_t> bytes, uint16_t lastOleItem)
{
    if (bytes.empty())
        return true;
    size_t afterPictures = 0;
    if (bytes[0] == kEmbeddedPicturesGroup && SkipGroup(bytes, afterPictures)
        && ItemsAndReferences(bytes, afterPictures, lastOleItem))
        return true;
    return ItemsAndReferences(bytes, 0, lastOleItem);
}
