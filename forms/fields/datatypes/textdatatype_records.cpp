// The text and memo fields' groups in the form file, and their copies.
#include "forms/fields/datatypes/record_fields.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/record_archive.h"

namespace {

constexpr uint8_t kTextRuleRecord = 0x81;
constexpr uint8_t kTextInitialRecord = 0x82;
constexpr uint8_t kMemoFlagRecord = 0x81;
constexpr uint8_t kMemoRuleRecord = 0x82;
constexpr uint8_t kMemoInitialRecord = 0x83;

void PutInitial(RECORDARCHIVE& ar, const std::string& initial, uint8_t tag)
{
    if (initial.empty())
        return;
    ar.BeginRecord();
    PutCountedText(ar, initial);
    ar.EndRecord(tag);
}

std::string ReadInitial(RECORDARCHIVE& ar)
{
    RecordReader r = ar.ReadRecord();
    return ReadCountedText(r);
}

} // namespace

void TEXTDATATYPE::PutRule(RECORDARCHIVE& ar) const
{
    ar.BeginRecord();
    PutCountedText(ar, strRule1);
    PutCountedText(ar, strRule2);
    ar.PutU8(bRuleNegate ? 1 : 0);
    ar.PutU16(wRuleOp);
}

void TEXTDATATYPE::ReadRule(RECORDARCHIVE& ar)
{
    RecordReader r = ar.ReadRecord();
    strRule1 = ReadCountedText(r);
    strRule2 = ReadCountedText(r);
    bRuleNegate = r.U8() ? 1 : 0;
    wRuleOp = r.U16();
}

void TEXTDATATYPE::Save(RECORDARCHIVE& ar)
{
    ar.WriteTag(kKindText);
    PutRule(ar);
    ar.EndRecord(kTextRuleRecord);
    PutInitial(ar, strInitial, kTextInitialRecord);
    ar.WriteTag(kEndGroup);
}

int TEXTDATATYPE::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return 1;
        if (tag == kTextRuleRecord)
            ReadRule(ar);
        else if (tag == kTextInitialRecord)
            strInitial = ReadInitial(ar);
        else
            ar.SkipRecord(tag);
    }
}

void TEXTDATATYPE::CopyTo(TEXTDATATYPE& copy) const
{
    copy.strValue = strValue;
    copy.strRule1 = strRule1;
    copy.strRule2 = strRule2;
    copy.bRuleNegate = bRuleNegate;
    copy.wRuleOp = wRuleOp;
    copy.strInitial = strInitial;
}

std::unique_ptr<DATATYPE> TEXTDATATYPE::Clone() const
{
    auto copy = std::make_unique<TEXTDATATYPE>();
    if (!copy->InitialiseValue())
        return nullptr;
    CopyTo(*copy);
    return copy;
}

void MEMODATATYPE::Save(RECORDARCHIVE& ar)
{
    ar.WriteTag(kKindMemo);
    TEXTDATATYPE::Save(ar);
    ar.BeginRecord();
    ar.PutU8(bKeepFormatting ? 1 : 0);
    ar.EndRecord(kMemoFlagRecord);
    PutRule(ar);
    ar.EndRecord(kMemoRuleRecord);
    PutInitial(ar, strInitial, kMemoInitialRecord);
    ar.WriteTag(kEndGroup);
}

int MEMODATATYPE::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            return 1;
        case kKindText:
            if (!TEXTDATATYPE::Load(ar))
                return 0;
            break;
        case kMemoFlagRecord: {
            RecordReader r = ar.ReadRecord();
            bKeepFormatting = r.U8() ? 1 : 0;
            break;
        }
        case kMemoRuleRecord:
            ReadRule(ar);
            break;
        case kMemoInitialRecord:
            strInitial = ReadInitial(ar);
            break;
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}

std::unique_ptr<DATATYPE> MEMODATATYPE::Clone() const
{
    auto copy = std::make_unique<MEMODATATYPE>();
    if (!copy->InitialiseValue())
        return nullptr;
    CopyTo(*copy);
    copy->bKeepFormatting = bKeepFormatting;
    return copy;
}
