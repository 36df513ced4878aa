#include "platform/storage/status.h"

namespace storage {

const char* StatusText(Status status)
{
    switch (status) {
    case Status::Ok:
        return "no error";
    case Status::FileNotFound:
        return "the compound file does not exist";
    case Status::AccessDenied:
        return "access denied";
    case Status::FileExists:
        return "the compound file already exists";
    case Status::NotCompoundFile:
        return "not a compound file, or a damaged one";
    case Status::TooLarge:
        return "the compound file is too large";
    case Status::ElementNotFound:
        return "no such storage or stream";
    case Status::AlreadyExists:
        return "an element of that name already exists";
    case Status::InvalidName:
        return "invalid element name";
    case Status::InvalidMove:
        return "a storage cannot be moved into itself";
    case Status::Reverted:
        return "the element no longer exists";
    case Status::WriteFault:
        return "the compound file could not be written";
    case Status::NameTooLong:
        return "file name too long";
    case Status::LinkLoop:
        return "too many levels of symbolic links";
    }
    return "unknown error";
}

} // namespace storage
