// Format commands over the selection, the format reported for the caret or
// the selection, and the rewriting of code runs as the fewest codes.
#include "forms/fields/richtext/richeditor.h"

#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/format_switch.h"
#include "forms/fields/richtext/richtext.h"

#include <vector>

void RICHEDITOR::NormaliseCodes(int32_t at)
{
    TEXTPOS start = AtOffset(at);
    if (!start.IsSet())
        return;
    start.BackOverCodes();
    TEXTPOS end = start;
    end.SkipCodes(true);
    const int32_t from = Offset(start);
    const int32_t length = Offset(end) - from;
    if (length <= 0)
        return;
    const TEXTATTR before = FormatAt(start);
    TEXTATTR after = before;
    TEXTPOS p = start;
    p.ApplyCodes(after, false);
    const std::string needed = SwitchCodes(before, after, kNormalOrder);
    if (static_cast<int32_t>(needed.size()) == length)
        return;
    DeleteBytes(from, length);
    InsertBytes(from, needed);
}

int RICHEDITOR::SetSelectionAttr(const TEXTATTR& attr)
{
    if (!selectionActive) {
        typingAttr.Merge(attr);
        ReportFormat();
        return 1;
    }
    UpdateCaret(false);
    SaveSnapshot();
    TEXTPOS* first = anchor.Compare(selEnd) <= 0 ? &anchor : &selEnd;
    TEXTPOS* last = first == &anchor ? &selEnd : &anchor;

    // Codes inside the selection lose the fields being set and keep the rest.
    const int32_t from = Offset(*first);
    const int32_t to = Offset(*last);
    std::vector<int32_t> dropped;
    TEXTPOS p = *first;
    for (int32_t at = from; at < to && p.IsSet() && !p.IsAtEnd();) {
        if (p.GetChar() == kEsc) {
            FORMATCODE code;
            if (!p.ReadCode(&code))
                break;
            if (SetsFieldOf(code.letter, attr))
                dropped.push_back(at);
            at += kCodeLength;
        } else {
            p.Move(1);
            ++at;
        }
    }
    const TEXTATTR atEnd = FormatAt(*last);
    for (auto it = dropped.rbegin(); it != dropped.rend(); ++it)
        DeleteBytes(*it, kCodeLength);

    // After the selection the old format returns; at its start the new one
    // begins.
    TEXTATTR changedEnd = atEnd;
    changedEnd.Merge(attr);
    InsertBytes(Offset(*last), SwitchCodes(changedEnd, atEnd, kSwitchOrder));
    const TEXTATTR atStart = FormatAt(*first);
    TEXTATTR changedStart = atStart;
    changedStart.Merge(attr);
    InsertBytes(Offset(*first), SwitchCodes(atStart, changedStart, kSwitchOrder));
    NormaliseCodes(Offset(*last));
    NormaliseCodes(Offset(*first));
    SkipHeldCodes();

    if (!FinishEdit(true)) {
        // The restored selection is still highlighted; the site learns the
        // format that stays in force at its end.
        if (EDITSITE* site = Site())
            site->ReportCaretAttr(text->GetEffectiveAttr(FormatAt(*last)));
        return 0;
    }
    return 1;
}

int RICHEDITOR::GetSelectionAttr(TEXTATTR& out)
{
    if (!selectionActive) {
        TEXTATTR attr = FormatAt(caret);
        attr.Merge(typingAttr);
        out = text->GetEffectiveAttr(attr);
        return 1;
    }
    const TEXTPOS& first = anchor.Compare(selEnd) <= 0 ? anchor : selEnd;
    const TEXTPOS& last = &first == &anchor ? selEnd : anchor;
    TEXTATTR current = FormatAt(first);
    TEXTATTR common = text->GetEffectiveAttr(current);
    TEXTPOS p = first;
    for (int32_t n = Offset(last) - Offset(first); n > 0 && !p.IsAtEnd();) {
        if (p.GetChar() == kEsc) {
            if (!p.ApplyCode(current))
                break;
            n -= kCodeLength;
        } else {
            MarkDifferingMixed(common, text->GetEffectiveAttr(current));
            p.Move(1);
            --n;
        }
    }
    out = common;
    return 1;
}
