// The rich-text clipboard's formats and the helpers that measure, cut and
// check a clipboard text before it is inserted.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class FontFaces;

// The selected bytes with their codes, after a run stating the format at
// the selection's start; ended by 0.
inline constexpr std::string_view kNativeTextFormat = "Quirewell Native Text";
// The program's font table as a font-table record group.
inline constexpr std::string_view kFontListFormat = "Quirewell TF list";

// Chunks of a paste start at this many visible characters.
constexpr int32_t kPasteChunk = 5000;

// Characters of a text up to its first 0, codes not counted.
int32_t VisibleCount(std::string_view text);
// The bytes that hold the first n visible characters (codes 5 bytes each);
// all of the text up to its first 0 when it holds fewer.
int32_t ChunkBytes(std::string_view text, int32_t n);
// Plain text from the clipboard as it may enter a rich text: LF is the line
// break; every other byte below 32 (CR, tab, ESC, the end mark) is dropped.
std::string CleanPlainText(std::string_view text);
// Every typeface code of a native text, mapped from the pasted table's
// index to the program table's (an index the pasted table lacks gives 0);
// the default value -2 stays.
void RemapFaceCodes(std::string& text, const FontFaces* fontTable);
