// Records of fixed fields (a rectangle, a shade, a character format...).
// Every writer assembles such a record in the record stream's 512-byte
// buffer, so a longer stated length can only come from a damaged file:
// read on by it, the record would swallow the records and group ends after
// it and the rest of the body would be read out of step.
#pragma once

#include "forms/model/record_reader.h"

#include <cstddef>

class RECORDARCHIVE;

// The most payload bytes a record assembled in the record buffer holds.
constexpr size_t kRecordBufferBytes = 512;

// Reads the record whose tag was just read, as RECORDARCHIVE::ReadRecord;
// a stated length beyond kRecordBufferBytes raises io::ArchiveError
// (BadFormat) and reads nothing of the payload.
RecordReader ReadFixedRecord(RECORDARCHIVE& ar);
