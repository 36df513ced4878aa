#include "forms/model/textattr.h"

#include "forms/model/fixed_record.h"
#include "forms/model/program_fonts.h"
#include "forms/model/record_archive.h"

namespace {

constexpr uint8_t kFormatRecord = 0x81;

template<typename T>
void TakeUnlessMixed(T& field, T value, T mixed)
{
    if (value != mixed)
        field = value;
}

} // namespace

bool TEXTATTR::IsEqual(const TEXTATTR& other) const
{
    return bold == other.bold && italic == other.italic && strike == other.strike && underline == other.underline
        && colour == other.colour && face == other.face && size == other.size;
}

void TEXTATTR::SetMixed()
{
    bold = italic = strike = underline = kMixedFlag;
    colour = kMixedColour;
    face = size = kMixedWord;
}

void TEXTATTR::Reset()
{
    bold = italic = strike = underline = 0;
    colour = 0;
    face = 0;
    size = 240;
}

void TEXTATTR::Merge(const TEXTATTR& other)
{
    TakeUnlessMixed(bold, other.bold, kMixedFlag);
    TakeUnlessMixed(italic, other.italic, kMixedFlag);
    TakeUnlessMixed(strike, other.strike, kMixedFlag);
    TakeUnlessMixed(underline, other.underline, kMixedFlag);
    TakeUnlessMixed(colour, other.colour, kMixedColour);
    TakeUnlessMixed(face, other.face, kMixedWord);
    TakeUnlessMixed(size, other.size, kMixedWord);
}

void TEXTATTR::Save(RECORDARCHIVE& ar, uint8_t tag) const
{
    ar.WriteTag(tag);
    ar.BeginRecord();
    ar.PutU8(bold);
    ar.PutU8(italic);
    ar.PutU8(strike);
    ar.PutU8(underline);
    ar.PutU32(colour);
    ar.PutU16(face);
    ar.PutU16(size);
    ar.EndRecord(kFormatRecord);
    ar.WriteTag(kEndGroup);
}

void TEXTATTR::Load(RECORDARCHIVE& ar, const FontFaces* source)
{
    for (uint8_t tag = ar.ReadTag(); tag != kEndGroup; tag = ar.ReadTag()) {
        if (tag != kFormatRecord) {
            ar.SkipRecord(tag);
            continue;
        }
        RecordReader record = ReadFixedRecord(ar);
        bold = record.U8(bold);
        italic = record.U8(italic);
        strike = record.U8(strike);
        underline = record.U8(underline);
        colour = record.U32(colour);
        const uint16_t fileFace = record.U16(0);
        size = record.U16(size);
        face = GetProgramFonts().MapFont(source, fileFace);
    }
}
