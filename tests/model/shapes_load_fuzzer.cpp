// Feeds arbitrary bytes to an object list holding the shape kinds, then
// draws, hit-tests and saves whatever was loaded, so that wild widths,
// offsets and coordinates from a file meet the drawing code too.
#include "forms/model/fobjlist.h"
#include "forms/model/formobj.h"
#include "forms/model/int_exception.h"
#include "forms/model/shape_classes.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool registered = (RegisterShapeClasses(), true);
    (void)registered;
    FOBJLIST list;
    try {
        ReadBack(std::vector<uint8_t>(data, data + size), [&](RECORDARCHIVE& ar) { list.Load(ar, 0); });
    } catch (const io::ArchiveError&) {
    } catch (const CIntException&) {
    }
    for (uint8_t kind : {kDeviceWindow, kDevicePreview, kDevicePicture}) {
        Mapped m(kind, 15, 1);
        for (FORMOBJ* o = list.GetHead(); o; o = o->GetNext()) {
            o->Draw(m.dc);
            o->HitTest(m.dc, 10, 10);
        }
    }
    Written([&](RECORDARCHIVE& ar) { list.Save(ar, 0x28, 0); });
    // What the test tracker logged must not pile up over the runs.
    TestLog::Clear();
    return 0;
}
