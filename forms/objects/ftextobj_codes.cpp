// Changes to a text object's inline format codes and trailing blanks.
#include "forms/objects/ftextobj.h"

#include "forms/fields/richtext/format_code.h"

namespace {

// Whether the format sets the part of the text that a code of the letter
// changes (a mixed part is left to the codes).
bool Overrides(char letter, const TEXTATTR& applied)
{
    switch (letter) {
    case 'B':
        return applied.bold != kMixedFlag;
    case 'I':
        return applied.italic != kMixedFlag;
    case '/':
        return applied.strike != kMixedFlag;
    case 'U':
        return applied.underline != kMixedFlag;
    case 'T':
        return applied.face != kMixedWord;
    case 'P':
        return applied.size != kMixedWord;
    case 'b':
    case 'd':
    case 'g':
    case 'r':
        return applied.colour != kMixedColour;
    default:
        return false;
    }
}

bool IsTrailingBlank(char c)
{
    return c == static_cast<char>(kBlank) || c == static_cast<char>(kLineFeed);
}

} // namespace

void FTEXTOBJ::StripCodes(const TEXTATTR& applied)
{
    size_t i = 0;
    while (i < txText.GetLength()) {
        char* at = txText.GetBuffer() + i;
        if (static_cast<unsigned char>(*at) != kEsc) {
            ++i;
            continue;
        }
        // A code cut short by the end of the text ends the walk.
        if (i + kCodeLength > txText.GetLength())
            break;
        if (Overrides(at[1], applied))
            txText.DeleteCode(at);
        else
            i += kCodeLength;
    }
}

uint16_t FTEXTOBJ::TrimTrailingBlanks()
{
    if (txText.GetLength() <= 1)
        return 0;
    uint16_t deleted = 0;
    int pos = txText.GetLength() - 1;
    while (pos >= 0) {
        char* text = txText.GetBuffer();
        if (static_cast<unsigned char>(text[pos]) == kEsc) {
            // The closing escape of a code: step back over the whole code.
            pos -= kCodeLength;
            continue;
        }
        if (!IsTrailingBlank(text[pos]))
            break;
        int first = pos;
        while (first > 0 && IsTrailingBlank(text[first - 1]))
            --first;
        deleted += txText.DeleteRange(text + first, text + pos);
        pos = first - 1;
    }
    return deleted;
}
