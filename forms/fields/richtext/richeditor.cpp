// The editor's state, its edit transaction (snapshot, edit, layout with the
// fit check, then repaint or restore) and the caret's placement.
#include "forms/fields/richtext/richeditor.h"

#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/editor_owner.h"
#include "forms/fields/richtext/line_fonts.h"
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textblock.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/model/font_cache.h"

#include "platform/gdi/brush.h"
#include "platform/ui/beep.h"

#include <algorithm>
#include <cstring>

RICHEDITOR::DrawScope::DrawScope(EDITOROWNER* owner)
    : owner(owner)
    , info(owner->GetDrawInfo())
{}

RICHEDITOR::DrawScope::~DrawScope()
{
    owner->ReleaseDrawInfo(info);
}

RICHEDITOR::RICHEDITOR(EDITOROWNER* owner, RICHTEXT* text)
    : owner(owner)
    , text(text)
{
    typingAttr = text->GetAttr();
    caret = text->GetStart();
}

EDITSITE* RICHEDITOR::Site() const
{
    return owner->GetSite();
}

int32_t RICHEDITOR::Offset(const TEXTPOS& pos) const
{
    return pos.IsSet() ? pos.GetOffset() : -1;
}

TEXTPOS RICHEDITOR::AtOffset(int32_t offset) const
{
    if (offset < 0)
        return TEXTPOS();
    TEXTPOS p = text->GetStart();
    p.Move(offset);
    return p;
}

void RICHEDITOR::SetCaretToOffset(int32_t offset)
{
    caret = AtOffset(offset);
}

TEXTATTR RICHEDITOR::FormatAt(const TEXTPOS& pos) const
{
    TEXTATTR attr = text->GetAttr();
    TEXTPOS p = text->GetStart();
    // Only codes change the format: the walk goes from one ESC to the next
    // within each block, up to the position or the end of the text.
    while (p.IsSet() && !(p == pos) && !p.IsAtEnd()) {
        if (p.GetChar() == kEsc) {
            if (!p.ApplyCode(attr))
                break;
            continue;
        }
        const bool here = p.block == pos.block && pos.ptr >= p.ptr;
        char* stop = here ? pos.ptr : p.block->End();
        if (auto* esc = static_cast<char*>(std::memchr(p.ptr, kEsc, static_cast<size_t>(stop - p.ptr)))) {
            p.ptr = esc;
        } else if (here) {
            break;
        } else if (!p.NextBlock()) {
            break;
        }
    }
    return attr;
}

TEXTSELECTION RICHEDITOR::Selection() const
{
    TEXTSELECTION selection;
    if (selectionActive) {
        selection.anchor = anchor;
        selection.caret = selEnd;
    }
    return selection;
}

void RICHEDITOR::MarkDirty(int32_t from, int32_t to)
{
    dirtyFrom = dirtyFrom < 0 ? from : std::min(dirtyFrom, from);
    dirtyTo = std::max(dirtyTo, to);
}

void RICHEDITOR::InsertBytes(int32_t at, std::string_view bytes)
{
    if (bytes.empty())
        return;
    const auto n = static_cast<int32_t>(bytes.size());
    TEXTPOS* held[] = {&caret, &anchor, &selEnd};
    int32_t offsets[3];
    for (int i = 0; i < 3; ++i) {
        offsets[i] = Offset(*held[i]);
        if (offsets[i] >= at)
            offsets[i] += n;
    }
    TEXTPOS p = AtOffset(at);
    text->GetBuffer()->InsertChars(p, bytes.data(), n);
    for (int i = 0; i < 3; ++i)
        *held[i] = AtOffset(offsets[i]);
    lineCache.Inserted(at, n);
    // Painted lines keep their keys for the characters they showed.
    for (LINEKEY& key : painted) {
        key.start += key.start > at ? n : 0;
        key.end += key.end > at ? n : 0;
    }
    if (dirtyTo >= at)
        dirtyTo += n;
    MarkDirty(at, at + n);
}

void RICHEDITOR::DeleteBytes(int32_t at, int32_t n)
{
    if (n <= 0)
        return;
    TEXTPOS* held[] = {&caret, &anchor, &selEnd};
    int32_t offsets[3];
    for (int i = 0; i < 3; ++i) {
        offsets[i] = Offset(*held[i]);
        if (offsets[i] >= at + n)
            offsets[i] -= n;
        else if (offsets[i] >= at)
            offsets[i] = at;
    }
    TEXTPOS p = AtOffset(at);
    text->GetBuffer()->DeleteChars(p, n);
    for (int i = 0; i < 3; ++i)
        *held[i] = AtOffset(offsets[i]);
    lineCache.Deleted(at, n);
    const auto shift = [&](int32_t offset) { return offset >= at + n ? offset - n : std::min(offset, at); };
    for (LINEKEY& key : painted) {
        key.start = shift(key.start);
        key.end = shift(key.end);
    }
    if (dirtyTo >= at + n)
        dirtyTo -= n;
    else if (dirtyTo >= at)
        dirtyTo = at;
    MarkDirty(at, at);
}

