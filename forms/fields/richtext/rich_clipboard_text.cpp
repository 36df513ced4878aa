#include "forms/fields/richtext/rich_clipboard.h"

#include "forms/fields/richtext/format_code.h"
#include "forms/model/program_fonts.h"

namespace {

// Whether a whole code starts at i.
bool IsCodeAt(std::string_view text, size_t i)
{
    return static_cast<unsigned char>(text[i]) == kEsc && i + kCodeLength <= text.size()
        && static_cast<unsigned char>(text[i + kCodeLength - 1]) == kEsc;
}

std::string_view UpToZero(std::string_view text)
{
    return text.substr(0, text.find('\0'));
}

} // namespace

int32_t VisibleCount(std::string_view text)
{
    text = UpToZero(text);
    int32_t count = 0;
    for (size_t i = 0; i < text.size();) {
        if (IsCodeAt(text, i)) {
            i += kCodeLength;
            continue;
        }
        ++count;
        ++i;
    }
    return count;
}

int32_t ChunkBytes(std::string_view text, int32_t n)
{
    text = UpToZero(text);
    size_t i = 0;
    while (i < text.size() && n > 0) {
        if (IsCodeAt(text, i)) {
            i += kCodeLength;
            continue;
        }
        --n;
        ++i;
    }
    return static_cast<int32_t>(i);
}

std::string CleanPlainText(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    for (char c : UpToZero(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= kBlank || byte == kLineFeed)
            clean += c;
    }
    return clean;
}

void RemapFaceCodes(std::string& text, const FontFaces* fontTable)
{
    for (size_t i = 0; i < text.size();) {
        if (!IsCodeAt(text, i)) {
            ++i;
            continue;
        }
        if (text[i + 1] == 'T') {
            const int16_t value
                = DecodeFormatValue(static_cast<unsigned char>(text[i + 2]), static_cast<unsigned char>(text[i + 3]));
            if (value != kDefaultValue) {
                const uint16_t mapped = GetProgramFonts().MapFont(fontTable, static_cast<uint16_t>(value));
                EncodeFormatCode('T', static_cast<int16_t>(mapped), &text[i]);
            }
        }
        i += kCodeLength;
    }
}
