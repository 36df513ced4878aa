// Fields of the value records that the record reader and writer do not
// carry themselves: doubles, and texts as a 16-bit count and the bytes
// without a terminator.
#pragma once

#include "forms/model/record_archive.h"
#include "forms/model/record_reader.h"

#include <string>
#include <string_view>

void PutDouble(RECORDARCHIVE& ar, double v);
// Eight bytes; `fallback` when the record has fewer left.
double ReadDouble(RecordReader& r, double fallback = 0.0);

// u16 count, the bytes. Throws io::ArchiveError for a text longer than a
// count can say.
void PutCountedText(RECORDARCHIVE& ar, std::string_view text);
// Missing gives the empty text; a count past the record's end raises
// io::ArchiveError (BadFormat).
std::string ReadCountedText(RecordReader& r);
