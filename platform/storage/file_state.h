// What a compound file's handles share: where the file lies, how it was
// opened, and its tree. A temporary file is deleted when the last handle goes.
#pragma once

#include "platform/storage/node.h"
#include "platform/storage/status.h"

#include <memory>
#include <string>

namespace storage {

struct FileState {
    std::string path;
    bool readOnly = false;
    bool temporary = false;
    std::shared_ptr<Node> root;

    FileState() = default;
    FileState(const FileState&) = delete;
    FileState& operator=(const FileState&) = delete;
    ~FileState();

    // Writes the whole tree to the path (nothing for a read-only file).
    Status Commit() const;
};

} // namespace storage