void RICHEDITOR::SkipHeldCodes()
{
    for (TEXTPOS* p : {&caret, &anchor, &selEnd}) {
        if (p->IsSet() && p->GetChar() == kEsc)
            p->SkipCodes(true);
    }
}

void RICHEDITOR::SaveSnapshot()
{
    snapshot.caret = Offset(caret);
    snapshot.anchor = Offset(anchor);
    snapshot.selEnd = Offset(selEnd);
    snapshot.typingAttr = typingAttr;
    snapshot.selectionActive = selectionActive;
    snapshot.text = text->GetBuffer()->GetText();
    snapshot.painted = painted;
    dirtyFrom = dirtyTo = -1;
}

RICHEDITOR::SNAPSHOT RICHEDITOR::TakeState()
{
    SaveSnapshot();
    return snapshot;
}

void RICHEDITOR::PutState(const SNAPSHOT& state)
{
    snapshot = state;
    RestoreSnapshot();
}

void RICHEDITOR::RestoreSnapshot()
{
    TEXTBUFFER* buffer = text->GetBuffer();
    TEXTPOS start = buffer->GetStart();
    if (const int32_t length = buffer->GetEnd().GetOffset(); length > 0)
        buffer->DeleteChars(start, length);
    start = buffer->GetStart();
    buffer->InsertChars(start, snapshot.text.data(), static_cast<int>(snapshot.text.size()));
    caret = AtOffset(snapshot.caret);
    anchor = AtOffset(snapshot.anchor);
    selEnd = AtOffset(snapshot.selEnd);
    typingAttr = snapshot.typingAttr;
    selectionActive = snapshot.selectionActive;
    painted = snapshot.painted;
    lineCache.Clear();
    dirtyFrom = dirtyTo = -1;
}

const std::vector<TEXTLINE>& RICHEDITOR::LayoutLines(const TEXTDRAWINFO& drawInfo)
{
    return lineCache.Lines(*text, drawInfo);
}

size_t RICHEDITOR::CaretLineIndex() const
{
    return lineCache.LineOf(Offset(caret));
}

bool RICHEDITOR::Fits(const std::vector<TEXTLINE>& lines)
{
    if (lines.empty())
        return true;
    const TEXTLINE& last = lines.back();
    const RECT& bounds = text->GetBounds();
    if (last.bottom <= bounds.bottom)
        return true;
    EDITSITE* site = Site();
    if (site != nullptr && site->FitObjectToText({bounds.left, bounds.top, bounds.right, last.bottom}))
        return true;
    return lines.size() == 1 || last.GetBaseline() <= bounds.bottom;
}

void RICHEDITOR::Fill(const TEXTDRAWINFO& drawInfo, int32_t top, int32_t bottom) const
{
    if (drawInfo.dc == nullptr || bottom <= top)
        return;
    const RECT& bounds = text->GetBounds();
    const POINT a = drawInfo.Place(0, top);
    const POINT b = drawInfo.Place(bounds.right - bounds.left, bottom);
    const RECT area {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
    drawInfo.dc->FillRect(area, gdi::Brush::Solid(owner->PickContrastColour()));
}

void RICHEDITOR::Paint(const TEXTDRAWINFO& drawInfo, const std::vector<TEXTLINE>& lines, bool all)
{
    const RECT& bounds = text->GetBounds();
    const TEXTSELECTION selection = Selection();
    const std::vector<LINESPAN>& spans = lineCache.Spans();
    std::vector<LINEKEY> keys;
    keys.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const LINEKEY key {spans[i].start, spans[i].end, lines[i].startAttr, lines[i].top, lines[i].bottom};
        const bool changed = all || i >= painted.size() || !(painted[i] == key)
            || (dirtyFrom >= 0 && key.end >= dirtyFrom && key.start <= dirtyTo);
        if (changed && lines[i].top < bounds.bottom && drawInfo.dc != nullptr) {
            TEXTLINE line = lines[i];
            Fill(drawInfo, line.top, line.bottom);
            line.Draw(drawInfo, selection.IsActive() ? &selection : nullptr, text->opaque != 0);
        }
        keys.push_back(key);
    }
    painted = std::move(keys);
    if (!lines.empty())
        Fill(drawInfo, lines.back().bottom, bounds.bottom);
    dirtyFrom = dirtyTo = -1;
    if (drawInfo.dc != nullptr) {
        if (FONTCACHE* fonts = GetFontCache())
            fonts->Release(*drawInfo.dc);
    }
}

int RICHEDITOR::Layout(const TEXTDRAWINFO& drawInfo, bool repaint, bool check)
{
    const std::vector<TEXTLINE>& lines = LayoutLines(drawInfo);
    if (check && checkFit && !Fits(lines))
        return 0;
    if (repaint)
        Paint(drawInfo, lines, false);
    return 1;
}

