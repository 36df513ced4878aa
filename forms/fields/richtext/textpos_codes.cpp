// Reading format codes and walking over runs of them. A code may straddle
// two blocks; every byte is reached through the block chain, and a code cut
// short by the end mark stops the walk on the end mark.
#include "forms/fields/richtext/textpos.h"

#include "forms/fields/richtext/textbuffer.h"

unsigned char TEXTPOS::CodeLetter() const
{
    return NextChar();
}

int TEXTPOS::ReadCode(FORMATCODE* out)
{
    if (GetChar() != kEsc)
        return 0;
    unsigned char bytes[kCodeLength] = {kEsc};
    TEXTPOS p = *this;
    for (int i = 1; i < kCodeLength; ++i) {
        if (!p.StepNext() || p.IsAtEnd()) {
            *this = p;
            return 0;
        }
        bytes[i] = p.GetChar();
    }
    if (out != nullptr) {
        out->letter = static_cast<char>(bytes[1]);
        out->value = DecodeFormatValue(bytes[2], bytes[3]);
    }
    p.StepNext();
    *this = p;
    return 1;
}

int TEXTPOS::ApplyCode(TEXTATTR& attr)
{
    FORMATCODE code;
    if (!ReadCode(&code))
        return 0;
    ApplyFormatCode(code.letter, code.value, attr);
    return 1;
}

int TEXTPOS::ApplyCodes(TEXTATTR& attr, bool passOneO)
{
    while (GetChar() == kEsc) {
        if (CodeLetter() == 'O') {
            if (!passOneO)
                return 1;
            passOneO = false;
            if (!ReadCode())
                return 0;
            continue;
        }
        if (!ApplyCode(attr))
            return 0;
    }
    return 1;
}

int TEXTPOS::SkipCodes(bool stopAtO)
{
    while (GetChar() == kEsc) {
        if (stopAtO && CodeLetter() == 'O')
            return 1;
        if (!ReadCode())
            return 0;
    }
    return 1;
}

int TEXTPOS::Prev()
{
    while (PrevChar() == kEsc) {
        if (!Move(-kCodeLength))
            return 0;
        if (CodeLetter() == 'O')
            return 1;
    }
    return StepPrev() ? 1 : 0;
}

int TEXTPOS::BackOverCodes()
{
    while (PrevChar() == kEsc) {
        TEXTPOS p = *this;
        if (!p.Move(-kCodeLength))
            return 0;
        if (p.CodeLetter() == 'O')
            return 1;
        *this = p;
    }
    return 1;
}

int TEXTPOS::BackOverCode()
{
    if (PrevChar() != kEsc)
        return 1;
    TEXTPOS p = *this;
    if (!p.Move(-kCodeLength))
        return 0;
    if (p.CodeLetter() != 'O')
        *this = p;
    return 1;
}
