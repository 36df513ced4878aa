#include "platform/storage/file_state.h"

#include "platform/storage/file_replace.h"
#include "platform/storage/gsf_writer.h"

#include <unistd.h>

namespace storage {

FileState::~FileState()
{
    if (temporary)
        ::unlink(path.c_str());
}

Status FileState::Commit() const
{
    if (readOnly)
        return Status::Ok;
    std::vector<uint8_t> bytes;
    Status status = WriteCompoundFile(*root, bytes);
    if (status != Status::Ok)
        return status;
    return ReplaceFile(path, bytes);
}

} // namespace storage
