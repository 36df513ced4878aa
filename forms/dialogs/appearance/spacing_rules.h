// The rules of the Spacing page and the Text line spacing dialog, apart
// from their controls: the value shown in inches or centimetres and the
// value a typed text gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr int kTallestFontRadio = 1240;
inline constexpr int kFixedHeightRadio = 1220;
inline constexpr int kSpacingValueEdit = 1061;
inline constexpr int kSixLinesButton = 1342;
inline constexpr int kEightLinesButton = 1343;
inline constexpr int kInchesRadio = 1241;
inline constexpr int kCentimetresRadio = 1242;

// The spacing that means "the height of the tallest font on the line".
inline constexpr uint16_t kTallestFontSpacing = 65535;
inline constexpr uint16_t kMinFixedSpacing = 28;
inline constexpr uint16_t kMaxFixedSpacing = 7200;
inline constexpr uint16_t kSixLinesPerInch = 240;
inline constexpr uint16_t kEightLinesPerInch = 180;
// The most characters of the edit that are read.
inline constexpr size_t kMaxSpacingText = 18;

inline constexpr uint8_t kUnitInches = 0;
inline constexpr uint8_t kUnitCentimetres = 1;

// Twips in the unit with three decimals ("0.125" for 180 in inches).
std::string SpacingText(uint16_t twips, uint8_t units);
// The fixed spacing a typed text gives: the number (blanks and tabs around
// it allowed, nothing else) in the unit, as whole twips from 28 to 7200;
// none for an empty text or anything else.
std::optional<uint16_t> ParseSpacing(std::string_view text, uint8_t units);
