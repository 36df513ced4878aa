// The field's record: its attribute groups, its data type and values, and
// the records of its id, list extent, help text, alignment, line spacing
// and switches.
#include "forms/objects/ffield.h"

#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/datedatatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/object_document.h"
#include "forms/model/record_archive.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"

#include <algorithm>
#include <climits>

namespace {

constexpr uint8_t kShadeGroupTag = 2;
constexpr uint8_t kBorderGroupTag = 3;
constexpr uint8_t kFontGroupTag = 4;
constexpr uint8_t kShadowGroupTag = 5;
constexpr uint8_t kDataTypeGroupTag = 6;

enum : uint8_t {
    kKindRecord = 0x81,
    kIdRecord = 0x82,
    kListRecord = 0x83,
    kHelpRecord = 0x84,
    kAlignRecord = 0x85,
    kSpacingRecord = 0x86,
    kSwitchRecord = 0x87,
};

// The field kind that older files keep in record 0x81: 1 text.
constexpr uint16_t kOldKindText = 1;
// The most characters a help text record holds: its length and the text
// fill a record's u16 payload length.
constexpr size_t kMaxHelpLength = 0xFFFF - 2;
// The record buffer: a longer record goes straight to the archive.
constexpr size_t kRecordBuffer = 512;

// The data type that an older file's field kind names.
std::unique_ptr<DATATYPE> MakeOldKind(uint16_t kind)
{
    switch (kind) {
    case 2:
        return std::make_unique<NUMBERDATATYPE>();
    case 3:
        return std::make_unique<DATEDATATYPE>();
    default:
        // Text, and the bar-code and picture kinds that have no class yet.
        return std::make_unique<TEXTDATATYPE>();
    }
}

} // namespace

void FFIELD::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    ar.WriteTag(tag);
    FORMOBJ::Save(ar, kBaseGroupTag);
    if (pBorder)
        pBorder->Save(ar, kBorderGroupTag);
    if (pShade)
        pShade->Save(ar, kShadeGroupTag);
    if (pShadow)
        pShadow->Save(ar, kShadowGroupTag);
    taFont.Save(ar, kFontGroupTag);

    ar.WriteTag(kDataTypeGroupTag);
    OBJECT_DOCUMENT* document = ar.GetDocument();
    if (document && document->IsAlternativeFormat() && NeedsConversionFor(document->GetAlternativeFormat())) {
        TEXTDATATYPE plain;
        plain.InitialiseValue();
        plain.Save(ar);
    } else if (pDataType) {
        pDataType->Save(ar);
    }
    ar.WriteTag(kEndGroup);

    if (pValues)
        pValues->Save(ar, kValueListGroup);

    ar.BeginRecord();
    ar.PutU16(0);
    ar.PutU16(kOldKindText);
    ar.EndRecord(kKindRecord);
    ar.BeginRecord();
    ar.PutU16(nFieldId);
    ar.EndRecord(kIdRecord);
    ar.BeginRecord();
    ar.PutI32(static_cast<int32_t>(std::min<int64_t>(int64_t {rect.bottom} + nListHeight, INT32_MAX)));
    ar.EndRecord(kListRecord);
    WriteHelpText(ar);
    ar.BeginRecord();
    ar.PutU8(nAlign);
    ar.EndRecord(kAlignRecord);
    ar.BeginRecord();
    ar.PutU16(nLineSpacing);
    ar.EndRecord(kSpacingRecord);
    ar.BeginRecord();
    ar.PutU8(bProtected);
    ar.PutU8(bMandatory);
    ar.PutU8(bSaveInDb);
    ar.EndRecord(kSwitchRecord);
    ar.WriteTag(kEndGroup);
}

