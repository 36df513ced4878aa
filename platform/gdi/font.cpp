#include "platform/gdi/font.h"

#include <algorithm>
#include <cstring>

namespace gdi {

std::string LOGFONT::FaceName() const
{
    return std::string(lfFaceName, strnlen(lfFaceName, sizeof lfFaceName));
}

void LOGFONT::SetFaceName(std::string_view face)
{
    std::memset(lfFaceName, 0, sizeof lfFaceName);
    std::memcpy(lfFaceName, face.data(), std::min(face.size(), sizeof lfFaceName - 1));
}

Font GetDefaultFont()
{
    LOGFONT lf;
    lf.lfHeight = -16;
    lf.lfWeight = FW_NORMAL;
    lf.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    lf.SetFaceName("Arial");
    return Font(lf);
}

} // namespace gdi
