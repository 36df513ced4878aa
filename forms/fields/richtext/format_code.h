// The bytes with a role of their own in rich text, and the 5-byte inline
// format code (ESC, letter, high value byte, low value byte, ESC) that
// carries a change of character format inside the text.
#pragma once

#include <cstdint>

class TEXTATTR;

constexpr unsigned char kLineFeed = 10;
constexpr unsigned char kReturn = 13;
constexpr unsigned char kEndMark = 26; // the last character of every buffer
constexpr unsigned char kEsc = 27; // opens and closes a format code
constexpr unsigned char kBlank = 32;

constexpr int kCodeLength = 5;

// The value a code letter carries when it stands for the rich text's default.
constexpr int16_t kDefaultValue = -2;

// Writes the code's five bytes. A value whose low byte would be 0 (those
// whose remainder by 255 is 254) is written as the next lower value, since a
// zero byte ends a block's text.
void EncodeFormatCode(char letter, int16_t value, char out[kCodeLength]);

// The value carried by a code's two value bytes.
int16_t DecodeFormatValue(unsigned char high, unsigned char low);

// Changes attr as reading a code of that letter and value does; an 'O' code
// and unknown letters change nothing.
void ApplyFormatCode(char letter, int16_t value, TEXTATTR& attr);
