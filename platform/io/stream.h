// A byte stream under an archive: a disk file, a memory buffer or a
// compound-file stream.
#pragma once

#include <cstddef>
#include <cstdint>

namespace io {

class Stream {
public:
    enum Origin { Begin, Current, End };

    virtual ~Stream() = default;
    // Reads up to n bytes; fewer only at the end of the stream.
    virtual size_t Read(void* buffer, size_t n) = 0;
    // Writes all n bytes or throws FileError.
    virtual void Write(const void* buffer, size_t n) = 0;
    virtual uint64_t Seek(int64_t offset, Origin origin) = 0;
    virtual uint64_t GetPosition() const = 0;
    virtual uint64_t GetLength() const = 0;
    virtual void Flush() {}
};

} // namespace io
