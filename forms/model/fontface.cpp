#include "forms/model/fontface.h"

#include <algorithm>
#include <cstring>

FONTFACE::FONTFACE(std::string_view face, uint8_t pitchAndFamily, uint8_t charSet)
    : pitchAndFamily(pitchAndFamily)
    , charSet(charSet)
{
    SetName(face);
}

FONTFACE::FONTFACE(const gdi::LOGFONT& logfont, uint8_t pitchAndFamily)
    : FONTFACE(logfont.FaceName(), pitchAndFamily, logfont.lfCharSet)
{}

std::string FONTFACE::GetName() const
{
    return std::string(faceName, strnlen(faceName, sizeof faceName));
}

void FONTFACE::SetName(std::string_view face)
{
    std::memset(faceName, 0, sizeof faceName);
    face = face.substr(0, std::min(face.size(), face.find('\0')));
    std::memcpy(faceName, face.data(), std::min(face.size(), sizeof faceName - 1));
}
