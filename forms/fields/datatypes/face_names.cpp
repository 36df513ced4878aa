#include "forms/fields/datatypes/face_names.h"

#include "forms/fields/richtext/format_code.h"
#include "forms/model/program_fonts.h"

namespace {

constexpr char kFaceCode = 'T';
constexpr char kNamedFaceCode = 'X';
// Bytes of an 'X' code before its face name: ESC, 'X', family, marker,
// character set.
constexpr size_t kNamedFaceHead = 5;
constexpr uint8_t kPlainMarker = 1;
constexpr uint8_t kCharset255Marker = 2;
// The largest index a 'T' code can hold.
constexpr int kMaxFaceIndex = 253;

bool IsEsc(char c)
{
    return static_cast<unsigned char>(c) == kEsc;
}

std::string FaceCode(int16_t index)
{
    char code[kCodeLength];
    EncodeFormatCode(kFaceCode, index, code);
    return std::string(code, kCodeLength);
}

// Where the 'X' code at i ends (one past its closing ESC), or npos when the
// text ends first.
size_t NamedCodeEnd(std::string_view text, size_t i)
{
    if (i + kNamedFaceHead > text.size())
        return std::string::npos;
    for (size_t k = i + kNamedFaceHead; k < text.size(); ++k) {
        if (IsEsc(text[k]))
            return k + 1;
    }
    return std::string::npos;
}

} // namespace

void EncodeFaceNames(std::string& text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (!IsEsc(text[i])) {
            out.push_back(text[i++]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == kNamedFaceCode) {
            const size_t end = NamedCodeEnd(text, i);
            const size_t stop = end == std::string::npos ? text.size() : end;
            out.append(text, i, stop - i);
            i = stop;
            continue;
        }
        if (i + kCodeLength > text.size()) {
            out.append(text, i, std::string::npos);
            break;
        }
        const char letter = text[i + 1];
        const int16_t index
            = DecodeFormatValue(static_cast<unsigned char>(text[i + 2]), static_cast<unsigned char>(text[i + 3]));
        const FONTFACE* face = letter == kFaceCode && index != kDefaultValue ? GetProgramFonts().GetAt(index) : nullptr;
        if (!face) {
            out.append(text, i, kCodeLength);
            i += kCodeLength;
            continue;
        }
        out.push_back(static_cast<char>(kEsc));
        out.push_back(kNamedFaceCode);
        out.push_back(static_cast<char>(face->pitchAndFamily + 1));
        if (face->charSet == 255) {
            out.push_back(static_cast<char>(kCharset255Marker));
            out.push_back(1);
        } else {
            out.push_back(static_cast<char>(kPlainMarker));
            out.push_back(static_cast<char>(face->charSet + 1));
        }
        out += face->GetName();
        out.push_back(static_cast<char>(kEsc));
        i += kCodeLength;
    }
    text = std::move(out);
}

void DecodeFaceNames(std::string& text)
{
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        if (!IsEsc(text[i])) {
            out.push_back(text[i++]);
            continue;
        }
        if (i + 1 < text.size() && text[i + 1] == kNamedFaceCode) {
            const size_t end = NamedCodeEnd(text, i);
            if (end == std::string::npos)
                break;
            const auto pitch = static_cast<uint8_t>(text[i + 2]);
            const auto marker = static_cast<uint8_t>(text[i + 3]);
            const auto charset = static_cast<uint8_t>(text[i + 4]);
            const FONTFACE face(std::string_view(text).substr(i + kNamedFaceHead, end - 1 - i - kNamedFaceHead),
                static_cast<uint8_t>(pitch - 1), marker == kCharset255Marker ? uint8_t {255} : uint8_t(charset - 1));
            const int index = GetProgramFonts().FindOrAdd(face);
            out += FaceCode(static_cast<int16_t>(index <= kMaxFaceIndex ? index : kDefaultValue));
            i = end;
            continue;
        }
        if (i + kCodeLength > text.size()) {
            out.append(text, i, std::string::npos);
            break;
        }
        if (text[i + 1] == kFaceCode)
            out += FaceCode(kDefaultValue);
        else
            out.append(text, i, kCodeLength);
        i += kCodeLength;
    }
    text = std::move(out);
}

std::string PlainText(std::string_view text, size_t limit)
{
    std::string plain;
    size_t i = 0;
    while (i < text.size() && plain.size() < limit) {
        if (!IsEsc(text[i])) {
            plain.push_back(text[i++]);
        } else if (i + 1 < text.size() && text[i + 1] == kNamedFaceCode) {
            i = NamedCodeEnd(text, i);
            if (i == std::string::npos)
                break;
        } else {
            i += kCodeLength;
        }
    }
    return plain;
}
