// The text object's records: saving, loading, and the text record whose
// typeface codes are mapped between a stream's font table and the
// program's.
#include "forms/objects/ftextobj.h"

#include "forms/fields/richtext/format_code.h"
#include "forms/fields/richtext/stored_text.h"
#include "forms/model/program_fonts.h"
#include "forms/model/record_archive.h"

#include <algorithm>
#include <string>

namespace {

constexpr uint8_t kFontGroupTag = 4;
constexpr uint8_t kTextRecord = 0x81;
constexpr uint8_t kLineSpacingRecord = 0x82;

// Bytes of the text record before the text: alignment and count.
constexpr uint32_t kTextRecordHead = 3;

// Maps the value of every typeface code but the mixed one from the source
// table's index to the program table's. The text holds complete codes only.
void MapTypefaces(std::string& text, const FontFaces* source)
{
    for (size_t i = 0; i + kCodeLength <= text.size();) {
        if (static_cast<unsigned char>(text[i]) != kEsc) {
            ++i;
            continue;
        }
        if (text[i + 1] == 'T') {
            const int16_t value
                = DecodeFormatValue(static_cast<unsigned char>(text[i + 2]), static_cast<unsigned char>(text[i + 3]));
            if (value != kDefaultValue) {
                const uint16_t mapped = GetProgramFonts().MapFont(source, value);
                EncodeFormatCode('T', static_cast<int16_t>(mapped), &text[i]);
            }
        }
        i += kCodeLength;
    }
}

} // namespace

void FTEXTOBJ::Save(RECORDARCHIVE& ar, uint8_t tag)
{
    // A text being typed is saved as it stands; an empty one is left out.
    if (pEditProxy && TakeEditorText() == 0)
        return;
    ar.WriteTag(tag);
    FORMOBJ::Save(ar, kBaseGroupTag);
    taFont.Save(ar, kFontGroupTag);
    SaveText(ar, kTextRecord);
    ar.BeginRecord();
    ar.PutU16(nLineSpacing);
    ar.EndRecord(kLineSpacingRecord);
    ar.WriteTag(kEndGroup);
}

void FTEXTOBJ::SaveText(RECORDARCHIVE& ar, uint8_t tag) const
{
    // The count takes the NUL; an empty text is a single NUL.
    const uint32_t n = uint32_t {txText.GetLength()} + 1;
    if (n + kTextRecordHead > 0xFFFF)
        throw io::ArchiveError(io::ArchiveError::Generic, "text too long for its record");
    io::Archive& out = ar.GetArchive();
    out.WriteU8(tag);
    out.WriteU16(static_cast<uint16_t>(n + kTextRecordHead));
    out.WriteU8(nAlign);
    out.WriteU16(static_cast<uint16_t>(n));
    const char nul = 0;
    out.Write(txText.GetBuffer() ? txText.GetBuffer() : &nul, n);
}

void FTEXTOBJ::Load(RECORDARCHIVE& ar, uintptr_t owner)
{
    const auto* source = reinterpret_cast<const FontFaces*>(owner);
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            return;
        case kBaseGroupTag:
            FORMOBJ::Load(ar, owner);
            break;
        case kFontGroupTag:
            taFont.Load(ar, source);
            break;
        case kTextRecord:
            LoadText(ar, source);
            break;
        case kLineSpacingRecord:
            nLineSpacing = ar.ReadRecord().U16(nLineSpacing);
            break;
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}

void FTEXTOBJ::LoadText(RECORDARCHIVE& ar, const FontFaces* source)
{
    RecordReader record = ar.ReadRecord();
    nAlign = record.U8(nAlign);
    const uint16_t n = record.U16(0);
    // The text is what the record holds of the n bytes, up to the first
    // zero byte, without format codes cut short.
    const size_t at = record.Size() - record.Remaining();
    const size_t available = std::min<size_t>(n, record.Remaining());
    std::string_view bytes(reinterpret_cast<const char*>(record.Payload().data()) + at, available);
    bytes = bytes.substr(0, bytes.find('\0'));
    std::string text = DropIncompleteCodes(bytes);
    MapTypefaces(text, source);
    if (!txText.Assign(text))
        RECORDARCHIVE::ThrowLoadMemoryError();
}
