// Feeds arbitrary bytes to an object list's Load, with a box, a group and
// the text object registered so that object groups, nested lists and rich
// text from a file are read too; what was read is saved again.
#include "tests/model/test_objects.h"

#include "forms/model/ftextobj.h"
#include "forms/model/int_exception.h"
#include "forms/model/object_factory.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TestKinds kinds;
    static const bool text
        = RegisterObjectClass(kTypeText, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FTEXTOBJ>()); });
    (void)text;
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
    Written([&](RECORDARCHIVE& out) { list.Save(out, 0x29, 0); });
    TestLog::Clear();
    return 0;
}
