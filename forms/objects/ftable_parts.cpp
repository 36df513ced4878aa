// The table's current part: picking the line, cell or header under the
// mouse, ending it, and handing the part the selection, the cursor, events
// and the appearance commands; without a part they act on the whole table.
#include "forms/objects/ftable.h"

#include "forms/model/border.h"
#include "forms/model/object_view.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/textattr.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fbdry.h"
#include "forms/objects/fcell.h"
#include "forms/objects/fheader.h"
#include "forms/objects/tablecolrow.h"

void FTABLE::SetCurrentObject(FORMOBJ* part, OBJECT_VIEW* view)
{
    if (current)
        EndCurrentObject(view);
    current = part;
    if (!part)
        return;
    part->SetSelectFlag(1);
    part->Invalidate(view);
    if (view)
        view->UpdateFormatBar(0);
}

void FTABLE::EndCurrentObject(OBJECT_VIEW* view)
{
    if (!current)
        return;
    FORMOBJ* part = current;
    current = nullptr;
    part->Invalidate(view);
    part->Deselect(nullptr);
    if (part == proxy.get())
        proxy.reset();
}

FORMOBJ* FTABLE::FirstHit(VIEWDC& dc, int32_t x, int32_t y, std::initializer_list<FORMOBJ*> candidates)
{
    for (FORMOBJ* part : candidates)
        if (part && part->HitTest(dc, x, y))
            return part;
    return nullptr;
}

void FTABLE::SelectPartAt(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    if (!view || cells.empty())
        return;
    FORMOBJ* hit = nullptr;
    {
        VIEWDC dc(view, kOwnWindow);
        if (!dc.IsSetUp())
            return;
        const POINT p = DeviceToLogical(dc, {x, y});
        int c = -1;
        int r = -1;
        CellFromPoint(p.x, p.y, c, r);
        // Lines first: a press on a line picks the line, not what it borders.
        if (c >= 0 && r >= 0)
            hit = FirstHit(dc, x, y,
                {GetColumnBoundary(c), GetColumnBoundary(c + 1), GetRowBoundary(r), GetRowBoundary(r + 1),
                    GetCell(c, r)});
        if (!hit && colHeaderLine && c >= 0) {
            hit = FirstHit(dc, x, y,
                {GetColumnHeaderBoundary(c), GetColumnHeaderBoundary(c + 1), colHeaderLine.get(), GetColumnHeader(c)});
        } else if (!hit && rowHeaderLine && r >= 0) {
            hit = FirstHit(
                dc, x, y, {GetRowHeaderBoundary(r), GetRowHeaderBoundary(r + 1), rowHeaderLine.get(), GetRowHeader(r)});
        }
    }
    if (hit)
        SetCurrentObject(hit, view);
}

void FTABLE::Select(OBJECT_VIEW* view)
{
    POINT down;
    if (selected && view && view->GetLastMouseDown(down)) {
        POINT device;
        {
            VIEWDC dc(view, kOwnWindow);
            if (!dc.IsSetUp())
                return;
            device = LogicalToDevice(dc, down);
        }
        SelectPartAt(view, device.x, device.y);
        return;
    }
    FORMOBJ::Select(view);
}

uint16_t FTABLE::Deselect(OBJECT_VIEW* view)
{
    EndCurrentObject(view);
    return FORMOBJ::Deselect(view);
}

void FTABLE::DrawSelection(VIEWDC& dc)
{
    if (current)
        current->DrawSelection(dc);
    else
        FORMOBJ::DrawSelection(dc);
}

void FTABLE::DrawTracker(VIEWDC& dc)
{
    FORMOBJ::DrawSelection(dc);
    if (current)
        current->DrawTracker(dc);
}

int FTABLE::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    if (current && current->SetCursor(view, hitCode))
        return 1;
    return SetTrackerCursor(view, hitCode, [this](VIEWDC& dc, POINT p) {
        const int hit = HitTestHandlesAt(dc, p.x, p.y);
        if (hit == kHitNothing)
            return kHitNothing;
        const int shown = NormalizeHit(hit);
        return shown == kHitInside ? kCursorMoveBorder : shown;
    });
}

int FTABLE::HitTestHandles(VIEWDC& dc, int32_t x, int32_t y)
{
    if (current) {
        const int hit = current->HitTestHandles(dc, x, y);
        if (hit != kHitNothing)
            return hit;
    }
    return FORMOBJ::HitTestHandles(dc, x, y);
}

void FTABLE::OnEvent(uint8_t code, uintptr_t a, uintptr_t b)
{
    if (current)
        current->OnEvent(code, a, b);
}

void FTABLE::ExtNotify(uintptr_t arg)
{
    EndCurrentObject(reinterpret_cast<OBJECT_VIEW*>(arg));
}

int FTABLE::GetAttribute(int kind, uintptr_t out)
{
    return current ? current->GetAttribute(kind, out) : 0;
}

int FTABLE::GetBorder(BORDER* out)
{
    if (current)
        return current->GetBorder(out);
    return colBoundaries.empty() ? 0 : colBoundaries[0]->GetBorder(out);
}

int FTABLE::GetShade(BASICSHADE* out)
{
    if (current)
        return current->GetShade(out);
    return cells.empty() ? 0 : GetCell(0, 0)->GetShade(out);
}

int FTABLE::GetFont(TEXTATTR* out)
{
    if (current)
        return current->GetFont(out);
    return cells.empty() ? 0 : GetCell(0, 0)->GetFont(out);
}

int FTABLE::GetAlignment(uint8_t* out)
{
    if (current)
        return current->GetAlignment(out);
    return cells.empty() ? 0 : GetCell(0, 0)->GetAlignment(out);
}

int FTABLE::GetShadow(SHADOW* out)
{
    if (master)
        return master->GetShadow(out);
    return AnswerOwn(shadow.get(), out);
}

void FTABLE::SetBorder(const BORDER& border)
{
    ReleaseMaster();
    if (current)
        current->SetBorder(border);
    else
        ForEachLine([&border](FBDRY& line) { line.SetBorder(border); });
}

void FTABLE::SetShade(const BASICSHADE& fill)
{
    ReleaseMaster();
    if (current) {
        current->SetShade(fill);
        return;
    }
    ForEachCell([&fill](FORMOBJ& cell) { cell.SetShade(fill); });
    for (auto& header : columnHeaders)
        header->SetShade(fill);
    for (auto& header : rowHeaderObjects)
        header->SetShade(fill);
}

void FTABLE::SetFont(const TEXTATTR& attr)
{
    ReleaseMaster();
    if (current) {
        current->SetFont(attr);
        return;
    }
    ForEachCell([&attr](FORMOBJ& cell) { cell.SetFont(attr); });
    for (auto& header : columnHeaders)
        header->SetFont(attr);
    for (auto& header : rowHeaderObjects)
        header->SetFont(attr);
}

void FTABLE::SetAlignment(uint8_t align)
{
    ReleaseMaster();
    if (current) {
        current->SetAlignment(align);
        return;
    }
    ForEachCell([align](FORMOBJ& cell) { cell.SetAlignment(align); });
    for (auto& header : columnHeaders)
        header->SetAlignment(align);
    for (auto& header : rowHeaderObjects)
        header->SetAlignment(align);
}

void FTABLE::SetShadow(const SHADOW& drop)
{
    if (master)
        DetachFromMaster();
    if (shadow)
        *shadow = drop;
}
