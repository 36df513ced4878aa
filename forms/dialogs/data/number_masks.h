// The number format page's categories as plain code: the masks each
// category builds from its few choices, the thousands flags it sets, and
// the recognition of a number field's formats as one of them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class NUMBERDATATYPE;

// Positions in the sorted category list.
constexpr int kCategoryAccounting = 0;
constexpr int kCategoryCurrency = 1;
constexpr int kCategoryCustom = 2;
constexpr int kCategoryNumber = 3;

constexpr uint32_t kNegativeRed = 0x000000FF;

// The simple controls' choices.
struct NUMBERCHOICES {
    int category = kCategoryCustom;
    int decimals = 2; // 0 to 9
    bool useSymbol = true; // Currency and Accounting
    bool numberSeparator = true; // Number
    int style = 0; // negative style 0 to 3
    bool operator==(const NUMBERCHOICES&) const = default;
};

// Whether a negative style is drawn in red, and whether it is spaced.
inline bool StyleIsRed(int style)
{
    return style == 1 || style == 3;
}
inline bool StyleIsSpaced(int style)
{
    return style == 2 || style == 3;
}

struct BUILTMASKS {
    std::string positive;
    std::string negative;
    std::string zero; // Accounting only
};

// The masks a category other than Custom gives.
BUILTMASKS BuildMaskTexts(const NUMBERCHOICES& choices, std::string_view symbol);
// Sets the built masks on the positive format and on the negative and zero
// formats where they exist.
void BuildMasks(NUMBERDATATYPE& type, const NUMBERCHOICES& choices, std::string_view symbol);
// Currency and Accounting set every format's thousands flag; Number sets it
// to its separator choice.
void ApplySeparator(NUMBERDATATYPE& type, const NUMBERCHOICES& choices);
// What choosing a category other than Custom does to the formats: prescale
// cleared, colours from the style, the zero format made for Accounting
// and removed for Number and Currency; then masks and thousands flags.
// Custom only makes a missing zero format as a copy of the positive one.
void ApplyCategory(NUMBERDATATYPE& type, const NUMBERCHOICES& choices, std::string_view symbol);
// The category and choices the formats belong to. A category is taken only
// when applying it gives back exactly the formats the field has (masks,
// prescale, thousands flags, colours, zero format): anything else is Custom
// with the default choices, so that opening the page changes nothing.
NUMBERCHOICES RecogniseMasks(const NUMBERDATATYPE& type, std::string_view symbol);
// What opening the page does to the formats: recognise, then choose the
// category recognised. The recognised choices.
NUMBERCHOICES OpenNumberFormats(NUMBERDATATYPE& type, std::string_view symbol);