void FFIELD::WriteHelpText(RECORDARCHIVE& ar) const
{
    if (strHelp.empty())
        return;
    const size_t n = std::min(strHelp.size(), kMaxHelpLength);
    if (n + 2 <= kRecordBuffer) {
        ar.BeginRecord();
        ar.PutU16(static_cast<uint16_t>(n));
        ar.PutBytes(strHelp.data(), n);
        ar.EndRecord(kHelpRecord);
        return;
    }
    io::Archive& out = ar.GetArchive();
    out.WriteU8(kHelpRecord);
    out.WriteU16(static_cast<uint16_t>(n + 2));
    out.WriteU16(static_cast<uint16_t>(n));
    out.Write(strHelp.data(), n);
}

void FFIELD::ReadHelpText(RECORDARCHIVE& ar)
{
    RecordReader record = ar.ReadRecord();
    const uint16_t n = record.U16(0);
    const size_t at = record.Size() - record.Remaining();
    const size_t available = std::min<size_t>(n, record.Remaining());
    strHelp.assign(reinterpret_cast<const char*>(record.Payload().data()) + at, available);
}

void FFIELD::ReadDataTypeGroup(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        if (tag == kEndGroup)
            return;
        if (tag >= kKindNumber && tag <= kKindPicture) {
            // A kind without a class is stepped over; the field keeps the
            // data type it has.
            if (std::unique_ptr<DATATYPE> type = LoadDataType(ar, tag))
                pDataType = std::move(type);
            continue;
        }
        ar.SkipRecord(tag);
    }
}

void FFIELD::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    if (!pBorder && !MakeAttributes())
        RECORDARCHIVE::ThrowLoadMemoryError();
    const auto* source = reinterpret_cast<const FontFaces*>(owner);
    nFieldId = kNoFieldId;
    int32_t listBottom = rect.bottom;
    bool listRead = false;
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            if (listRead)
                SetListBottom(listBottom);
            else
                PlaceListExtent(0);
            if (!pDataType) {
                pDataType = std::make_unique<TEXTDATATYPE>();
                if (!pDataType->InitialiseValue())
                    RECORDARCHIVE::ThrowLoadMemoryError();
            }
            if (nFieldId == kNoFieldId)
                if (OBJECT_DOCUMENT* document = ar.GetDocument())
                    nFieldId = document->GetNextFieldID();
            return;
        case kBaseGroupTag:
            FORMOBJ::Load(ar, owner);
            break;
        case kShadeGroupTag:
            pShade->Load(ar);
            break;
        case kBorderGroupTag:
            pBorder->Load(ar);
            break;
        case kFontGroupTag:
            taFont.Load(ar, source);
            break;
        case kShadowGroupTag:
            pShadow->Load(ar);
            break;
        case kDataTypeGroupTag:
            ReadDataTypeGroup(ar);
            break;
        case kValueListGroup:
            pValues = FIELDVALUES::Load(ar);
            break;
        case kKindRecord: {
            RecordReader record = ar.ReadRecord();
            record.U16();
            const uint16_t kind = record.U16(kOldKindText);
            if (!pDataType) {
                std::unique_ptr<DATATYPE> type = MakeOldKind(kind);
                if (!type->InitialiseValue())
                    RECORDARCHIVE::ThrowLoadMemoryError();
                pDataType = std::move(type);
            }
            break;
        }
        case kIdRecord:
            nFieldId = ar.ReadRecord().U16(kNoFieldId);
            break;
        case kListRecord: {
            RecordReader record = ar.ReadRecord();
            listBottom = record.I32(rect.bottom);
            listRead = true;
            break;
        }
        case kHelpRecord:
            ReadHelpText(ar);
            break;
        case kAlignRecord:
            nAlign = ar.ReadRecord().U8(nAlign);
            break;
        case kSpacingRecord:
            nLineSpacing = ar.ReadRecord().U16(nLineSpacing);
            break;
        case kSwitchRecord: {
            RecordReader record = ar.ReadRecord();
            bProtected = record.U8(bProtected) ? 1 : 0;
            bMandatory = record.U8(bMandatory) ? 1 : 0;
            bSaveInDb = record.U8(bSaveInDb) ? 1 : 0;
            break;
        }
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}
