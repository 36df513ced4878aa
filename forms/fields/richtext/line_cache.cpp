#include "forms/fields/richtext/line_cache.h"

#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textblock.h"
#include "forms/fields/richtext/textdrawinfo.h"

#include <algorithm>
#include <utility>

namespace {

// Characters from one position to a later one of the same buffer.
int32_t Distance(const TEXTPOS& from, const TEXTPOS& to)
{
    int32_t n = 0;
    const TEXTBLOCK* block = from.block;
    const char* p = from.ptr;
    while (block != nullptr && block != to.block) {
        n += static_cast<int32_t>(block->End() - p);
        block = block->next;
        if (block != nullptr)
            p = block->Begin();
    }
    return n + static_cast<int32_t>(to.ptr - p);
}

} // namespace

bool LINECACHE::KEY::operator==(const KEY& other) const
{
    return width == other.width && fitHeight == other.fitHeight && firstLineOffset == other.firstLineOffset
        && rotation == other.rotation && attr.IsEqual(other.attr) && printerId == other.printerId && slot == other.slot;
}

LINECACHE::KEY LINECACHE::KeyOf(const RICHTEXT& text, const TEXTDRAWINFO& info)
{
    KEY key;
    key.width = text.GetWidth().cx;
    key.fitHeight = text.fitHeight;
    // With a fit height the layout works the offset out itself.
    key.firstLineOffset = text.fitHeight == kNaturalHeight ? text.GetFirstLineOffset() : 0;
    key.rotation = text.GetRotation();
    key.attr = text.GetAttr();
    key.printerId = info.printerId;
    key.slot = info.slot;
    return key;
}

void LINECACHE::Inserted(int32_t at, int32_t n)
{
    if (n <= 0)
        return;
    if (!edited) {
        edited = true;
        from = at;
        to = at + n;
        delta = n;
        return;
    }
    if (to >= at)
        to += n;
    from = std::min(from, at);
    to = std::max(to, at + n);
    delta += n;
}

void LINECACHE::Deleted(int32_t at, int32_t n)
{
    if (n <= 0)
        return;
    if (!edited) {
        edited = true;
        from = to = at;
        delta = -n;
        return;
    }
    // The bytes after the deleted ones keep one shift only when the changed
    // range reaches past them; otherwise it grows to the deletion.
    to = to >= at + n ? to - n : at;
    from = std::min(from, at);
    delta -= n;
}

void LINECACHE::Clear()
{
    valid = false;
    edited = false;
    lines.clear();
    spans.clear();
}

size_t LINECACHE::LineOf(int32_t offset) const
{
    if (spans.empty())
        return 0;
    const auto it = std::upper_bound(
        spans.begin(), spans.end() - 1, offset, [](int32_t at, const LINESPAN& span) { return at < span.end; });
    return static_cast<size_t>(it - spans.begin());
}

const std::vector<TEXTLINE>& LINECACHE::Lines(RICHTEXT& text, const TEXTDRAWINFO& info)
{
    if (text.GetBuffer() == nullptr) {
        Clear();
        return lines;
    }
    // A text that changed length by other means than the edits told is
    // laid out whole.
    const int32_t now = text.GetEnd().GetOffset();
    if (!valid || !(KeyOf(text, info) == key) || now != length + (edited ? delta : 0))
        LayoutAll(text, info);
    else if (edited)
        LayoutChanged(text, info);
    else
        for (TEXTLINE& line : lines)
            line.Renew(&info);
    length = now;
    edited = false;
    return lines;
}

void LINECACHE::LayoutAll(RICHTEXT& text, const TEXTDRAWINFO& info)
{
    lines.clear();
    spans.clear();
    key = KeyOf(text, info);
    valid = true;
    Continue(text.StartLayout(info), 0, {}, {}, 0, text.GetEnd().GetOffset() + 2);
}

