// Insertion, deletion and the repair of positions held across them.
#include "forms/fields/richtext/textbuffer.h"

#include <algorithm>
#include <cstdint>

namespace {

// Distance between two pointers of one block, also when that block has
// since been destroyed (only the addresses are compared).
std::intptr_t Distance(const char* from, const char* to)
{
    return static_cast<std::intptr_t>(reinterpret_cast<std::uintptr_t>(to) - reinterpret_cast<std::uintptr_t>(from));
}

} // namespace

int TEXTBUFFER::InsertChars(TEXTPOS& pos, const char* chars, int n)
{
    lastEdit = TEXTEDIT();
    if (n <= 0)
        return 1;
    lastEdit.kind = TEXTEDIT::InBlock;
    lastEdit.block = pos.block;
    lastEdit.at = pos.ptr;
    lastEdit.delta = n;

    TEXTBLOCK* block = pos.block;
    if (block->GetFree() >= n) {
        block->InsertAt(pos.ptr, chars, n);
        return 1;
    }

    // Split at the insertion point and fill the front block, then new blocks
    // after it, so that the tail keeps its characters where they are.
    TEXTBLOCK* tail = BlockSplitAt(block, pos.ptr);
    TEXTBLOCK* written = block;
    int done = written->Append(chars, n);
    while (done < n) {
        written = BlockInsertAfter(written);
        done += written->Append(chars + done, n - done);
    }
    if (tail->length == 0) {
        BlockRemove(tail);
        return 1;
    }

    bool movedThird = false;
    if (TEXTBLOCK* third = tail->next; third != nullptr && tail->length + third->length <= TEXTBLOCK::kCapacity) {
        lastEdit.kind = TEXTEDIT::Moved;
        lastEdit.source = third;
        lastEdit.sourceAt = third->Begin();
        lastEdit.target = tail;
        lastEdit.targetAt = tail->End();
        BlockMergeWithNext(tail);
        movedThird = true;
    }
    if (written->length + tail->length <= TEXTBLOCK::kCapacity) {
        const std::intptr_t thirdInTail = movedThird ? Distance(tail->Begin(), lastEdit.targetAt) : 0;
        char* tailStart = written->End();
        BlockMergeWithNext(written);
        if (movedThird) {
            lastEdit.target = written;
            lastEdit.targetAt = tailStart + thirdInTail;
        }
    }
    return 1;
}

int TEXTBUFFER::DeleteChar(TEXTPOS& pos)
{
    return DeleteChars(pos, 1);
}

int TEXTBUFFER::DeleteChars(TEXTPOS& pos, int n)
{
    lastEdit = TEXTEDIT();
    if (n <= 0)
        return 1;
    lastEdit.kind = TEXTEDIT::InBlock;
    lastEdit.block = pos.block;
    lastEdit.at = pos.ptr;

    TEXTBLOCK* block = pos.block;
    char* at = pos.ptr;
    int deleted = 0;
    // The block where the deletion ended, when that is a later block than
    // pos's, and how many characters left its front.
    TEXTBLOCK* endBlock = nullptr;
    int endRemoved = 0;
    while (deleted < n) {
        // The end mark is never deleted.
        const int available = static_cast<int>(block->End() - at) - (block == last ? 1 : 0);
        const int removed = block->DeleteAt(at, std::max(0, std::min(n - deleted, available)));
        deleted += removed;
        if (block != pos.block && removed > 0) {
            endBlock = block;
            endRemoved = removed;
        }
        if (block == last)
            break;
        if (block->length == 0) {
            TEXTBLOCK* next = block->next;
            BlockRemove(block);
            if (endBlock == block)
                endBlock = nullptr;
            block = next;
            at = block->Begin();
        } else if (deleted < n || at == block->End()) {
            block = block->next;
            at = block->Begin();
        }
    }

    lastEdit.delta = -deleted;
    lastEdit.pos = TEXTPOS(this, block, at);
    if (endBlock != nullptr) {
        lastEdit.kind = TEXTEDIT::Moved;
        lastEdit.source = lastEdit.target = endBlock;
        lastEdit.sourceAt = endBlock->Begin() + endRemoved;
        lastEdit.targetAt = endBlock->Begin();
    }
    pos = lastEdit.pos;
    return deleted == n ? 1 : 0;
}

int TEXTBUFFER::IsPosUnaffected(const TEXTPOS& pos) const
{
    if (!pos.IsSet() || lastEdit.kind == TEXTEDIT::None)
        return 1;
    if (pos.block == lastEdit.block && Distance(lastEdit.at, pos.ptr) >= 0)
        return 0;
    if (lastEdit.kind == TEXTEDIT::Moved && pos.block == lastEdit.source)
        return 0;
    return 1;
}

void TEXTBUFFER::FixPos(TEXTPOS& pos)
{
    if (IsPosUnaffected(pos))
        return;
    if (lastEdit.kind == TEXTEDIT::Moved && pos.block == lastEdit.source) {
        const std::intptr_t fromMoved = Distance(lastEdit.sourceAt, pos.ptr);
        if (fromMoved >= 0)
            pos = TEXTPOS(this, lastEdit.target, lastEdit.targetAt + fromMoved);
        else
            pos = lastEdit.pos; // its character was deleted
        return;
    }
    const std::intptr_t fromEdit = Distance(lastEdit.at, pos.ptr);
    if (lastEdit.delta > 0) {
        // Forwards by the inserted count from its old place in the block,
        // which may lead into the blocks after it.
        std::intptr_t offset = Distance(lastEdit.block->Begin(), pos.ptr) + lastEdit.delta;
        TEXTBLOCK* block = lastEdit.block;
        while (block != nullptr && offset >= block->length) {
            offset -= block->length;
            block = block->next;
        }
        pos = block != nullptr ? TEXTPOS(this, block, block->Begin() + offset) : GetEnd();
        return;
    }
    // A deletion: characters after the deleted range in the same block move
    // back by the deleted count; a deleted character gives way to the
    // character where the text continues.
    const int deleted = -lastEdit.delta;
    if (lastEdit.pos.block == lastEdit.block && fromEdit >= deleted)
        pos.ptr -= deleted;
    else
        pos = lastEdit.pos;
}
