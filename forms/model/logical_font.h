// Logical fonts of character formats: in twips, in device pixels, and at an
// angle, where a face that cannot be turned is replaced by one that can.
#pragma once

#include "platform/gdi/dc.h"
#include "platform/gdi/font.h"

#include <cstdint>

class FONTFACE;
class FontFaces;
class TEXTATTR;

// The pitch-and-family byte (text-metric bits) of the installed font of the
// face; 0x14 for no face or a face that is not installed.
uint8_t GetFaceFlags(const FONTFACE* face);

// The face of the table that replaces a face of these flags when text is
// turned, or null when the face stays.
const FONTFACE* RotatableSubstitute(uint8_t faceFlags, const FontFaces& table);

// Fills every field of the logical font but its height: weight, italic and
// the face of the program-wide table (the placeholder face for an index
// outside it, or without a table); no underline or strike-out.
void BuildLogFont(const TEXTATTR& attr, gdi::LOGFONT& logfont, int16_t escapement);
// The height is the size in twips, for a context whose logical unit is the twip.
void MakeLogicalFont(const TEXTATTR& attr, gdi::LOGFONT& logfont, int16_t escapement);
// The height is the size in pixels of the device.
void MakeDeviceFont(const gdi::DC& dc, const TEXTATTR& attr, gdi::LOGFONT& logfont, int16_t escapement);
