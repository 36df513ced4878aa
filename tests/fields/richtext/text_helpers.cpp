#include "text_helpers.h"

std::string Code(char letter, int16_t value)
{
    char bytes[kCodeLength];
    TEXTPOS::EncodeCode(letter, value, bytes);
    return std::string(bytes, kCodeLength);
}

void Fill(TEXTBUFFER& buffer, const std::string& text)
{
    TEXTPOS start = buffer.GetStart();
    buffer.InsertChars(start, text.data(), static_cast<int>(text.size()));
}

std::vector<int> BlockLengths(const TEXTBUFFER& buffer)
{
    std::vector<int> lengths;
    for (const TEXTBLOCK* b = buffer.GetFirstBlock(); b != nullptr; b = b->next)
        lengths.push_back(b->length);
    return lengths;
}

std::string ChainFault(const TEXTBUFFER& buffer)
{
    const TEXTBLOCK* prev = nullptr;
    for (const TEXTBLOCK* b = buffer.GetFirstBlock(); b != nullptr; b = b->next) {
        if (b->prev != prev)
            return "broken back link";
        if (b->length == 0 || b->length > TEXTBLOCK::kCapacity)
            return "block of " + std::to_string(b->length) + " characters";
        if (*b->End() != 0)
            return "block not terminated";
        prev = b;
    }
    if (prev != buffer.GetLastBlock())
        return "last block wrong";
    if (prev == nullptr || static_cast<unsigned char>(*(prev->End() - 1)) != kEndMark)
        return "no end mark";
    return {};
}

TEXTPOS At(TEXTBUFFER& buffer, int n)
{
    TEXTPOS pos = buffer.GetStart();
    pos.SetOffset(n);
    return pos;
}
