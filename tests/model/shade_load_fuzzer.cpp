// Feeds arbitrary bytes to a fill's group reader; whatever it reads must
// leave a pattern that has a bitmap or the no-fill flag.
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"

#include "platform/io/memory_file.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    io::MemoryFile file(std::vector<uint8_t>(data, data + size));
    io::Archive ar(file, io::Archive::Load);
    RECORDARCHIVE rec(ar);
    BASICSHADE shade;
    try {
        shade.Load(rec);
    } catch (const io::ArchiveError&) {
    }
    if (shade.pattern < 0 || shade.pattern >= 20)
        std::abort();
    return 0;
}
