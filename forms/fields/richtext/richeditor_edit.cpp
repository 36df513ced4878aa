// Typing and deleting: every edit runs as a transaction that is undone when
// the text no longer fits its rectangle.
#include "forms/fields/richtext/richeditor.h"

#include "forms/fields/richtext/format_switch.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/stored_text.h"

#include <utility>
#include <vector>

namespace {

// The format after the codes among bytes, from a starting format.
TEXTATTR AfterCodes(TEXTATTR attr, std::string_view bytes)
{
    for (size_t i = 0; i + kCodeLength <= bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) != kEsc) {
            ++i;
            continue;
        }
        const auto high = static_cast<unsigned char>(bytes[i + 2]);
        const auto low = static_cast<unsigned char>(bytes[i + 3]);
        ApplyFormatCode(bytes[i + 1], DecodeFormatValue(high, low), attr);
        i += kCodeLength;
    }
    return attr;
}

} // namespace

void RICHEDITOR::InsertAtCaret(std::string_view bytes)
{
    const int32_t at = Offset(caret);
    const TEXTATTR before = FormatAt(caret);
    TEXTATTR typed = before;
    typed.Merge(typingAttr);
    std::string all = SwitchCodes(before, typed, kSwitchOrder);
    all += bytes;
    all += SwitchCodes(AfterCodes(typed, bytes), before, kSwitchOrder);
    InsertBytes(at, all);
    NormaliseCodes(at);
    NormaliseCodes(Offset(caret));
    SkipHeldCodes();
}

int RICHEDITOR::InsertText(const char* chars, int n)
{
    if (text->GetBuffer() == nullptr || n <= 0)
        return 0;
    // Zero bytes, end marks and codes cut short never enter the text.
    const std::string clean = DropIncompleteCodes(std::string_view(chars, static_cast<size_t>(n)));
    if (clean.empty())
        return 0;
    UpdateCaret(false);
    SaveSnapshot();
    InsertAtCaret(clean);
    const int done = FinishEdit(true);
    UpdateCaret(true);
    return done;
}

int RICHEDITOR::OnChar(unsigned char ch)
{
    const char c = static_cast<char>(ch);
    return InsertText(&c, 1);
}

int RICHEDITOR::DeleteChar()
{
    TEXTPOS at = caret;
    if (at.IsSet() && at.GetChar() == kEsc)
        at.SkipCodes(false);
    if (!at.IsSet() || at.IsAtEnd())
        return 0;
    UpdateCaret(false);
    SaveSnapshot();
    const int32_t offset = Offset(at);
    DeleteBytes(offset, 1);
    NormaliseCodes(offset);
    SkipHeldCodes();
    typingAttr = FormatAt(caret);
    const int done = FinishEdit(true);
    UpdateCaret(true);
    return done;
}

int RICHEDITOR::OnBackspace()
{
    TEXTPOS before = caret;
    if (!before.IsSet() || !before.Prev())
        return 0;
    const int32_t old = Offset(caret);
    caret = before;
    if (DeleteChar())
        return 1;
    SetCaretToOffset(old);
    return 0;
}

int RICHEDITOR::DeletePrevWord()
{
    ClearSelection();
    TEXTPOS start = caret;
    start.PrevWordStart(true);
    // The walk stops on a CR, which stays.
    if (start.GetChar() == kReturn && start.Compare(caret) < 0) {
        start.Move(1);
        start.SkipCodes(true);
    }
    if (start.Compare(caret) >= 0)
        return 0;
    anchor = start;
    selEnd = caret;
    selectionActive = 1;
    if (DeleteSelection())
        return 1;
    anchor = selEnd = caret;
    selectionActive = 0;
    return 0;
}

void RICHEDITOR::DeleteVisible(int32_t from, int32_t to)
{
    // Runs of characters between the codes, deleted from the last.
    std::vector<std::pair<int32_t, int32_t>> runs;
    TEXTPOS p = AtOffset(from);
    for (int32_t at = from; at < to && p.IsSet() && !p.IsAtEnd();) {
        if (p.GetChar() == kEsc) {
            TEXTPOS q = p;
            if (q.ReadCode()) {
                p = q;
                at += kCodeLength;
                continue;
            }
        }
        if (!runs.empty() && runs.back().first + runs.back().second == at)
            ++runs.back().second;
        else
            runs.emplace_back(at, 1);
        p.Move(1);
        ++at;
    }
    for (auto it = runs.rbegin(); it != runs.rend(); ++it)
        DeleteBytes(it->first, it->second);
}

int RICHEDITOR::DeleteSelection()
{
    if (!selectionActive)
        return 0;
    UpdateCaret(false);
    SaveSnapshot();
    const TEXTPOS first = anchor.Compare(selEnd) <= 0 ? anchor : selEnd;
    const TEXTPOS last = anchor.Compare(selEnd) <= 0 ? selEnd : anchor;
    const int32_t from = Offset(first);
    const int32_t to = Offset(last);
    bool hasCode = false;
    TEXTPOS p = first;
    for (int32_t at = from; at < to && !hasCode; ++at) {
        hasCode = p.GetChar() == kEsc;
        if (!p.Move(1))
            break;
    }
    if (hasCode)
        typingAttr.SetMixed();
    else
        typingAttr = FormatAt(first);
    caret = first;
    DeleteVisible(from, to);
    NormaliseCodes(Offset(caret));
    SkipHeldCodes();
    anchor = selEnd = caret;
    selectionActive = 0;
    keySelect = doubleClickSelect = wordSelect = 0;
    const int done = FinishEdit(true);
    UpdateCaret(true);
    return done;
}

int RICHEDITOR::StripCodes()
{
    if (text->GetBuffer() == nullptr)
        return 0;
    ClearSelection();
    std::vector<int32_t> codes;
    TEXTPOS p = text->GetStart();
    for (int32_t at = 0; p.IsSet() && !p.IsAtEnd();) {
        if (p.GetChar() == kEsc) {
            TEXTPOS q = p;
            if (q.ReadCode()) {
                codes.push_back(at);
                p = q;
                at += kCodeLength;
                continue;
            }
        }
        p.Move(1);
        ++at;
    }
    if (codes.empty())
        return 1;
    UpdateCaret(false);
    for (auto it = codes.rbegin(); it != codes.rend(); ++it)
        DeleteBytes(*it, kCodeLength);
    anchor = selEnd = caret;
    typingAttr = FormatAt(caret);
    FinishEdit(false);
    UpdateCaret(true);
    return 1;
}
