// The in-memory tree of a compound file: each element is a storage with its
// children or a stream with its bytes. Storage handles and streams point into
// it; the whole tree is written out when the file is committed.
#pragma once

#include "platform/storage/class_id.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace storage {

struct Node {
    enum Kind { StorageNode, StreamNode };

    Kind kind = StorageNode;
    std::string name; // Windows-1252, as our code spells it
    std::string wireName; // UTF-8 as the file holds it, so foreign names survive a rewrite
    ClassId classId; // storages only
    std::vector<uint8_t> data; // streams only
    std::vector<std::shared_ptr<Node>> children; // storages only, in compound-file order
    bool removed = false; // destroyed while a handle still pointed at it

    static std::shared_ptr<Node> Make(Kind kind, std::string_view name);
};

// The child of that name (letters compared without case), or null.
std::shared_ptr<Node> FindChild(const Node& parent, std::string_view name);
// Puts a child in its place in compound-file order.
void InsertChild(Node& parent, std::shared_ptr<Node> child);
// Takes the child out and marks it and everything under it removed.
void RemoveChild(Node& parent, const Node* child);
// A full copy of an element with everything under it, class ids included.
std::shared_ptr<Node> DeepCopy(const Node& node);
// Whether `inner` is `outer` or lies anywhere under it.
bool Encloses(const Node& outer, const Node* inner);

} // namespace storage
