// The number format page's samples: a value shown through the format its
// sign chooses, with the colour it is drawn in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class NUMBERDATATYPE;
struct NUMBERCHOICES;

constexpr double kSamplePositive = 2393.723;
constexpr double kSampleNegative = -7343.083;
constexpr double kSampleZero = 0.0;

struct NUMBERSAMPLE {
    std::string text;
    uint32_t colour = 0; // 0x00BBGGRR
};

// v through the positive, negative or zero format (zero falls back to the
// positive one); an automatic colour is `automatic`.
NUMBERSAMPLE FormatSample(const NUMBERDATATYPE& type, double v, uint32_t automatic);
// The negative sample as a negative style shows it in the style list.
NUMBERSAMPLE StyleSample(const NUMBERCHOICES& choices, int style, std::string_view symbol, uint32_t automatic);
