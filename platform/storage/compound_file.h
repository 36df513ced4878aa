// Opening and creating compound files. A file is read whole into memory;
// nothing reaches the disk until its root storage is committed.
#pragma once

#include "platform/storage/storage.h"

#include <string>

namespace storage {

enum class Access { Read, ReadWrite };

// Opens an existing compound file. A file that is missing gives FileNotFound,
// one that cannot be read AccessDenied, one that is not a sound compound file
// NotCompoundFile (so is anything but a regular file: a named pipe is not
// waited on), one over 1 GiB TooLarge. Opening for ReadWrite also needs a
// file we may write (CheckWritable).
Status OpenCompoundFile(const std::string& path, Access access, Storage& root);

// Starts a new, empty compound file, written at the path when committed.
// Replace takes the place of a file there; FailIfThere gives FileExists when
// one is there. A missing folder gives FileNotFound, a folder we may not
// write or a file there that we may not write (CheckWritable) AccessDenied.
Status CreateCompoundFile(const std::string& path, CreateMode mode, Storage& root);

// A new, empty compound file in the temporary folder ($TMPDIR or /tmp),
// deleted when its last handle and stream are gone.
Status CreateTempCompoundFile(Storage& root);

} // namespace storage
