// Results of compound-file operations. Every operation that can fail answers
// a Status; nothing here throws except the io::Stream members of
// storage::Stream, which throw io::FileError as every io::Stream does.
#pragma once

namespace storage {

enum class Status {
    Ok,
    FileNotFound, // the compound file does not exist
    AccessDenied, // read-only file or folder, or a file opened for reading
    FileExists, // creating a compound file that must not exist yet
    NotCompoundFile, // not a compound file, or a truncated or corrupted one
    TooLarge, // a file larger than we hold in memory (1 GiB)
    ElementNotFound, // no storage or stream of that name (or of that kind)
    AlreadyExists, // an element of that name is already there
    InvalidName, // empty, longer than 31 characters, or holding \ / : !
    InvalidMove, // a storage moved or copied into itself
    Reverted, // the element was destroyed while this handle was open
    WriteFault, // the disk refused the new file (full, read error, ...)
    NameTooLong, // a file name or path longer than the system takes
    LinkLoop, // symbolic links on the path that never end in a file
};

// A short English description, for logs and exception texts.
const char* StatusText(Status status);

} // namespace storage
