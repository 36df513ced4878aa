#include "forms/fields/datatypes/record_fields.h"

#include "platform/io/archive_error.h"

#include <cstring>
#include <limits>

void PutDouble(RECORDARCHIVE& ar, double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    ar.PutU32(static_cast<uint32_t>(bits));
    ar.PutU32(static_cast<uint32_t>(bits >> 32));
}

double ReadDouble(RecordReader& r, double fallback)
{
    if (r.Remaining() < sizeof(double)) {
        r.U32();
        r.U32();
        return fallback;
    }
    const uint64_t low = r.U32();
    const uint64_t high = r.U32();
    const uint64_t bits = low | high << 32;
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

void PutCountedText(RECORDARCHIVE& ar, std::string_view text)
{
    if (text.size() > std::numeric_limits<uint16_t>::max())
        throw io::ArchiveError(io::ArchiveError::Generic, "text too long for a record");
    ar.PutU16(static_cast<uint16_t>(text.size()));
    ar.PutBytes(text.data(), text.size());
}

std::string ReadCountedText(RecordReader& r)
{
    if (r.Remaining() < 2) {
        r.U16();
        return {};
    }
    const uint16_t n = r.U16();
    if (n > r.Remaining())
        throw io::ArchiveError(io::ArchiveError::BadFormat, "text longer than its record");
    std::string text(n, '\0');
    for (uint16_t i = 0; i < n; ++i)
        text[i] = static_cast<char>(r.U8());
    return text;
}
