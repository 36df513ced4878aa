// The rules of the Border page and the Line Format dialog, apart from their
// controls: the width shown and typed in points, when double lines are
// allowed, and what the style and rounding choices do to a border.
#pragma once

#include "forms/model/border.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The line-type radio buttons None, Single, Double, and the other controls.
inline constexpr int kLineNoneRadio = 1073;
inline constexpr int kLineDoubleRadio = 1075;
inline constexpr int kLineWidthCombo = 1049;
inline constexpr int kLineStyleList = 1048;
inline constexpr int kRoundCornersBox = 1297;
inline constexpr int kNewLineSample = 1022;
inline constexpr int kOldLineSample = 1023;
// The narrowest width (twips) at which a solid border may be double.
inline constexpr uint16_t kMinDoubleWidth = 43;
// The thicknesses the width combo lists, in points.
inline constexpr std::string_view kListedWidths[] = {"0.5", "1", "2", "3", "5", "10"};
// The style names, strings 587, 588, 589, 617, 590.
inline constexpr std::string_view kStyleNames[] = {"Solid", "Dashed", "Dotted", "Dot dash", "Dash Dot Dot"};

// A width in twips as the combo shows it: whole points and a tenth-ish
// remainder ("1.5 pt" for 30, "1.2 pt" for 25, "0.5 pt" for 10).
std::string WidthText(uint16_t twips);
// The width a text stands for (" pt" and after it ignored): 0.5 to 10
// points, as whole twips; none outside that range.
std::optional<uint16_t> ParseWidth(std::string_view text);
// The number the user typed into the width combo, read as it stands.
double TypedWidth(std::string_view text);

// After a width is taken: a double line narrower than 43 twips becomes
// single. Answers whether "Double" may be chosen.
bool ApplyWidthRule(BORDER& border);
// After a style is chosen (list index): any style but solid makes the line
// single. Answers whether "Double" may be chosen.
bool ApplyStyleRule(BORDER& border, int index);
// Whether "Double" may be chosen for the border as it is.
bool DoubleAllowed(const BORDER& border);
// The rounded-corners box clicked: rounding off, or on (144 or 250 by the
// width).
void ToggleRounding(BORDER& border);

// The control that shows a line type, or 0 for a value no control shows.
int LineTypeRadio(uint16_t lineType);
// The style list's index for a style, or -1 for a style it lacks.
int StyleListIndex(uint8_t style);