void RICHEDITOR::PlaceCaret(const TEXTDRAWINFO& drawInfo, const std::vector<TEXTLINE>& lines, bool remember)
{
    if (lines.empty())
        return;
    TEXTLINE line = lines[CaretLineIndex()];
    caretX = line.XOfPos(caret);
    caretY = line.top;
    if (remember) {
        columnX = caretX;
        columnY = caretY;
    }
    // The font in force at the caret, no taller than a line of natural
    // height.
    const TEXTATTR attr = text->GetEffectiveAttr(FormatAt(caret));
    caretHeight = GetLayoutMetrics(drawInfo, attr, text->GetRotation()).tmHeight;
    if (!line.fixed)
        caretHeight = std::min<int32_t>(caretHeight, line.height);
    owner->UpdateCaret(caretX, caretY);
}

void RICHEDITOR::ReportFormat()
{
    TEXTATTR attr;
    GetSelectionAttr(attr);
    if (EDITSITE* site = Site())
        site->OnSelChange(attr);
}

int RICHEDITOR::FinishEdit(bool check)
{
    const DrawScope info(owner);
    const std::vector<TEXTLINE>& lines = LayoutLines(*info);
    if (check && checkFit && !Fits(lines)) {
        RestoreSnapshot();
        if (!quiet)
            ui::Beep();
        return 0;
    }
    Paint(*info, lines, false);
    PlaceCaret(*info, lines, true);
    owner->ScrollToCaret();
    ReportFormat();
    return 1;
}

void RICHEDITOR::Restart(const TEXTDRAWINFO& drawInfo, int32_t x, int32_t y)
{
    ClearSelection();
    keySelect = doubleClickSelect = wordSelect = 0;
    anchor.Clear();
    selEnd.Clear();
    const std::vector<TEXTLINE>& lines = LayoutLines(drawInfo);
    if (lines.empty())
        return;
    caret = PointToPos(lines, {x, y}, false);
    SkipHeldCodes();
    typingAttr = FormatAt(caret);
    PlaceCaret(drawInfo, lines, true);
    ReportFormat();
}

TEXTPOS RICHEDITOR::PointToPos(const std::vector<TEXTLINE>& lines, POINT point, bool mayPassEnd) const
{
    if (lines.empty())
        return caret;
    const RECT& bounds = text->GetBounds();
    const int32_t x = std::clamp(point.x, 0, std::max(0, bounds.right - bounds.left));
    const int32_t y = std::clamp(point.y, 0, std::max(0, lines.back().bottom - 1));
    size_t i = 0;
    while (i + 1 < lines.size() && y >= lines[i].bottom)
        ++i;
    TEXTLINE line = lines[i];
    TEXTPOS pos = line.PosOfX(x, mayPassEnd).pos;
    if (pos.GetChar() == kEsc)
        pos.SkipCodes(true);
    return pos;
}

void RICHEDITOR::AfterCaretMove(const TEXTDRAWINFO& drawInfo, const std::vector<TEXTLINE>& lines, bool remember)
{
    typingAttr = FormatAt(caret);
    PlaceCaret(drawInfo, lines, remember);
    owner->ScrollToCaret();
    ReportFormat();
}

int RICHEDITOR::RestartOk(const TEXTDRAWINFO& drawInfo, int32_t x, int32_t y)
{
    if (text->GetBuffer() == nullptr)
        return 0;
    Restart(drawInfo, x, y);
    return 1;
}

void RICHEDITOR::Reformat()
{
    const DrawScope info(owner);
    const std::vector<TEXTLINE>& lines = LayoutLines(*info);
    Paint(*info, lines, true);
    PlaceCaret(*info, lines, false);
    UpdateCaret(true);
}

void RICHEDITOR::ShowCaretAtPos()
{
    const DrawScope info(owner);
    PlaceCaret(*info, LayoutLines(*info), false);
    owner->ScrollToCaret();
    UpdateCaret(true);
}

void RICHEDITOR::CreateCaret()
{
    const DrawScope info(owner);
    const int32_t width = std::max(1, (*info).LPtoDPX(1));
    const int32_t height = std::max(1, (*info).LPtoDPY(caretHeight));
    owner->CreateCaret(width, height);
    caretCreated = 1;
}

void RICHEDITOR::UpdateCaret(bool show)
{
    if (show && owner->HasFocus() && !selectionActive) {
        CreateCaret();
        owner->UpdateCaret(caretX, caretY);
        owner->ShowCaret(true);
        caretShown = 1;
    } else if (caretShown) {
        owner->ShowCaret(false);
        caretShown = 0;
    }
}

int32_t RICHEDITOR::CaretHeight(const TEXTDRAWINFO& drawInfo)
{
    PlaceCaret(drawInfo, LayoutLines(drawInfo), false);
    return caretHeight;
}
