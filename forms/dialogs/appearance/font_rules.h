// The rules of the Text page and the Text Format dialog, apart from their
// controls: the change record that carries one changed field, the
// underline toggles, the nearest size of a face, and the colour entry.
#pragma once

#include "forms/document/font_lists.h"
#include "forms/model/textattr.h"

#include <array>
#include <cstdint>

inline constexpr int kFontNameCombo = 1192;
inline constexpr int kFontColourCombo = 1197;
inline constexpr int kFontSizeCombo = 1194;
inline constexpr int kBoldButton = 1414;
inline constexpr int kItalicButton = 1415;
inline constexpr int kStrikeOutBox = 1416;
inline constexpr int kUnderlineButton = 1417;
inline constexpr int kWordUnderlineButton = 1418;
inline constexpr int kDoubleUnderlineButton = 1419;
inline constexpr int kSampleGroup = 1199;
inline constexpr int kFontSample = 1071;

// The toggle buttons and their icons.
struct StyleToggle {
    int control;
    uint16_t icon;
};
inline constexpr std::array<StyleToggle, 5> kStyleToggles {{
    {kBoldButton, 2209},
    {kItalicButton, 2211},
    {kUnderlineButton, 2213},
    {kWordUnderlineButton, 2214},
    {kDoubleUnderlineButton, 2215},
}};

// The latches of the three underline buttons (single, word, double).
struct UnderlineLatches {
    bool single = false;
    bool word = false;
    bool dbl = false;
    friend bool operator==(const UnderlineLatches&, const UnderlineLatches&) = default;
};
UnderlineLatches LatchesOf(uint8_t underline);
// One underline button clicked: its latch toggles, latching clears the
// other two; answers the underline value (its kind, or 0 when unlatched).
uint8_t ToggleUnderline(UnderlineLatches& latches, int control);

// The size (points) to select for a wanted size: the wanted one when
// listed, else the nearest, walking from the smallest while the distance
// does not grow (so a tie goes to the larger); 0 for an empty list.
uint16_t NearestSize(const FontSizeList& list, uint16_t wanted);
// The list index of a size, or -1.
int SizeIndex(const FontSizeList& list, uint16_t points);

// A record with every field mixed: the change record between changes.
TEXTATTR MixedTextAttr();
// A format fit to show: mixed parts (an editor's mixed selection) become
// the defaults, so the sample never asks for a 3,276-point font.
TEXTATTR ShownTextAttr(const TEXTATTR& format);
