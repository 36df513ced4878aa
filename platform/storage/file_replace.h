// Puts new contents at a path so that a failure at any point leaves the old
// file whole: the bytes go to a new file beside it, are synced, and the new
// file is renamed over the old one.
#pragma once

#include "platform/storage/status.h"

#include <cstdint>
#include <string>
#include <vector>

namespace storage {

// An existing file keeps its permissions; a new one gets 0666 less the umask.
// A symbolic link is followed, so the file it names is replaced. A file we
// may not write is left alone (CheckWritable) and gives AccessDenied.
Status ReplaceFile(const std::string& path, const std::vector<uint8_t>& bytes);

// The folder a path lies in ("." for a bare name).
std::string FolderOf(const std::string& path);

// The Status for a system error met while opening or writing a file.
Status StatusFromErrno(int error);

} // namespace storage