void LINECACHE::LayoutChanged(RICHTEXT& text, const TEXTDRAWINFO& info)
{
    // The line before the one the change begins in is broken again too: its
    // last break may move when the first word of the next line changes.
    const auto changed = std::lower_bound(
        spans.begin(), spans.end(), from, [](const LINESPAN& span, int32_t at) { return span.end < at; });
    const size_t first = changed == spans.end() ? spans.size() - 1 : static_cast<size_t>(changed - spans.begin());
    const size_t restart = first > 0 ? first - 1 : 0;
    // Old lines that start after the change are where the new ones may join.
    const int32_t oldTo = to - delta;
    const size_t resume
        = static_cast<size_t>(std::lower_bound(spans.begin(), spans.end(), oldTo, [](const LINESPAN& span, int32_t at) {
              return span.start < at;
          }) - spans.begin());

    std::vector<TEXTLINE> oldLines = std::move(lines);
    std::vector<LINESPAN> oldSpans = std::move(spans);
    lines.assign(oldLines.begin(), oldLines.begin() + static_cast<std::ptrdiff_t>(restart));
    spans.assign(oldSpans.begin(), oldSpans.begin() + static_cast<std::ptrdiff_t>(restart));
    const int32_t limit = text.GetEnd().GetOffset() + 2;
    if (restart == 0) {
        Continue(text.StartLayout(info), 0, oldLines, oldSpans, resume, limit);
    } else {
        TEXTLINE before = oldLines[restart - 1];
        before.Renew(&info);
        before.end = text.GetStart();
        before.end.Move(oldSpans[restart].start);
        Continue(before.Next(), oldSpans[restart].start, oldLines, oldSpans, resume, limit);
    }
    PlaceAll(text, info);
}

void LINECACHE::Continue(TEXTLINE line, int32_t offset, const std::vector<TEXTLINE>& oldLines,
    const std::vector<LINESPAN>& oldSpans, size_t resume, int32_t limit)
{
    size_t old = resume;
    for (;;) {
        line.Break();
        LINESPAN span;
        span.start = span.end = offset;
        if (line.start.IsSet()) {
            if (line.breakPos.IsSet())
                span.breakAt = offset + Distance(line.start, line.breakPos);
            span.end = offset + Distance(line.start, line.end);
        }
        lines.push_back(line);
        spans.push_back(span);
        if (line.endKind == kLineEndOfText || line.endKind == kLineNoText || static_cast<int32_t>(lines.size()) > limit)
            return;
        while (old < oldSpans.size() && oldSpans[old].start + delta < span.end)
            ++old;
        if (old < oldSpans.size() && oldSpans[old].start + delta == span.end
            && oldLines[old].startAttr.IsEqual(line.endAttr)) {
            // From here on the old lines hold: they only move.
            const int32_t dy = line.bottom - oldLines[old].top;
            for (; old < oldSpans.size(); ++old) {
                TEXTLINE moved = oldLines[old];
                moved.top += dy;
                moved.bottom += dy;
                moved.first = 0;
                moved.fixedDescent = line.fixedDescent;
                LINESPAN shifted = oldSpans[old];
                shifted.start += delta;
                shifted.end += delta;
                if (shifted.breakAt >= 0)
                    shifted.breakAt += delta;
                lines.push_back(moved);
                spans.push_back(shifted);
            }
            return;
        }
        offset = span.end;
        line = line.Next();
    }
}

void LINECACHE::PlaceAll(RICHTEXT& text, const TEXTDRAWINFO& info)
{
    TEXTPOS p = text.GetStart();
    int32_t at = 0;
    const auto place = [&](int32_t offset) {
        p.Move(offset - at);
        at = offset;
        return p;
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        TEXTLINE& line = lines[i];
        const LINESPAN& span = spans[i];
        line.start = line.drawStart = place(span.start);
        if (span.breakAt >= 0)
            line.breakPos = place(span.breakAt);
        else
            line.breakPos.Clear();
        line.end = place(span.end);
        line.Renew(&info);
    }
}
