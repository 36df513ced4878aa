// The chunked buffer that holds a rich text while it lives in memory: a
// chain of blocks ending with the end mark, and the record of the last edit
// through which positions held elsewhere repair themselves.
#pragma once

#include "forms/fields/richtext/textblock.h"
#include "forms/fields/richtext/textpos.h"

#include <cstdint>
#include <string>
#include <string_view>

// What the most recent insertion or deletion did.
struct TEXTEDIT {
    enum Kind : uint16_t { None = 0, InBlock = 1, Moved = 2 };

    uint16_t kind = None;
    // The edit point.
    TEXTBLOCK* block = nullptr;
    char* at = nullptr;
    // For a deletion, where the text continues.
    TEXTPOS pos;
    // For Moved: the block that text moved out of and its first moved
    // character, the block that received it and where it now begins.
    TEXTBLOCK* source = nullptr;
    char* sourceAt = nullptr;
    TEXTBLOCK* target = nullptr;
    char* targetAt = nullptr;
    // Characters inserted (positive) or deleted (negative).
    int32_t delta = 0;
};

class TEXTBUFFER {
public:
    // One block holding the end mark.
    TEXTBUFFER();
    ~TEXTBUFFER();
    TEXTBUFFER(const TEXTBUFFER&) = delete;
    TEXTBUFFER& operator=(const TEXTBUFFER&) = delete;

    // Unlinks and destroys every block.
    void DeleteAll();

    TEXTPOS GetStart();
    // The end mark.
    TEXTPOS GetEnd();
    // The characters before the end mark.
    std::string GetText() const;

    int InsertString(TEXTPOS& pos, const char* text);
    // Always 1; pos then stands on the first inserted character.
    int InsertChars(TEXTPOS& pos, const char* chars, int n);
    // Inserts text that comes from outside (a file, the clipboard, a
    // database): incomplete codes, zero bytes and end marks are dropped.
    int InsertStoredText(TEXTPOS& pos, std::string_view text);
    int DeleteChar(TEXTPOS& pos);
    // 0 when the text ran out before n characters were deleted; the end mark
    // is never deleted.
    int DeleteChars(TEXTPOS& pos, int n);

    // 0 when pos must be repaired after the last edit.
    int IsPosUnaffected(const TEXTPOS& pos) const;
    void FixPos(TEXTPOS& pos);

    TEXTBLOCK* BlockInsertAfter(TEXTBLOCK* block);
    // A new block after block that takes the characters from at to the end.
    TEXTBLOCK* BlockSplitAt(TEXTBLOCK* block, char* at);
    // Appends the next block's characters to block and removes it.
    void BlockMergeWithNext(TEXTBLOCK* block);
    void BlockRemove(TEXTBLOCK* block);

    TEXTBLOCK* GetFirstBlock() const { return first; }
    TEXTBLOCK* GetLastBlock() const { return last; }
    const TEXTEDIT& GetLastEdit() const { return lastEdit; }

private:
    TEXTEDIT lastEdit;
    TEXTBLOCK* first = nullptr;
    TEXTBLOCK* last = nullptr;
};
