// Feeds arbitrary bytes as a stored text to a rich-text buffer, once cleaned
// as outside text is and once raw (as an edit may leave it), and walks it
// every way: no walk may pass the end mark, and the text must stay whole.
#include "forms/fields/richtext/textbuffer.h"
#include "forms/model/textattr.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

void WalkEveryWay(TEXTBUFFER& buffer)
{
    const TEXTPOS end = buffer.GetEnd();
    const int32_t last = end.GetOffset();
    TEXTATTR attr;
    attr.Reset();
    for (TEXTPOS pos = buffer.GetStart();; pos.Move(1)) {
        TEXTPOS walk = pos;
        walk.ReadCode();
        Check(walk.GetOffset() <= last);
        walk = pos;
        walk.ApplyCodes(attr, true);
        Check(walk.GetOffset() <= last);
        walk = pos;
        walk.SkipCodes(false);
        Check(walk.GetOffset() <= last);
        walk = pos;
        walk.NextWordEnd(false);
        Check(walk.GetOffset() <= last);
        walk = pos;
        walk.Prev();
        walk.PrevWordStart(true);
        walk.BackOverCodes();
        walk.BackOverCode();
        Check(walk.GetOffset() >= 0 && walk.GetOffset() <= last);
        pos.IsWordStart();
        pos.IsWordEnd();
        if (pos == end)
            break;
    }
    // A forward walk that reads codes wherever it meets one ends on the end
    // mark; a walk back with Prev ends at the start.
    TEXTPOS pos = buffer.GetStart();
    while (!pos.IsAtEnd()) {
        if (pos.GetChar() == kEsc) {
            if (!pos.ApplyCodes(attr, true))
                break;
        } else {
            pos.Move(1);
        }
    }
    Check(pos == end);
    int steps = 0;
    while (pos.Prev())
        Check(++steps <= last);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);

    TEXTBUFFER cleaned;
    TEXTPOS start = cleaned.GetStart();
    cleaned.InsertStoredText(start, text);
    WalkEveryWay(cleaned);

    TEXTBUFFER raw;
    start = raw.GetStart();
    raw.InsertChars(start, text.data(), static_cast<int>(text.size()));
    Check(raw.GetText() == text);
    WalkEveryWay(raw);

    // Delete what was inserted, from the middle out: the end mark stays.
    TEXTPOS middle = raw.GetStart();
    middle.Move(static_cast<int>(size / 2));
    raw.DeleteChars(middle, static_cast<int>(size));
    start = raw.GetStart();
    raw.DeleteChars(start, static_cast<int>(size));
    Check(raw.GetText().empty() && raw.GetEnd() == raw.GetStart());
    return 0;
}
