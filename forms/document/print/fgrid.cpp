// The grid's records.
#include "forms/document/print/fgrid.h"

#include "forms/model/record_archive.h"

namespace {
constexpr uint8_t kGridRecord = 150;
constexpr uint8_t kOldGridRecord = 149;
}

int FGRID::Write(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    ar.BeginRecord();
    ar.PutU16(on);
    ar.PutU16(spacingX);
    ar.PutU16(spacingY);
    ar.PutI32(originX);
    ar.PutI32(originY);
    ar.EndRecord(kGridRecord);
    ar.WriteTag(kEndGroup);
    return 1;
}

void FGRID::Read(RECORDARCHIVE& ar)
{
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag != kGridRecord && tag != kOldGridRecord) {
            ar.SkipRecord(tag);
            continue;
        }
        RECORDREADER record = ar.ReadRecord();
        on = record.U16(on);
        spacingX = record.U16(spacingX);
        spacingY = record.U16(spacingY);
        if (tag == kGridRecord) {
            originX = record.I32(originX);
            originY = record.I32(originY);
        }
    }
}
