// The rules of the Shade page and the Shade Format dialog, apart from their
// controls: which pattern each button shows, which swatch, pattern and
// background button a fill marks, and what each click changes.
#pragma once

#include "forms/model/shade.h"

#include <array>
#include <cstdint>

inline constexpr int kFirstPatternButton = 1002;
inline constexpr int kLastPatternButton = 1021;
inline constexpr int kNewShadeSample = 1022;
inline constexpr int kOldShadeSample = 1023;
inline constexpr int kWhiteButton = 1024;
inline constexpr int kBlackButton = 1025;
inline constexpr int kOtherColourButton = 1026;
inline constexpr int kTransparentSample = 1043;
inline constexpr int kOtherColourCommand = 1044;
inline constexpr int kTransparentButton = 1065;
inline constexpr int kPatternCount = 20;

// The pattern value shown by each button position.
inline constexpr std::array<int16_t, kPatternCount> kPatternValues {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 10};

// The first position showing the value, else 0.
int PatternPosFromValue(int value);
// The pattern of a button position (0 for a position outside the table).
int16_t PatternValueAt(int position);

// What a fill marks on the page.
struct ShadeMarks {
    int swatch = 0; // 0-17, of the foreground colour
    int pattern = 0; // button position 0-19
    int other = 0; // 0-17, of the background colour
    int background = kBlackButton; // 1024, 1025 or 1026
    bool transparent = false;

    friend bool operator==(const ShadeMarks&, const ShadeMarks&) = default;
};

// The background button of an other-colour index: black's 0 → "Black",
// white's 15 → "White", any other → the other-colour button.
int BackgroundButtonFor(int otherIndex);
ShadeMarks MarksOf(const BASICSHADE& shade);

// The clicks; each answers whether the fill changed and is to be applied
// (a click on what is already marked, while not transparent, does
// nothing).
bool ClickPattern(BASICSHADE& shade, const ShadeMarks& marks, int position);
bool ClickSwatch(BASICSHADE& shade, const ShadeMarks& marks, int swatchId);
bool ClickBackground(BASICSHADE& shade, const ShadeMarks& marks, int button);
// A colour chosen from the "Other..." menu (command 157-172).
bool ChooseOtherColour(BASICSHADE& shade, unsigned command);
bool ClickTransparent(BASICSHADE& shade);
