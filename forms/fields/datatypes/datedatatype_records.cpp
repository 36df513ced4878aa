// The date field's group in the form file, and its copy.
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/record_fields.h"
#include "forms/model/record_archive.h"

namespace {

constexpr uint8_t kValueRecord = 0x81;
constexpr uint8_t kPictureRecord = 0x82;
constexpr uint8_t kRuleRecord = 0x83;
constexpr uint8_t kInitialRecord = 0x84;

} // namespace

void DATEDATATYPE::Save(RECORDARCHIVE& ar)
{
    ar.WriteTag(kKindDate);
    ar.BeginRecord();
    PutDouble(ar, dValue);
    ar.PutU8(static_cast<uint8_t>(nOrder));
    ar.PutU8(bHasYear);
    ar.EndRecord(kValueRecord);
    ar.BeginRecord();
    PutCountedText(ar, strPicture);
    ar.EndRecord(kPictureRecord);
    ar.BeginRecord();
    PutDouble(ar, dRule1);
    PutDouble(ar, dRule2);
    ar.PutU8(bRuleNegate ? 1 : 0);
    ar.PutU16(wRuleOp);
    ar.EndRecord(kRuleRecord);
    if (dInitial != 0) {
        ar.BeginRecord();
        PutDouble(ar, dInitial);
        ar.EndRecord(kInitialRecord);
    }
    ar.WriteTag(kEndGroup);
}

void DATEDATATYPE::LoadPicture(RECORDARCHIVE& ar)
{
    RecordReader r = ar.ReadRecord();
    strPicture = ReadCountedText(r);
}

int DATEDATATYPE::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            return 1;
        case kValueRecord: {
            RecordReader r = ar.ReadRecord();
            dValue = ReadDouble(r);
            nOrder = static_cast<int8_t>(r.U8());
            bHasYear = r.U8();
            break;
        }
        case kPictureRecord:
            LoadPicture(ar);
            break;
        case kRuleRecord: {
            RecordReader r = ar.ReadRecord();
            dRule1 = ReadDouble(r);
            dRule2 = ReadDouble(r);
            bRuleNegate = r.U8() ? 1 : 0;
            wRuleOp = r.U16();
            break;
        }
        case kInitialRecord: {
            RecordReader r = ar.ReadRecord();
            dInitial = ReadDouble(r);
            break;
        }
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}

std::unique_ptr<DATATYPE> DATEDATATYPE::Clone() const
{
    auto copy = std::make_unique<DATEDATATYPE>();
    if (!copy->InitialiseValue())
        return nullptr;
    copy->dValue = dValue;
    copy->strPicture = strPicture;
    copy->nOrder = nOrder;
    copy->bHasYear = bHasYear;
    copy->dRule1 = dRule1;
    copy->dRule2 = dRule2;
    copy->bRuleNegate = bRuleNegate;
    copy->wRuleOp = wRuleOp;
    copy->dInitial = dInitial;
    return copy;
}
