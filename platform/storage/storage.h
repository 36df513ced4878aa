// A storage of a compound file: the root storage of a file or one of its
// sub-storages. A Storage is a handle; copies refer to the same storage, and
// the file's tree lives while any handle or stream of it does. Changes stay in
// memory until the root is committed (see compound_file.h for opening files).
// Names are Windows-1252 and compared without regard to case.
// Every operation answers a Status and throws nothing.
#pragma once

#include "platform/storage/class_id.h"
#include "platform/storage/status.h"
#include "platform/storage/stream.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace storage {

struct FileState;
struct Node;

// What creating an element does when one of that name is already there.
enum class CreateMode {
    FailIfThere, // AlreadyExists
    Replace, // the old element, of either kind, is destroyed first
};

enum class MoveMode {
    Move, // the element leaves this storage
    Copy, // the element stays here too
};

enum class ElementKind { Storage, Stream };

struct ElementInfo {
    std::string name;
    ElementKind kind;
    uint64_t size; // streams: bytes; storages: 0
    ClassId classId; // storages only
};

class Storage {
public:
    // No storage.
    Storage() = default;
    Storage(std::shared_ptr<FileState> file, std::shared_ptr<Node> node);

    bool IsOpen() const { return node_ != nullptr; }
    explicit operator bool() const { return IsOpen(); }
    // Lets go of the storage; the handle becomes none.
    void Release();

    // "" for a root storage.
    std::string GetName() const;
    bool IsRoot() const;
    bool IsReadOnly() const;
    // The path of the compound file (for a temporary file, where it is kept).
    std::string GetFilePath() const;

    // The element must exist and be of that kind, else ElementNotFound.
    Status OpenStorage(std::string_view name, Storage& out) const;
    Status OpenStream(std::string_view name, std::unique_ptr<Stream>& out) const;
    // A new element is empty (a new storage has a null class id).
    Status CreateStorage(std::string_view name, CreateMode mode, Storage& out);
    Status CreateStream(std::string_view name, CreateMode mode, std::unique_ptr<Stream>& out);

    // The elements in compound-file order (shorter names first, then by name).
    Status List(std::vector<ElementInfo>& out) const;
    Status DestroyElement(std::string_view name);
    Status RenameElement(std::string_view oldName, std::string_view newName);
    // Moves or copies an element, with everything under it and its class ids,
    // into `dest` (this or another file) as `newName`, replacing an element of
    // that name there.
    Status MoveElementTo(std::string_view name, Storage& dest, std::string_view newName, MoveMode mode);

    Status GetClassId(ClassId& out) const;
    Status SetClassId(const ClassId& id);

    // On a root storage, writes the whole file: a new file beside the old one
    // is renamed over it, so a failure leaves the old file whole. A file opened
    // for reading has nothing to write. On a sub-storage there is nothing to
    // do: its changes are already part of its file, written when the root is
    // committed.
    Status Commit();

private:
    // Ok when the handle can be used, and may change the file when `writing`.
    Status Check(bool writing) const;
    // What creating an element of either kind checks and does: the handle may
    // write, the name is valid, room is made as the mode says; then an empty
    // element of that kind is added here and given in `out`.
    Status AddElement(std::string_view name, CreateMode mode, ElementKind kind, std::shared_ptr<Node>& out);

    std::shared_ptr<FileState> file_;
    std::shared_ptr<Node> node_;
};

} // namespace storage
