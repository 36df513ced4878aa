#include "forms/model/program_fonts.h"

#include "forms/model/record_archive.h"

namespace {

PROGRAM_FONTS g_noFonts;
PROGRAM_FONTS* g_fonts = nullptr;

} // namespace

std::unique_ptr<FontFaces> PROGRAM_FONTS::ReadTable(io::Archive& ar)
{
    RECORDARCHIVE rec(ar);
    rec.SkipRecord(kFontTableGroup);
    return nullptr;
}

gdi::DC* PROGRAM_FONTS::GetPrinterDC(uint16_t, uint32_t)
{
    return nullptr;
}

const FONTFACE* PROGRAM_FONTS::GetAt(int i) const
{
    const FontFaces* table = GetTable();
    return table ? table->GetAt(i) : nullptr;
}

uint16_t PROGRAM_FONTS::FindOrAdd(const FONTFACE& face)
{
    FontFaces* table = GetTable();
    return table ? table->FindOrAdd(face) : 0;
}

uint16_t PROGRAM_FONTS::MapFont(const FontFaces* source, int i)
{
    FontFaces* table = GetTable();
    return table ? table->MapFont(source, i) : 0;
}

std::string PROGRAM_FONTS::GetFaceName(uint16_t index) const
{
    const FONTFACE* face = GetAt(index);
    return face ? face->GetName() : std::string(kPlaceholderFace);
}

void PROGRAM_FONTS::WriteTable(io::Archive& ar) const
{
    RECORDARCHIVE rec(ar);
    if (const FontFaces* table = GetTable()) {
        table->Write(rec, kFontTableGroup);
    } else {
        rec.WriteTag(kFontTableGroup);
        rec.WriteTag(kEndGroup);
    }
}

PROGRAM_FONTS& GetProgramFonts()
{
    return g_fonts ? *g_fonts : g_noFonts;
}

void SetProgramFonts(PROGRAM_FONTS* fonts)
{
    g_fonts = fonts;
}
