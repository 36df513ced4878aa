#include "forms/fields/richtext/textbuffer.h"

#include "forms/fields/richtext/stored_text.h"

TEXTBUFFER::TEXTBUFFER()
{
    first = last = new TEXTBLOCK;
    const char mark = static_cast<char>(kEndMark);
    first->Append(&mark, 1);
}

TEXTBUFFER::~TEXTBUFFER()
{
    DeleteAll();
}

void TEXTBUFFER::DeleteAll()
{
    while (first != nullptr) {
        TEXTBLOCK* next = first->next;
        delete first;
        first = next;
    }
    last = nullptr;
    lastEdit = TEXTEDIT();
}

TEXTPOS TEXTBUFFER::GetStart()
{
    if (first == nullptr)
        return TEXTPOS();
    return TEXTPOS(this, first, first->Begin());
}

TEXTPOS TEXTBUFFER::GetEnd()
{
    if (last == nullptr)
        return TEXTPOS();
    return TEXTPOS(this, last, last->Last());
}

std::string TEXTBUFFER::GetText() const
{
    std::string text;
    for (const TEXTBLOCK* block = first; block != nullptr; block = block->next)
        text.append(block->Begin(), block->length);
    if (!text.empty())
        text.pop_back();
    return text;
}

int TEXTBUFFER::InsertString(TEXTPOS& pos, const char* text)
{
    return InsertChars(pos, text, static_cast<int>(std::string_view(text).size()));
}

int TEXTBUFFER::InsertStoredText(TEXTPOS& pos, std::string_view text)
{
    const std::string clean = DropIncompleteCodes(text);
    return InsertChars(pos, clean.data(), static_cast<int>(clean.size()));
}

TEXTBLOCK* TEXTBUFFER::BlockInsertAfter(TEXTBLOCK* block)
{
    auto* added = new TEXTBLOCK;
    added->prev = block;
    added->next = block->next;
    if (block->next != nullptr)
        block->next->prev = added;
    else
        last = added;
    block->next = added;
    return added;
}

TEXTBLOCK* TEXTBUFFER::BlockSplitAt(TEXTBLOCK* block, char* at)
{
    TEXTBLOCK* tail = BlockInsertAfter(block);
    const int n = static_cast<int>(block->End() - at);
    tail->Append(at, n);
    block->DeleteAt(at, n);
    return tail;
}

void TEXTBUFFER::BlockMergeWithNext(TEXTBLOCK* block)
{
    TEXTBLOCK* next = block->next;
    block->Append(next->Begin(), next->length);
    BlockRemove(next);
}

void TEXTBUFFER::BlockRemove(TEXTBLOCK* block)
{
    if (block->prev != nullptr)
        block->prev->next = block->next;
    else
        first = block->next;
    if (block->next != nullptr)
        block->next->prev = block->prev;
    else
        last = block->prev;
    delete block;
}
