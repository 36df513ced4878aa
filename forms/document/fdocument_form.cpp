// The form document's "Contents" stream: the form body, the OLE items' list
// and what follows it.
#include "forms/document/fdocument.h"

#include "forms/document/document_host.h"
#include "forms/document/document_messages.h"
#include "forms/document/font_table.h"
#include "forms/document/form_header.h"
#include "forms/document/form_sections.h"
#include "forms/document/form_trailer.h"
#include "forms/document/fpagelist.h"
#include "forms/document/print/flayout.h"
#include "forms/document/special_fields.h"
#include "forms/model/int_exception.h"
#include "forms/model/record_archive.h"

#include "platform/io/archive.h"

#include <array>

namespace {

enum : uint8_t {
    kFontTableSection = 0x28,
    kObjectsSection = 0x29,
    kMatchedFontsSection = 0x2C,
    kPagesSection = 0x42,
    kLayoutsSection = 0x43,
    kTabOrderSection = 0x44,
    kSpecialFieldsSection = 0x48,
    kStylesSection = 0x4A,
    kCountersRecord = 0x9A,
    kOleItemRecord = 0x9B,
    kTablesRecord = 0x9C,
    kExtentRecord = 0x9D,
    kPictureFlagRecord = 0x9E,
};

constexpr const char* kBodyOutOfStep = "the form body ends where what follows it cannot start";

// The empty picture reference group, written while no picture owner has
// registered.
constexpr std::array<uint8_t, 2> kEmptyPictureGroup = {0x2A, kEndGroup};

void WriteSections(FDOCUMENT& document, RECORDARCHIVE& ar, SectionPlace place)
{
    for (const FormSection* section : FormSectionsAt(place))
        section->write(document, ar);
}

} // namespace

bool FDOCUMENT::Serialize(io::Archive& archive)
{
    pictureFlag = 1;
    RECORDARCHIVE ar(archive, this);
    if (archive.IsStoring()) {
        if (host)
            host->ClearUndo(*this);
        // A test fill's values are never written: an open edit closes
        // without its text, and the fields show the form's own values
        // while it is written.
        if (IsTestFilling())
            CommitFieldEdit({.acceptWithoutCheck = true, .closeWhenRefused = true});
        TEST_FILL_VALUES::Shown designed(testFillValues);
        WriteForm(ar);
        WriteTrailer(ar);
        return true;
    }
    if (!ReadForm(ar))
        return false;
    ReadTrailer(ar);
    return true;
}

void FDOCUMENT::WriteForm(RECORDARCHIVE& ar)
{
    WriteFormHeader(ar);
    if (const FONT_TABLE* fonts = GetProgramFontTable()) {
        fonts->Write(ar, kFontTableSection);
    } else {
        ar.WriteTag(kFontTableSection);
        ar.WriteTag(kEndGroup);
    }
    WriteSections(*this, ar, SectionPlace::AfterFontTable);
    styles.Save(ar, kStylesSection, 0);
    objects.Save(ar, kObjectsSection, 0);
    pages->Save(ar, kPagesSection);
    layouts->Write(ar, kLayoutsSection);
    tabOrder.Save(ar, kTabOrderSection);
    WriteSections(*this, ar, SectionPlace::AfterFillingOrder);
    specialFields.Save(ar, kSpecialFieldsSection, 0);

    ar.BeginRecord();
    ar.PutU16(lastOleItem);
    ar.EndRecord(kOleItemRecord);
    ar.BeginRecord();
    ar.PutU32(extentWidth);
    ar.PutU32(extentHeight);
    ar.EndRecord(kExtentRecord);
    ar.BeginRecord();
    ar.PutU16(nextFieldId);
    ar.PutU16(nextObjectNumber);
    ar.EndRecord(kCountersRecord);
    ar.BeginRecord();
    ar.PutU16(nextTableId);
    ar.PutU16(tableCounter);
    ar.EndRecord(kTablesRecord);
    // A kept trailer goes back as it was read, so the flag that tells a
    // reader whether picture references follow the items stays its own.
    if (!trailer.empty())
        pictureFlag = trailerPictureFlag;
    else
        pictureFlag = containerName.find("Excel") == std::string::npos ? 1 : 0;
    ar.BeginRecord();
    ar.PutU8(pictureFlag);
    ar.EndRecord(kPictureFlagRecord);
    if (savingForRunlet)
        WriteSections(*this, ar, SectionPlace::BeforeBodyEnd);
    ar.WriteTag(kEndGroup);
}

int FDOCUMENT::ReadForm(RECORDARCHIVE& ar)
{
    try {
        if (!ReadFormHeader(ar, version)) {
            ShowDocumentMessage(LoadDocumentString(kNotAFormMessage));
            return 0;
        }
        if (ar.ReadTag() != kBodyMarker)
            throw CIntException(kUnsupportedFormatError);
        ReadFormBody(ar);
    } catch (const CIntException& e) {
        fileFontTable.reset();
        ShowDocumentMessage(LoadDocumentString(kOpenErrorMessage) + std::to_string(e.GetId()));
        return 0;
    }
    CheckPagesAndLayouts();
    return 1;
}

