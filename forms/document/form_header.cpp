// The header and version records of the form file.
#include "forms/document/form_header.h"

#include "forms/model/record_archive.h"

#include <array>

void WriteFormHeader(RECORDARCHIVE& ar)
{
    ar.BeginRecord();
    ar.PutBytes(kFormHeaderText.data(), kFormHeaderText.size());
    ar.EndRecord(kHeaderTag);
    ar.BeginRecord();
    ar.PutU16(kFormVersion);
    ar.EndRecord(kVersionTag);
    ar.WriteTag(kBodyMarker);
}

bool ReadFormHeader(RECORDARCHIVE& ar, uint16_t& version)
{
    if (ar.ReadTag() != kHeaderTag)
        return false;
    if (ar.ReadU16() != kFormHeaderText.size())
        return false;
    std::array<char, kFormHeaderText.size()> text {};
    ar.ReadBytes(text.data(), text.size());
    // The last byte, the end-of-text mark, is not compared.
    if (std::string_view(text.data(), text.size() - 1) != kFormHeaderText.substr(0, kFormHeaderText.size() - 1))
        return false;
    ar.ReadTag();
    RecordReader record = ar.ReadRecord();
    version = record.U16();
    return true;
}
