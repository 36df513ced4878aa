// Lays a tree out as the bytes of a compound file through libgsf.
#pragma once

#include "platform/storage/node.h"
#include "platform/storage/status.h"

#include <cstdint>
#include <vector>

namespace storage {

Status WriteCompoundFile(const Node& root, std::vector<uint8_t>& bytes);

} // namespace storage
