// What a print job asks of the printer, as a printer's device mode holds it:
// the orientation, and the paper by its code or by its size.
#pragma once

#include <cstdint>

namespace gdi {

// Which fields of a device mode are set.
inline constexpr uint32_t DM_ORIENTATION = 0x1;
inline constexpr uint32_t DM_PAPERSIZE = 0x2;
inline constexpr uint32_t DM_PAPERLENGTH = 0x4;
inline constexpr uint32_t DM_PAPERWIDTH = 0x8;

inline constexpr int16_t DMORIENT_PORTRAIT = 1;
inline constexpr int16_t DMORIENT_LANDSCAPE = 2;
// The paper code of a size given by length and width.
inline constexpr int16_t DMPAPER_USER = 256;

struct DevMode {
    uint32_t fields = 0;
    int16_t orientation = DMORIENT_PORTRAIT;
    // A paper code (1 Letter, 9 A4, ...) or DMPAPER_USER.
    int16_t paperSize = 0;
    // The paper upright, in tenths of a millimetre, for DMPAPER_USER.
    int16_t paperLength = 0;
    int16_t paperWidth = 0;
};

} // namespace gdi
