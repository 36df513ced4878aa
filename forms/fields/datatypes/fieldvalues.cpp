#include "forms/fields/datatypes/fieldvalues.h"

#include "forms/fields/datatypes/record_fields.h"
#include "forms/model/record_archive.h"

#include "platform/io/archive_error.h"

#include <algorithm>

namespace {

constexpr uint8_t kListRecord = 0x81;
constexpr uint8_t kValuesGroup = 1;
constexpr uint8_t kValueRecord = 0x82;
constexpr uint8_t kListBoxKind = 'A';

} // namespace

void FIELDVALUES::Save(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    const auto kind = static_cast<uint8_t>(GetKindLetter());
    ar.WriteTag(kind);
    SaveBody(ar, kind);
    ar.WriteTag(kEndGroup);
    ar.WriteTag(kEndGroup);
}

std::unique_ptr<FIELDVALUES> FIELDVALUES::Load(RECORDARCHIVE& ar)
{
    std::unique_ptr<FIELDVALUES> list;
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return list;
        if (tag == kListBoxKind && !list) {
            list = std::make_unique<LISTBOXVALUES>();
            if (!list->LoadBody(ar))
                list.reset();
        } else {
            // A kind this program does not know: its group is stepped over
            // whole, so that the field's records after it stay in step.
            ar.SkipRecord(tag);
        }
    }
}

LISTBOXVALUES::LISTBOXVALUES(uint16_t slots)
    : pValues(slots)
    , nCount(slots)
{}

std::unique_ptr<FIELDVALUES> LISTBOXVALUES::Clone() const
{
    auto copy = std::make_unique<LISTBOXVALUES>(nCount);
    copy->CopyFrom(*this);
    return copy;
}

void LISTBOXVALUES::SaveBody(RECORDARCHIVE& ar, uint8_t) const
{
    ar.BeginRecord();
    ar.PutU16(bListOnly ? 1 : 0);
    ar.PutU16(nCount);
    ar.EndRecord(kListRecord);
    ar.WriteTag(kValuesGroup);
    for (uint16_t i = 0; i < nCount; ++i) {
        ar.BeginRecord();
        PutCountedText(ar, pValues[i]);
        ar.EndRecord(kValueRecord);
    }
    ar.WriteTag(kEndGroup);
}

int LISTBOXVALUES::LoadBody(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup) {
            // The count must name the values held, whatever order the
            // records came in.
            if (pValues.size() < nCount)
                throw io::ArchiveError(io::ArchiveError::BadFormat, "value count does not match its records");
            return 1;
        }
        if (tag == kListRecord) {
            RecordReader r = ar.ReadRecord();
            bListOnly = r.U16() ? 1 : 0;
            nCount = r.U16();
        } else if (tag == kValuesGroup) {
            pValues.assign(nCount, std::string());
            size_t read = 0;
            for (uint8_t t = ar.ReadTag(); t != kEndGroup; t = ar.ReadTag()) {
                if (t != kValueRecord) {
                    ar.SkipRecord(t);
                    continue;
                }
                RecordReader r = ar.ReadRecord();
                std::string value = ReadCountedText(r);
                if (read < pValues.size())
                    pValues[read] = std::move(value);
                ++read;
            }
            if (read != nCount)
                throw io::ArchiveError(io::ArchiveError::BadFormat, "value count does not match its records");
        } else {
            ar.SkipRecord(tag);
        }
    }
}

void LISTBOXVALUES::FillListBox(VALUELISTBOX& box) const
{
    box.ResetContent();
    for (uint16_t i = 0; i < nCount; ++i)
        box.AddString(pValues[i]);
}

void LISTBOXVALUES::InsertValueAt(std::string_view text, uint16_t index)
{
    if (nCount == UINT16_MAX)
        return;
    index = std::min(index, nCount);
    std::vector<std::string> values(pValues.begin(), pValues.begin() + nCount);
    values.insert(values.begin() + index, std::string(text));
    pValues = std::move(values);
    ++nCount;
}

void LISTBOXVALUES::RemoveEntry(uint16_t index)
{
    if (index >= nCount)
        return;
    for (uint16_t i = index; i + 1 < nCount; ++i)
        pValues[i] = std::move(pValues[i + 1]);
    pValues[nCount - 1].clear();
    --nCount;
}

void LISTBOXVALUES::SetEntry(std::string_view text, uint16_t index)
{
    if (index < nCount)
        pValues[index] = text;
}

void LISTBOXVALUES::SwapEntries(uint16_t i, uint16_t j)
{
    if (i != j && i < nCount && j < nCount)
        std::swap(pValues[i], pValues[j]);
}

void LISTBOXVALUES::CopyFrom(const LISTBOXVALUES& other)
{
    bListOnly = other.bListOnly;
    pValues.assign(other.pValues.begin(), other.pValues.begin() + other.nCount);
    nCount = other.nCount;
}
