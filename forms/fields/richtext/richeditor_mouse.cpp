// Clicks, drags and double-clicks, Select All, and the highlight of the
// selection, which is inverted on the window so that inverting a range
// twice removes it.
#include "forms/fields/richtext/richeditor.h"

#include "forms/fields/richtext/editor_owner.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"

TEXTPOS RICHEDITOR::HitTest(POINT point, bool mayPassEnd)
{
    const DrawScope info(owner);
    return PointToPos(LayoutLines(*info), point, mayPassEnd);
}

void RICHEDITOR::ExtendSelection(POINT point)
{
    const DrawScope info(owner);
    const std::vector<TEXTLINE>& lines = LayoutLines(*info);
    const TEXTPOS to = PointToPos(lines, point, true);
    if (!anchor.IsSet())
        anchor = selEnd = caret;
    const TEXTPOS from = selEnd.IsSet() ? selEnd : anchor;
    caret = selEnd = to;
    selectionActive = anchor == selEnd ? 0 : 1;
    InvertRange(from, to);
    AfterCaretMove(*info, lines, true);
    UpdateCaret(true);
}

int RICHEDITOR::SelectWord()
{
    if (text->GetBuffer() == nullptr)
        return 0;
    ClearSelection();
    anchor = selEnd = caret;
    if (!anchor.IsWordStart())
        anchor.PrevWordStart(true);
    if (!selEnd.IsWordEnd())
        selEnd.NextWordEnd(true);
    if (anchor.GetChar() == kEsc)
        anchor.SkipCodes(true);
    if (selEnd.GetChar() == kEsc)
        selEnd.SkipCodes(true);
    caret = selEnd;
    selectionActive = anchor == selEnd ? 0 : 1;
    doubleClickSelect = wordSelect = 1;
    InvertRange(anchor, selEnd);
    const DrawScope info(owner);
    AfterCaretMove(*info, LayoutLines(*info), true);
    UpdateCaret(true);
    return 1;
}

int RICHEDITOR::SelectAll()
{
    if (text->GetBuffer() == nullptr)
        return 0;
    ClearSelection();
    caret = text->GetStart();
    if (caret.GetChar() == kEsc)
        caret.SkipCodes(true);
    typingAttr = text->GetAttr();
    anchor = caret;
    selEnd = text->GetEnd();
    if (!(anchor == selEnd)) {
        selectionActive = 1;
        InvertRange(anchor, selEnd);
    }
    UpdateCaret(true);
    ReportFormat();
    return 1;
}

int RICHEDITOR::ClearSelection()
{
    if (selectionActive)
        InvertRange(anchor, selEnd);
    selectionActive = 0;
    keySelect = doubleClickSelect = wordSelect = 0;
    anchor = selEnd = caret;
    return 1;
}

void RICHEDITOR::InvertRange(const TEXTPOS& from, const TEXTPOS& to)
{
    if (from == to || text->GetBuffer() == nullptr)
        return;
    const DrawScope info(owner);
    if ((*info).dc == nullptr)
        return;
    const TEXTSELECTION range {from, to};
    const int32_t bottom = text->GetBounds().bottom;
    for (TEXTLINE line : LayoutLines(*info)) {
        if (line.top < bottom)
            line.InvertSelection(*info, &range);
    }
}
