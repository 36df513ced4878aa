#include "forms/model/logical_font.h"

#include "forms/model/program_fonts.h"
#include "forms/model/screen_surface.h"
#include "forms/model/textattr.h"
#include "forms/res/program_resources.h"

#include "platform/gdi/muldiv.h"

namespace {

constexpr uint8_t kUnknownFaceFlags = 0x14;

// String ids of the replacement faces.
constexpr uint32_t kArial = 322;
constexpr uint32_t kCourierNew = 323;
constexpr uint32_t kModern = 324;
constexpr uint32_t kTimesNewRoman = 325;
constexpr uint32_t kRoman = 326;
constexpr uint32_t kScript = 327;

bool CanTurn(uint8_t flags)
{
    return (flags & gdi::TMPF_TRUETYPE) || ((flags & gdi::TMPF_VECTOR) && !(flags & gdi::TMPF_DEVICE));
}

const FONTFACE* FindFace(const FontFaces& table, uint32_t id)
{
    if (id == 0)
        return nullptr;
    const FONTFACE* entry = nullptr;
    return table.FindByFace(entry, ProgramResources().LoadString(id)) ? entry : nullptr;
}

} // namespace

uint8_t GetFaceFlags(const FONTFACE* face)
{
    if (!face)
        return kUnknownFaceFlags;
    // Every installed face serves the screen and the printers alike: the
    // screen's answer is the printer's.
    const auto families = gdi::DC(ScreenSurface()).EnumFontFamilies(face->GetName());
    return families.empty() ? kUnknownFaceFlags : families.front().pitchAndFamily;
}

const FONTFACE* RotatableSubstitute(uint8_t faceFlags, const FontFaces& table)
{
    if (CanTurn(faceFlags))
        return nullptr;
    uint32_t first = kScript;
    uint32_t second = 0;
    if (!(faceFlags & gdi::TMPF_FIXED_PITCH)) {
        first = kCourierNew;
        second = kModern;
    } else if (faceFlags & gdi::FF_SWISS) {
        first = kArial;
        second = kRoman;
    } else if (faceFlags & gdi::FF_ROMAN) {
        first = kTimesNewRoman;
        second = kRoman;
    }
    const FONTFACE* found = FindFace(table, first);
    return found ? found : FindFace(table, second);
}

void BuildLogFont(const TEXTATTR& attr, gdi::LOGFONT& logfont, int16_t escapement)
{
    logfont.lfWidth = 0;
    logfont.lfEscapement = escapement;
    logfont.lfOrientation = 0;
    logfont.lfWeight = attr.bold ? gdi::FW_BOLD : gdi::FW_NORMAL;
    logfont.lfItalic = attr.italic;
    logfont.lfUnderline = 0;
    logfont.lfStrikeOut = 0;
    logfont.lfOutPrecision = 0;
    logfont.lfClipPrecision = 0;
    logfont.lfQuality = 0;

    const FontFaces* table = GetProgramFonts().GetTable();
    // An index that names no entry is a face that could not be matched.
    const FONTFACE* face = table ? table->GetAt(attr.face) : nullptr;
    const FONTFACE placeholder(kPlaceholderFace, 0, 0);
    if (!face)
        face = &placeholder;
    if (escapement != 0 && table) {
        if (const FONTFACE* substitute = RotatableSubstitute(GetFaceFlags(face), *table))
            face = substitute;
    }
    logfont.SetFaceName(face->GetName());
    logfont.lfCharSet = face->charSet;
    logfont.lfPitchAndFamily = face->pitchAndFamily;
}

void MakeLogicalFont(const TEXTATTR& attr, gdi::LOGFONT& logfont, int16_t escapement)
{
    logfont.lfHeight = -static_cast<int32_t>(attr.size);
    BuildLogFont(attr, logfont, escapement);
}

void MakeDeviceFont(const gdi::DC& dc, const TEXTATTR& attr, gdi::LOGFONT& logfont, int16_t escapement)
{
    logfont.lfHeight = -gdi::MulDiv(attr.size, dc.GetDeviceCaps(gdi::LOGPIXELSY), 1440);
    BuildLogFont(attr, logfont, escapement);
}
