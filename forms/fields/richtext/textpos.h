// A position in a rich-text buffer (buffer, block, character), copied by
// value; every reading, walking and editing of rich text goes through it.
// Walking operations answer 1 on success and 0 when they ran off either end
// of the text, leaving the position on the last character reached; no walk
// ever passes the end mark.
#pragma once

#include "forms/fields/richtext/format_code.h"

#include <cstdint>
#include <string_view>

class TEXTATTR;
class TEXTBLOCK;
class TEXTBUFFER;

// One format code as read from the text.
struct FORMATCODE {
    char letter = 0;
    int16_t value = 0;
};

class TEXTPOS {
public:
    TEXTPOS() = default;
    TEXTPOS(TEXTBUFFER* buffer, TEXTBLOCK* block, char* ptr)
        : buffer(buffer)
        , block(block)
        , ptr(ptr)
    {}

    void Clear() { *this = TEXTPOS(); }
    bool IsSet() const { return block != nullptr && ptr != nullptr; }
    // The character at the position (0 for no position).
    unsigned char GetChar() const;
    // The byte after and before the position, across blocks; 0 when there is
    // none.
    unsigned char NextChar() const;
    unsigned char PrevChar() const;
    // True on the buffer's end mark (the last character of the last block).
    bool IsAtEnd() const;

    // n characters forwards (n > 0) or backwards (n < 0); a code counts as
    // five characters.
    int Move(int n);
    int NextBlock();
    int PrevBlock();
    unsigned char NextBlockFirstChar() const;
    unsigned char PrevBlockLastChar() const;

    // To the previous real character, stepping back over a run of codes; it
    // stops on an 'O' code.
    int Prev();
    // Forwards over a run of codes; with stopAtO it stops on an 'O' code.
    int SkipCodes(bool stopAtO);
    int SkipCodesToO() { return SkipCodes(true); }
    // Reads the code at the position and moves past it; 0, on the end mark,
    // when the code is cut short by it.
    int ReadCode(FORMATCODE* out = nullptr);
    // Reads the code at the position into attr and moves past it.
    int ApplyCode(TEXTATTR& attr);
    // Applies a run of codes; an 'O' code ends it, except that with passOneO
    // the first 'O' met is read over.
    int ApplyCodes(TEXTATTR& attr, bool passOneO);
    // Back over the whole run of codes just before the position, stopping just
    // after an 'O' code.
    int BackOverCodes();
    // Back over one code, unless it is an 'O' code.
    int BackOverCode();

    // Edits, forwarded to the buffer. After an insertion the position stands
    // on the first inserted character; after a deletion on the character
    // where the text continues.
    int InsertChars(const char* chars, int n);
    int InsertString(const char* text);
    int DeleteChar();
    int DeleteChars(int n);
    int InsertCode(char letter, int16_t value);
    int DeleteCode();
    // Replaces the code at the position; the position then stands just after
    // the new code.
    int ReplaceCode(char letter, int16_t value);

    // Characters from the start of the text.
    int32_t GetOffset() const;
    // The start of the text moved by n; a negative n clears the position.
    int SetOffset(int32_t n);
    // -1, 0 or 1 as this position lies before, on or after other; 0 when
    // either is no position.
    int Compare(const TEXTPOS& other) const;
    bool Equals(const TEXTBUFFER* buf, const TEXTBLOCK* blk, const char* p) const
    {
        return buffer == buf && block == blk && ptr == p;
    }
    bool operator==(const TEXTPOS& other) const = default;

    int PrevWordStart(bool stopAtCR);
    int NextWordEnd(bool stopAtCR);
    int IsWordStart() const;
    int IsWordEnd() const;

    static void EncodeCode(char letter, int16_t value, char out[kCodeLength]) { EncodeFormatCode(letter, value, out); }

    TEXTBUFFER* buffer = nullptr;
    TEXTBLOCK* block = nullptr;
    char* ptr = nullptr;

private:
    // One character forwards or backwards across blocks.
    bool StepNext();
    bool StepPrev();
    // The letter of the code at the position.
    unsigned char CodeLetter() const;
};
