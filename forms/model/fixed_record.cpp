#include "forms/model/fixed_record.h"

#include "forms/model/record_archive.h"

#include "platform/io/archive_error.h"

RecordReader ReadFixedRecord(RECORDARCHIVE& ar)
{
    const uint16_t length = ar.ReadRecordLength();
    if (length > kRecordBufferBytes)
        throw io::ArchiveError(io::ArchiveError::BadFormat, "record longer than its fields can be");
    return RecordReader(ar.GetArchive(), length);
}
