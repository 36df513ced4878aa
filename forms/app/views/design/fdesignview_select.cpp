// The design view's mouse: selecting by click and rubber band, dragging
// handles, the placement rule, snapping to the page's grid, the cursor, and
// the right button's selection before its context menu.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/views/design/design_context_menu.h"
#include "forms/app/views/design/design_rulers.h"

#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/editor/form_editor.h"
#include "forms/model/tracker_geometry.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cursor.h"

#include <QWidget>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

constexpr int32_t kCoordinateLimit = 32768;

bool InRange(int64_t v)
{
    return v > -kCoordinateLimit && v < kCoordinateLimit;
}

} // namespace

POINT FDESIGNVIEW::ToPagePoint(POINT device)
{
    VIEWDC dc(this, kOwnWindow);
    if (!dc.IsSetUp())
        return device;
    return DeviceToLogical(dc, device);
}

bool FDESIGNVIEW::GetLastMouseDown(POINT& out)
{
    VIEWDC dc(this, kOwnWindow);
    if (!dc.IsSetUp())
        return false;
    out = DeviceToLogical(dc, mouseDown);
    return true;
}

uint16_t FDESIGNVIEW::GetSelectedCount()
{
    return selection ? static_cast<uint16_t>(selection->GetCount()) : 0;
}

bool FDESIGNVIEW::IsOnPage(POINT device)
{
    if (!pageLayout)
        return false;
    const POINT p = ToPagePoint(device);
    return p.x >= 0 && p.y >= 0 && p.x <= pageLayout->pageWidth && p.y <= pageLayout->pageHeight;
}

void FDESIGNVIEW::OnLButtonDown(POINT point, bool shift)
{
    if (tool != kSelectionTool) {
        CreateWithTool(point);
        return;
    }
    if (shift)
        return;
    mouseDown = point;
    SelectionClick(point);
}

void FDESIGNVIEW::OnLButtonUp(POINT point, bool shift)
{
    if (shift && tool == kSelectionTool)
        ToggleAt(point);
}

void FDESIGNVIEW::SelectionClick(POINT point)
{
    const bool hadSelection = selection->GetCount() > 0;
    if (hadSelection) {
        int hit;
        {
            VIEWDC dc(this, kOwnWindow);
            if (!dc.IsSetUp())
                return;
            const POINT p = DeviceToLogical(dc, point);
            hit = selection->HitTestHandles(dc, p.x, p.y);
        }
        // Inside the selection, however many objects it holds, the press
        // waits to become a drag or a click.
        if (hit == kHitInside) {
            DragSelection(point);
            return;
        }
        if (hit != kHitNothing) {
            HandleDrag(point);
            return;
        }
    }
    selection->Deselect(this);
    SetFocus();
    UpdateWindow();
    if (!SelectAt(point) || !hadSelection)
        RubberBand(point);
}

void FDESIGNVIEW::HandleDrag(POINT point)
{
    if (selection->GetCount() == 0)
        return;
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    RECT before;
    selection->GetRect(before);
    const std::vector<FORMOBJ*> snapshot = editor->FieldsByPosition();
    selection->Track(this, point.x, point.y);
    editor->FollowFillingOrder(snapshot);
    RECT after;
    selection->GetRect(after);
    if (!(after == before))
        doc->SetModified(true);
    UpdateWindow();
    ShowSelectionPosSize();
}

void FDESIGNVIEW::RubberBand(POINT point)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !IsOnPage(point))
        return;
    const auto page = static_cast<uint16_t>(currentPage);
    selection->SetPage(page);
    outOfPlace = true;
    const TrackNewResult answer = selection->TrackNew(this, point.x, point.y, 1);
    outOfPlace = false;
    if (answer == kTrackNoDrag) {
        // A click: the object under it, unless the press already selected
        // it (a second Select would show and hide a list field's extent).
        if (selection->GetCount() == 0)
            SelectAt(point);
    } else if (answer == kTrackPlaced) {
        const RECT band = selection->GetTrackerRect().Normalized();
        FOBJLIST& objects = doc->GetObjects();
        for (FORMOBJ* o = objects.GetTail(); o && o->GetPage() >= page; o = o->GetPrev())
            if (o->GetPage() == page && o->IsInsideRect(band.left, band.top, band.right, band.bottom))
                o->Select(this);
        selection->Invalidate(this);
        UpdateWindow();
    }
    ShowSelectionPosSize();
}

int FDESIGNVIEW::SelectAt(POINT point)
{
    FDOCUMENT* doc = GetFormDocument();
    if (tool != kSelectionTool || !doc || !selection)
        return 0;
    FORMOBJ* hit;
    {
        VIEWDC dc(this, kOwnWindow);
        if (!dc.IsSetUp())
            return 0;
        hit = doc->GetObjects().HitTest(dc, static_cast<uint16_t>(currentPage), point.x, point.y, nullptr);
    }
    if (!hit)
        return 0;
    hit->Select(this);
    hit->Invalidate(this);
    UpdateWindow();
    ShowSelectionPosSize();
    return 1;
}

