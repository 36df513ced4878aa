// The number field's group in the form file, older records included, and
// its copy.
#include "forms/fields/datatypes/intl_settings.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/record_fields.h"
#include "forms/model/record_archive.h"

namespace {

constexpr uint8_t kPositiveGroup = 3;
constexpr uint8_t kNegativeGroup = 4;
constexpr uint8_t kZeroGroup = 5;
constexpr uint8_t kValueRecord = 0x81;
constexpr uint8_t kOldRuleRecord = 0x82;
constexpr uint8_t kInitialRecord = 0x83;
constexpr uint8_t kRuleRecord = 0x84;
constexpr uint8_t kOldMaskRecord = 0x86;

std::unique_ptr<NUMBERFORMAT> CopyOf(const std::unique_ptr<NUMBERFORMAT>& mask)
{
    return mask ? std::make_unique<NUMBERFORMAT>(*mask) : nullptr;
}

} // namespace

void NUMBERDATATYPE::Save(RECORDARCHIVE& ar)
{
    ar.WriteTag(kKindNumber);
    if (pPositive)
        pPositive->Save(ar, kPositiveGroup);
    if (pNegative)
        pNegative->Save(ar, kNegativeGroup);
    if (pZero)
        pZero->Save(ar, kZeroGroup);
    if (pValue) {
        ar.BeginRecord();
        PutDouble(ar, *pValue);
        ar.EndRecord(kValueRecord);
    }
    ar.BeginRecord();
    PutDouble(ar, dRule1);
    PutDouble(ar, dRule2);
    ar.PutU8(bRuleNegate ? 1 : 0);
    ar.PutU16(wRuleOp);
    ar.PutI16(nDecimals);
    ar.EndRecord(kRuleRecord);
    if (pInitial) {
        ar.BeginRecord();
        PutDouble(ar, *pInitial);
        ar.PutU8(bAutoIncrement ? 1 : 0);
        ar.EndRecord(kInitialRecord);
    }
    ar.WriteTag(kEndGroup);
}

int NUMBERDATATYPE::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            return 1;
        case kPositiveGroup:
        case kNegativeGroup:
        case kZeroGroup: {
            std::unique_ptr<NUMBERFORMAT>& mask
                = tag == kPositiveGroup ? pPositive : (tag == kNegativeGroup ? pNegative : pZero);
            if (!mask)
                mask = std::make_unique<NUMBERFORMAT>();
            if (!mask->Load(ar))
                return 0;
            break;
        }
        case kValueRecord: {
            RecordReader r = ar.ReadRecord();
            pValue = std::make_unique<double>(ReadDouble(r));
            break;
        }
        case kRuleRecord:
        case kOldRuleRecord: {
            RecordReader r = ar.ReadRecord();
            dRule1 = ReadDouble(r);
            dRule2 = ReadDouble(r);
            bRuleNegate = r.U8() ? 1 : 0;
            wRuleOp = r.U16();
            nDecimals = r.I16(-1);
            // Older files kept black for "the field's colour".
            if (tag == kOldRuleRecord && !pZero && pPositive && pNegative && pPositive->crColour == 0
                && pNegative->crColour == 0) {
                pPositive->crColour = kFieldColour;
                pNegative->crColour = kFieldColour;
            }
            break;
        }
        case kInitialRecord: {
            RecordReader r = ar.ReadRecord();
            pInitial = std::make_unique<double>(ReadDouble(r));
            bAutoIncrement = r.U8() ? 1 : 0;
            break;
        }
        case kOldMaskRecord: {
            RecordReader r = ar.ReadRecord();
            const int16_t decimals = r.I16();
            r.U16();
            SetStandardMasks(decimals, r.U16() == 1);
            break;
        }
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}

void NUMBERDATATYPE::SetStandardMasks(int16_t decimals, bool currency)
{
    std::string digits = "0";
    if (decimals > 0)
        digits += "." + std::string(static_cast<size_t>(decimals), '0');
    const std::string symbol = currency ? CurrencySymbol() : std::string();
    if (!pPositive)
        pPositive = std::make_unique<NUMBERFORMAT>();
    if (!pNegative)
        pNegative = std::make_unique<NUMBERFORMAT>();
    pPositive->SetMask(symbol + digits);
    pNegative->SetMask("-" + symbol + digits);
    if (pZero)
        pZero->SetMask("");
}

std::unique_ptr<DATATYPE> NUMBERDATATYPE::Clone() const
{
    auto copy = std::make_unique<NUMBERDATATYPE>();
    if (!copy->InitialiseValue())
        return nullptr;
    copy->pValue = pValue ? std::make_unique<double>(*pValue) : nullptr;
    copy->pPositive = CopyOf(pPositive);
    copy->pNegative = CopyOf(pNegative);
    copy->pZero = CopyOf(pZero);
    copy->dRule1 = dRule1;
    copy->dRule2 = dRule2;
    copy->bRuleNegate = bRuleNegate;
    copy->wRuleOp = wRuleOp;
    copy->nDecimals = nDecimals;
    copy->pInitial = pInitial ? std::make_unique<double>(*pInitial) : nullptr;
    copy->bAutoIncrement = bAutoIncrement;
    return copy;
}
