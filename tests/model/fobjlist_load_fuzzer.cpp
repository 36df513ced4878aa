// Feeds arbitrary bytes to an object list's Load, with a box, a group, the
// text object and the field with its data types registered so that object
// groups, nested lists, rich text, data types and value lists from a file
// are read too; what was read is saved again.
#include "tests/model/test_objects.h"

#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/model/int_exception.h"
#include "forms/model/object_factory.h"
#include "forms/objects/ffield.h"
#include "forms/objects/ftable.h"
#include "forms/objects/ftextobj.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static TestKinds kinds;
    static const bool text
        = RegisterObjectClass(kTypeText, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FTEXTOBJ>()); });
    static const bool field
        = RegisterObjectClass(kTypeField, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FFIELD>()); });
    static const bool table
        = RegisterObjectClass(kTypeTable, [] { return std::unique_ptr<FORMOBJ>(std::make_unique<FTABLE>()); });
    static const bool types = (RegisterValueDataTypes(), true);
    (void)text;
    (void)field;
    (void)table;
    (void)types;
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
