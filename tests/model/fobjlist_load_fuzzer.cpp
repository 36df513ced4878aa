// Feeds arbitrary bytes to an object list's Load, with a box and a group
// kind registered so that object groups and nested lists are read too.
#include "tests/model/test_objects.h"

#include "forms/model/int_exception.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TestKinds kinds;
    io::MemoryFile file(std::vector<uint8_t>(data, data + size));
    io::Archive ar(file, io::Archive::Load);
    FakeDocument doc;
    RECORDARCHIVE rec(ar, &doc);
    FOBJLIST list;
    try {
        list.Load(rec, 0);
    } catch (const io::ArchiveError&) {
    } catch (const CIntException&) {
    }
    return 0;
}
