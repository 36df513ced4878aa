// Reads a whole compound file, held in memory, into a tree through libgsf,
// checking what it reads: damage gives NotCompoundFile, never a crash, and no
// stream is taken larger than the file could hold.
#pragma once

#include "platform/storage/node.h"
#include "platform/storage/status.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace storage {

Status ReadCompoundFile(const uint8_t* bytes, size_t size, std::shared_ptr<Node>& root);

} // namespace storage
