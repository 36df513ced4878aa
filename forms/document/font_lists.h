// The typeface and point-size lists of the font boxes and dialogs: the
// faces that print (printer and screen share the installed faces), and the
// sizes offered for a face, all of them scalable.
#pragma once

#include "platform/gdi/font_families.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Sizes in points of a scalable face: 6 to 72.
inline constexpr uint16_t kFirstScalableSize = 6;
inline constexpr uint16_t kLastScalableSize = 72;
inline constexpr int kMaxFontSizes = kLastScalableSize - kFirstScalableSize + 1;

// The sizes offered for a face, ascending, without duplicates.
struct FontSizeList {
    std::array<uint16_t, kMaxFontSizes> sizes {};
    uint16_t count = 0;
    uint32_t scalable = 0;
};

// Puts a height into its ascending place unless it is there already; 0
// (nothing added) once the list is full.
int AddSize(uint16_t height, FontSizeList& list);

// The face names of the families in the order given (printer's, then the
// screen's vector faces), each once: a name already listed, in any case,
// is not added again.
std::vector<std::string> FontNameList(
    const std::vector<gdi::FontFamily>& printer, const std::vector<gdi::FontFamily>& screen);
// The installed faces.
std::vector<std::string> InstalledFontNames();

// The sizes of a face: every installed face is scalable, so 6 to 72 points
// for any face the families list (and for an unknown face too, as when
// nothing was enumerated).
FontSizeList FontSizesFor(std::string_view face);
