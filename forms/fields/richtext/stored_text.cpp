#include "forms/fields/richtext/stored_text.h"

#include "forms/fields/richtext/format_code.h"

namespace {

bool IsCompleteCode(std::string_view text, size_t i)
{
    if (i + kCodeLength > text.size() || static_cast<unsigned char>(text[i + kCodeLength - 1]) != kEsc)
        return false;
    for (size_t k = i + 1; k < i + kCodeLength - 1; ++k) {
        if (text[k] == 0)
            return false;
    }
    return true;
}

} // namespace

std::string DropIncompleteCodes(std::string_view text)
{
    std::string clean;
    clean.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == kEsc) {
            if (IsCompleteCode(text, i)) {
                clean.append(text.substr(i, kCodeLength));
                i += kCodeLength;
                continue;
            }
            if (i + kCodeLength > text.size())
                break;
        } else if (c != 0 && c != kEndMark) {
            clean.push_back(static_cast<char>(c));
        }
        ++i;
    }
    return clean;
}