void FDOCUMENT::ReadFormBody(RECORDARCHIVE& ar)
{
    const uintptr_t noFonts = 0;
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        // The objects read the file's table as the model knows it.
        const FontFaces* fileFaces = fileFontTable.get();
        const uintptr_t fonts = fileFaces ? reinterpret_cast<uintptr_t>(fileFaces) : noFonts;
        switch (tag) {
        case kFontTableSection:
            fileFontTable = std::make_unique<FONT_TABLE>();
            fileFontTable->Read(ar);
            break;
        case kMatchedFontsSection:
            fileFontTable = std::make_unique<FONT_TABLE>();
            fileFontTable->ReadMatched(ar);
            break;
        case kStylesSection:
            styles.Load(ar, fonts);
            DropStyleMasters();
            break;
        case kObjectsSection:
            objects.Load(ar, fonts);
            fieldIndexStale = true;
            break;
        case kSpecialFieldsSection: {
            FOBJLIST read;
            read.Load(ar, fonts);
            ReplaceSpecialFields(specialFields, read);
            fieldIndexStale = true;
            break;
        }
        case kPagesSection:
            pages->Load(ar);
            break;
        case kLayoutsSection:
            layouts->Read(ar);
            break;
        case kTabOrderSection:
            tabOrder.Load(ar);
            tabOrder.Renumber();
            break;
        case kCountersRecord:
        case kOleItemRecord:
        case kTablesRecord:
        case kExtentRecord:
        case kPictureFlagRecord:
            ReadSettings(tag, ar);
            break;
        default:
            if (const FormSection* section = FindFormSection(tag))
                section->read(*this, ar);
            else
                ar.SkipRecord(tag);
        }
    }
    fileFontTable.reset();
}

void FDOCUMENT::ReadSettings(uint8_t tag, RECORDARCHIVE& ar)
{
    // Each record is read by its declared length: a short record keeps the
    // values it lacks, a longer one's extra bytes are passed over.
    RecordReader record = ar.ReadRecord();
    switch (tag) {
    case kCountersRecord:
        nextFieldId = record.U16(nextFieldId);
        nextObjectNumber = record.U16(nextObjectNumber);
        break;
    case kOleItemRecord:
        lastOleItem = record.U16(lastOleItem);
        break;
    case kTablesRecord:
        nextTableId = record.U16(nextTableId);
        tableCounter = record.U16(tableCounter);
        break;
    case kExtentRecord:
        extentWidth = record.U32(extentWidth);
        extentHeight = record.U32(extentHeight);
        break;
    default:
        pictureFlag = record.U8(pictureFlag);
    }
}

void FDOCUMENT::WriteTrailer(RECORDARCHIVE& ar)
{
    io::Archive& archive = ar.GetArchive();
    if (!trailer.empty()) {
        archive.Write(trailer.data(), trailer.size());
        return;
    }
    // The OLE items' list: no item yet.
    archive.WriteU32(0);
    if (pictureFlag == 0)
        return;
    const auto owners = FormSectionsAt(SectionPlace::AfterItems);
    if (owners.empty())
        archive.Write(kEmptyPictureGroup.data(), kEmptyPictureGroup.size());
    else
        WriteSections(*this, ar, SectionPlace::AfterItems);
}

void FDOCUMENT::ReadTrailer(RECORDARCHIVE& ar)
{
    io::Archive& archive = ar.GetArchive();
    trailer.clear();
    const auto owners = FormSectionsAt(SectionPlace::AfterItems);
    if (owners.empty()) {
        // Kept whole, so that a save writes back what no code here reads.
        std::array<uint8_t, 4096> chunk {};
        while (size_t n = archive.ReadSome(chunk.data(), chunk.size()))
            trailer.insert(trailer.end(), chunk.begin(), chunk.begin() + static_cast<std::ptrdiff_t>(n));
        if (!IsFormTrailer(trailer, lastOleItem))
            throw io::ArchiveError(io::ArchiveError::BadFormat, kBodyOutOfStep);
        trailerPictureFlag = pictureFlag;
        return;
    }
    std::array<uint8_t, 4> count {};
    const size_t read = archive.ReadSome(count.data(), count.size());
    if (read > 0 && !IsFormTrailer(std::span(count.data(), read), lastOleItem))
        throw io::ArchiveError(io::ArchiveError::BadFormat, kBodyOutOfStep);
    if (read < count.size() || count != std::array<uint8_t, 4> {} || pictureFlag == 0)
        return;
    uint8_t tag = 0;
    if (archive.ReadSome(&tag, 1) == 1)
        if (const FormSection* section = FindFormSection(tag))
            section->read(*this, ar);
}