void FDESIGNVIEW::ToggleAt(POINT point)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || selection->GetCount() == 1)
        return;
    FORMOBJ* hit;
    {
        VIEWDC dc(this, kOwnWindow);
        if (!dc.IsSetUp())
            return;
        hit = doc->GetObjects().HitTest(dc, static_cast<uint16_t>(currentPage), point.x, point.y, nullptr);
    }
    if (!hit)
        return;
    if (!hit->IsSelected(nullptr)) {
        hit->Select(this);
        hit->Invalidate(this);
    } else {
        hit->Deselect(this);
        if (selection->GetCount() == 1)
            if (FORMOBJ* one = selection->GetFirstSelected(); one && one->GetType() != kTypeGroup)
                one->Invalidate(this);
    }
    UpdateWindow();
    ShowSelectionPosSize();
}

void FDESIGNVIEW::SelectPage()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !selection || !pageLayout)
        return;
    selection->Deselect(this);
    SetTool(kSelectionTool);
    const auto page = static_cast<uint16_t>(currentPage);
    FOBJLIST& objects = doc->GetObjects();
    for (FORMOBJ* o = objects.GetTail(); o && o->GetPage() >= page; o = o->GetPrev())
        if (o->GetPage() == page && o->IsInsideRect(0, 0, pageLayout->pageWidth, pageLayout->pageHeight))
            o->Select(this);
    selection->Invalidate(this);
    UpdateWindow();
    ShowSelectionPosSize();
}

void FDESIGNVIEW::ShowSelectionPosSize()
{
    if (!selection || selection->GetCount() == 0) {
        ClearPosSize();
        Rulers().HideRulerMarkers();
        return;
    }
    RECT bounds;
    selection->GetRect(bounds);
    ShowPosSize(bounds);
    ShowPositionInRulers(&bounds);
}

void FDESIGNVIEW::UpdateCursor(POINT point)
{
    QWidget* window = GetWindow();
    if (!window)
        return;
    if (!active) {
        ui::SetCursor(*window, Qt::ArrowCursor);
        return;
    }
    if (selection->GetCount() > 0 && selection->SetCursor(this, kHitClient))
        return;
    const bool drawing = tool != kSelectionTool && IsOnPage(point);
    ui::SetCursor(*window, drawing ? Qt::CrossCursor : Qt::ArrowCursor);
}

void FDESIGNVIEW::SnapPoint(POINT& point)
{
    if (!snap)
        return;
    VIEWDC dc(this, kOwnWindow);
    if (dc.IsSetUp())
        dc.SnapPoint(point);
}

void FDESIGNVIEW::ClampX(int32_t& x)
{
    RECT margins;
    if (GetMarginRect(margins))
        x = std::clamp(x, margins.left, std::max(margins.left, margins.right));
}

void FDESIGNVIEW::ClampY(int32_t& y)
{
    RECT margins;
    if (GetMarginRect(margins))
        y = std::clamp(y, margins.top, std::max(margins.top, margins.bottom));
}

bool FDESIGNVIEW::IsValidPoint(POINT point)
{
    if (!InRange(point.x) || !InRange(point.y) || !pageLayout)
        return false;
    const POINT p {point.x + windowOrg.x, point.y + windowOrg.y};
    RECT area {0, 0, pageLayout->pageWidth, pageLayout->pageHeight};
    if (!outOfPlace)
        GetMarginRect(area);
    return p.x >= area.left && p.x <= area.right && p.y >= area.top && p.y <= area.bottom;
}

int FDESIGNVIEW::IsValidPlacement(int32_t left, int32_t top, int32_t right, int32_t bottom, FORMOBJ* object)
{
    // The sizes in 64 bits: the corners may lie anywhere in the 32-bit range.
    for (int64_t v :
        {int64_t(left), int64_t(top), int64_t(right), int64_t(bottom), int64_t(right) - left, int64_t(bottom) - top})
        if (!InRange(v))
            return 0;
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !pageLayout)
        return 0;
    if (outOfPlace) {
        const RECT r = RECT {left, top, right, bottom}.Normalized().Offset(windowOrg.x, windowOrg.y);
        return r.left < pageLayout->pageWidth && r.right > 0 && r.top < pageLayout->pageHeight && r.bottom > 0 ? 1 : 0;
    }
    if (!IsValidPoint({left, top}) || !IsValidPoint({right, bottom}))
        return 0;
    if (object
        && !object->ExtCheck6(&doc->GetObjects(), static_cast<uint16_t>(currentPage), left + windowOrg.x,
            top + windowOrg.y, right + windowOrg.x, bottom + windowOrg.y))
        return 0;
    return 1;
}

void FDESIGNVIEW::OnRButtonUp(POINT point)
{
    if (!selection)
        return;
    int hit = kHitNothing;
    if (selection->GetCount() > 0) {
        VIEWDC dc(this, kOwnWindow);
        if (dc.IsSetUp()) {
            const POINT p = DeviceToLogical(dc, point);
            hit = selection->HitTestHandles(dc, p.x, p.y);
        }
    }
    // Off the selection, the object under the pointer is selected instead.
    if (hit == kHitNothing) {
        ClearSelection();
        SelectAt(point);
        ShowSelectionPosSize();
        format->UpdateFormatBar();
    }
    mouseDown = point;
    contextMenu.Show(point);
}
