// Stepping, moving, offsets and edits of a text position.
#include "forms/fields/richtext/textpos.h"

#include "forms/fields/richtext/textbuffer.h"

#include <string_view>

unsigned char TEXTPOS::GetChar() const
{
    return IsSet() ? static_cast<unsigned char>(*ptr) : 0;
}

unsigned char TEXTPOS::NextChar() const
{
    if (!IsSet())
        return 0;
    if (ptr + 1 < block->End())
        return static_cast<unsigned char>(ptr[1]);
    return NextBlockFirstChar();
}

unsigned char TEXTPOS::PrevChar() const
{
    if (!IsSet())
        return 0;
    if (ptr > block->Begin())
        return static_cast<unsigned char>(ptr[-1]);
    return PrevBlockLastChar();
}

bool TEXTPOS::IsAtEnd() const
{
    return IsSet() && block->next == nullptr && ptr + 1 >= block->End();
}

bool TEXTPOS::StepNext()
{
    if (!IsSet())
        return false;
    if (ptr + 1 < block->End()) {
        ++ptr;
        return true;
    }
    return NextBlock() != 0;
}

bool TEXTPOS::StepPrev()
{
    if (!IsSet())
        return false;
    if (ptr > block->Begin()) {
        --ptr;
        return true;
    }
    return PrevBlock() != 0;
}

int TEXTPOS::Move(int n)
{
    if (!IsSet())
        return 0;
    while (n > 0) {
        const auto inBlock = static_cast<int>(block->Last() - ptr);
        if (n <= inBlock) {
            ptr += n;
            return 1;
        }
        ptr += inBlock;
        n -= inBlock;
        if (!NextBlock())
            return 0;
        --n;
    }
    while (n < 0) {
        const auto inBlock = static_cast<int>(ptr - block->Begin());
        if (-n <= inBlock) {
            ptr += n;
            return 1;
        }
        ptr -= inBlock;
        n += inBlock;
        if (!PrevBlock())
            return 0;
        ++n;
    }
    return 1;
}

int TEXTPOS::NextBlock()
{
    if (!IsSet() || block->next == nullptr)
        return 0;
    block = block->next;
    ptr = block->Begin();
    return 1;
}

int TEXTPOS::PrevBlock()
{
    if (!IsSet() || block->prev == nullptr)
        return 0;
    block = block->prev;
    ptr = block->Last();
    return 1;
}

unsigned char TEXTPOS::NextBlockFirstChar() const
{
    if (!IsSet() || block->next == nullptr)
        return 0;
    return static_cast<unsigned char>(*block->next->Begin());
}

unsigned char TEXTPOS::PrevBlockLastChar() const
{
    if (!IsSet() || block->prev == nullptr)
        return 0;
    return static_cast<unsigned char>(*block->prev->Last());
}

int TEXTPOS::InsertChars(const char* chars, int n)
{
    return buffer->InsertChars(*this, chars, n);
}

int TEXTPOS::InsertString(const char* text)
{
    return buffer->InsertString(*this, text);
}

int TEXTPOS::DeleteChar()
{
    return buffer->DeleteChar(*this);
}

int TEXTPOS::DeleteChars(int n)
{
    return buffer->DeleteChars(*this, n);
}

int TEXTPOS::InsertCode(char letter, int16_t value)
{
    char code[kCodeLength];
    EncodeCode(letter, value, code);
    return InsertChars(code, kCodeLength);
}

int TEXTPOS::DeleteCode()
{
    return DeleteChars(kCodeLength);
}

int TEXTPOS::ReplaceCode(char letter, int16_t value)
{
    if (!DeleteCode())
        return 0;
    buffer->FixPos(*this);
    InsertCode(letter, value);
    buffer->FixPos(*this);
    return 1;
}

int32_t TEXTPOS::GetOffset() const
{
    if (!IsSet())
        return 0;
    int32_t offset = static_cast<int32_t>(ptr - block->Begin());
    for (const TEXTBLOCK* b = block->prev; b != nullptr; b = b->prev)
        offset += b->length;
    return offset;
}

int TEXTPOS::SetOffset(int32_t n)
{
    TEXTBUFFER* owner = buffer;
    Clear();
    if (n < 0 || owner == nullptr)
        return 0;
    *this = owner->GetStart();
    return Move(n);
}

int TEXTPOS::Compare(const TEXTPOS& other) const
{
    if (block == nullptr || other.block == nullptr)
        return 0;
    if (block == other.block)
        return ptr < other.ptr ? -1 : (ptr > other.ptr ? 1 : 0);
    for (const TEXTBLOCK* b = block->next; b != nullptr; b = b->next) {
        if (b == other.block)
            return -1;
    }
    return 1;
}
