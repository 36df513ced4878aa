// The cursor keys: the caret moves by character, word, line and text, and
// with Shift the selection follows it.
#include "forms/fields/richtext/richeditor.h"

#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/editor_owner.h"
#include "forms/fields/richtext/richtext.h"

#include <limits>

namespace {

bool IsCursorKey(unsigned key)
{
    return key == kKeyLeft || key == kKeyRight || key == kKeyUp || key == kKeyDown || key == kKeyHome || key == kKeyEnd;
}

} // namespace

bool RICHEDITOR::MoveForKey(
    unsigned key, bool ctrl, const std::vector<TEXTLINE>& lines, TEXTPOS& to, bool& vertical) const
{
    TEXTPOS p = caret;
    vertical = false;
    const size_t index = CaretLineIndex();
    switch (key) {
    case kKeyLeft:
        if (ctrl)
            p.PrevWordStart(false);
        else if (!p.Prev())
            return false;
        break;
    case kKeyRight:
        if (p.IsAtEnd())
            return false;
        if (ctrl) {
            p.NextWordEnd(false);
        } else {
            if (p.GetChar() == kEsc)
                p.ReadCode();
            else
                p.Move(1);
        }
        p.SkipCodes(true);
        break;
    case kKeyUp:
    case kKeyDown: {
        if (ctrl || lines.empty())
            return false;
        if (key == kKeyUp ? index == 0 : index + 1 >= lines.size())
            return false;
        TEXTLINE line = lines[key == kKeyUp ? index - 1 : index + 1];
        p = line.PosOfX(columnX, false).pos;
        vertical = true;
        break;
    }
    case kKeyHome:
        p = ctrl || lines.empty() ? text->GetStart() : lines[index].start;
        break;
    case kKeyEnd:
        if (ctrl || lines.empty()) {
            p = text->GetEnd();
        } else {
            TEXTLINE line = lines[index];
            p = line.PosOfX(std::numeric_limits<int32_t>::max() / 2, false).pos;
        }
        break;
    default:
        return false;
    }
    if (p.GetChar() == kEsc)
        p.SkipCodes(true);
    if ((key == kKeyLeft || key == kKeyRight) && p == caret)
        return false;
    to = p;
    return true;
}

int RICHEDITOR::OnKeyDown(unsigned key, bool shift, bool ctrl)
{
    if (!IsCursorKey(key) || text->GetBuffer() == nullptr)
        return 0;
    const DrawScope info(owner);
    const std::vector<TEXTLINE>& lines = LayoutLines(*info);
    bool vertical = false;
    if (!shift && selectionActive && (key == kKeyLeft || key == kKeyRight)) {
        // The selection collapses to the end the key points to.
        const bool anchorFirst = anchor.Compare(selEnd) <= 0;
        const TEXTPOS to = (key == kKeyLeft) == anchorFirst ? anchor : selEnd;
        ClearSelection();
        caret = anchor = selEnd = to;
    } else {
        TEXTPOS to;
        if (!MoveForKey(key, ctrl, lines, to, vertical))
            return 0;
        if (shift) {
            if (!keySelect) {
                ClearSelection();
                anchor = selEnd = caret;
                keySelect = 1;
            }
            const TEXTPOS from = caret;
            caret = selEnd = to;
            selectionActive = anchor == selEnd ? 0 : 1;
            InvertRange(from, to);
        } else {
            ClearSelection();
            caret = anchor = selEnd = to;
        }
    }
    AfterCaretMove(*info, lines, !vertical);
    if (EDITSITE* site = Site())
        site->OnCaretKey(selectionActive);
    UpdateCaret(true);
    return 1;
}
