#include "platform/io/archive_error.h"

namespace io {

ArchiveError::ArchiveError(Cause cause, const std::string& what)
    : std::runtime_error(what)
    , cause_(cause)
{}

FileError::FileError(int osError, const std::string& what)
    : std::runtime_error(what)
    , osError_(osError)
{}

} // namespace io
