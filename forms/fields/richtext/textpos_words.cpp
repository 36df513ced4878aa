// Word steps for the editor's word movement, double-click and dragging.
// Bytes compare as unsigned values: 0x80 to 0xFF are word characters.
#include "forms/fields/richtext/textpos.h"

namespace {

bool IsSeparator(unsigned char c)
{
    return c == kBlank || c == kReturn || c == kLineFeed || c == kEsc;
}

} // namespace

int TEXTPOS::PrevWordStart(bool stopAtCR)
{
    TEXTPOS p = *this;
    for (;;) {
        if (!p.Prev()) {
            *this = p;
            return 0;
        }
        const unsigned char c = p.GetChar();
        if (c == kReturn && stopAtCR) {
            *this = p;
            return 0;
        }
        if (c != kBlank && c != kLineFeed && c != kReturn)
            break;
    }
    for (;;) {
        TEXTPOS q = p;
        if (!q.Prev()) {
            *this = q;
            return 0;
        }
        if (IsSeparator(q.GetChar())) {
            *this = p;
            return 1;
        }
        p = q;
    }
}

int TEXTPOS::NextWordEnd(bool stopAtCR)
{
    if (GetChar() == kEsc)
        SkipCodes(true);
    for (;;) {
        const unsigned char c = GetChar();
        if (c != kBlank && c != kReturn && c != kLineFeed)
            break;
        if (c == kReturn && stopAtCR)
            return 0;
        if (!StepNext())
            return 1;
        SkipCodes(true);
    }
    while (!IsAtEnd() && !IsSeparator(GetChar())) {
        if (!StepNext())
            break;
    }
    return 1;
}

int TEXTPOS::IsWordStart() const
{
    if (GetChar() <= kBlank)
        return 0;
    TEXTPOS p = *this;
    if (!p.Prev())
        return 1;
    return p.GetChar() == kBlank ? 1 : 0;
}

int TEXTPOS::IsWordEnd() const
{
    if (!IsSet() || GetChar() > kBlank)
        return 0;
    TEXTPOS p = *this;
    if (!p.Prev())
        return 0;
    return p.GetChar() > kBlank ? 1 : 0;
}
