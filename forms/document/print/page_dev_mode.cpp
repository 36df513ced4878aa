#include "forms/document/print/page_dev_mode.h"

#include "forms/document/print/flayout.h"
#include "forms/document/print/paper.h"

#include "platform/gdi/muldiv.h"

#include <cstdlib>

namespace {

constexpr int32_t kTolerance = 144;

} // namespace

void SetDevModeOrientation(gdi::DevMode& mode, int landscape)
{
    mode.fields |= gdi::DM_ORIENTATION;
    mode.orientation = landscape == 1 ? gdi::DMORIENT_LANDSCAPE : gdi::DMORIENT_PORTRAIT;
}

// A standard paper matches only upright: a size wider than long is not the
// paper turned, which the orientation alone turns.
void SetDevModePaperSize(gdi::DevMode& mode, int32_t width, int32_t length)
{
    int index = 0;
    int32_t paperWidth = 0;
    int32_t paperLength = 0;
    if (PAPER::FindSize(width, length, index) && PAPER::GetSize(index, paperWidth, paperLength)
        && std::abs(paperWidth - width) <= kTolerance && PAPER::GetPaperCode(index) != 0) {
        mode.fields = (mode.fields | gdi::DM_PAPERSIZE) & ~(gdi::DM_PAPERLENGTH | gdi::DM_PAPERWIDTH);
        mode.paperSize = PAPER::GetPaperCode(index);
        mode.paperLength = 0;
        mode.paperWidth = 0;
        return;
    }
    mode.fields |= gdi::DM_PAPERSIZE | gdi::DM_PAPERLENGTH | gdi::DM_PAPERWIDTH;
    mode.paperSize = gdi::DMPAPER_USER;
    mode.paperLength = static_cast<int16_t>(gdi::MulDiv(length, 254, 1440));
    mode.paperWidth = static_cast<int16_t>(gdi::MulDiv(width, 254, 1440));
}

gdi::DevMode PageDevMode(const FLAYOUT& layout)
{
    gdi::DevMode mode;
    const int landscape = layout.option2 ? 1 : 0;
    SetDevModeOrientation(mode, landscape);
    if (landscape)
        SetDevModePaperSize(mode, layout.pageHeight, layout.pageWidth);
    else
        SetDevModePaperSize(mode, layout.pageWidth, layout.pageHeight);
    return mode;
}
