// Whether this process may put a new file in the place of an existing one.
// Replacing goes by renaming, which only the folder's permissions govern, so
// the file's own permissions are checked here first.
#pragma once

#include "platform/storage/status.h"

#include <string>

namespace storage {

// Ok when nothing is at the path or the file there is one we may write.
// AccessDenied when it is not: the system refuses the effective user write
// access, no one at all has a write bit (which the superuser would otherwise
// override), or it is immutable or append-only. A symbolic link is followed.
// Other failures to look at the path give their Status (a link loop, a name
// too long, a folder on the way that is missing or may not be searched).
Status CheckWritable(const std::string& path);

} // namespace storage
