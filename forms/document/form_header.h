// The opening of a form file's "Contents" stream: the header record with the
// product's text, the version record and the body marker.
#pragma once

#include <cstdint>
#include <string_view>

class RECORDARCHIVE;

// The header text, 77 bytes, the last being 0x1A; no terminating NUL.
constexpr std::string_view kFormHeaderText
    = "ZAZEZEV-01\r\n\r\nThis is a Hollarby Forms Form file.\r\nDo not interfere with it!\x1A";
constexpr uint8_t kHeaderTag = 0x8A;
constexpr uint8_t kVersionTag = 0x8B;
constexpr uint8_t kBodyMarker = 0x7A;
constexpr uint16_t kFormVersion = 0;

// String id of the message that a file is not one of the program's forms.
constexpr int kNotAFormMessage = 136;
// String id of "This file is not in a format supported by Quirewell".
constexpr int kUnsupportedFormatError = 198;

// Writes the header record, the version record and the body marker.
void WriteFormHeader(RECORDARCHIVE& ar);

// Reads the header record: false when its tag, length or text (all but the
// last byte) differ. Then reads the version record, whatever its tag, and
// answers its version through `version`.
bool ReadFormHeader(RECORDARCHIVE& ar, uint16_t& version);
