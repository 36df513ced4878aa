// The 16 colours of the appearance dialogs, taken from the default palette
// so that they match the display's static colours, and the lookups between
// colours, swatch controls, menu commands and combo positions.
#pragma once

#include "platform/gdi/types.h"

#include <cstdint>

using gdi::COLORREF;

// Swatch controls 1027 to 1042, menu commands and colour names 157 to 172,
// combo positions 0 to 15: the same colours in the same order.
inline constexpr unsigned kFirstSwatchId = 1027;
inline constexpr unsigned kLastSwatchId = 1042;
inline constexpr unsigned kFirstColourName = 157;
inline constexpr unsigned kLastColourName = 172;
inline constexpr int kColourCount = 16;
// The menu command and string of "Automatic".
inline constexpr unsigned kAutomaticColourId = 173;
// What a colour menu's "Automatic" answers.
inline constexpr COLORREF kAutomaticColour = 0xFFFFFFFF;

// The colour of swatch 1027 to 1042; 0 (black) for any other id.
COLORREF ColourFromSwatchId(unsigned id);
// The first position 0 to 17 of the swatch search table whose colour is
// exactly this one; 0 (black's) when none is.
int SwatchIndexFromColour(COLORREF colour);
// The swatch (0 to 15) that marks a colour: black's for the table's last
// two entries, which are black's again, and for a colour not listed.
int SwatchOfColour(COLORREF colour);
// 173 gives kAutomaticColour; 157 to 172 their colour; any other id the
// window-text colour.
COLORREF ColourFromMenuIndex(unsigned id);
// 173 gives the window-text colour; 157 to 172 their colour; any other id
// the window-text colour.
COLORREF ColourFromComboIndex(unsigned id);
// The first position 0 to 15 whose combo colour is this one; -1 for none.
int ComboIndexFromColour(COLORREF colour);

// The program-wide colour that a colour menu's "Automatic" item shows.
COLORREF GetMenuAutomaticColour();
void SetMenuAutomaticColour(COLORREF colour);
// The program-wide position (0 to 15) of the background colour last
// picked with "Other...", which swatch 1026 shows.
int GetOtherColourIndex();
void SetOtherColourIndex(int index);
