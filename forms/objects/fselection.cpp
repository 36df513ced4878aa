// The selection as one form object: its count, the walks over the selected
// objects of its page, and the object operations that it answers for the
// one or every selected object.
#include "forms/objects/fselection.h"

#include "forms/model/common_angle.h"
#include "forms/model/fobjlist.h"
#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"
#include "platform/ui/cursor.h"

namespace {

constexpr int32_t kSelectionHandleSize = 90;
// From this many objects a drag shows one rectangle instead of outlines.
constexpr int32_t kMostDragOutlines = 10;

} // namespace

FSELECTION::FSELECTION(FOBJLIST* objects)
    : list(objects)
{
    page = 0;
    rect = {};
    SetTrackerRect(rect, kTrackStandard);
    selected = 1;
    handleSize = kSelectionHandleSize;
}

FSELECTION::~FSELECTION() = default;

std::vector<FORMOBJ*> FSELECTION::SelectedTopmostFirst() const
{
    std::vector<FORMOBJ*> found;
    if (!list)
        return found;
    for (FORMOBJ* o = list->GetTail(); o; o = o->GetPrev()) {
        if (o->GetPage() < page)
            break;
        if (o->GetPage() == page && o->IsSelected(nullptr))
            found.push_back(o);
    }
    return found;
}

FORMOBJ* FSELECTION::GetFirstSelected() const
{
    if (count == 0 || !list)
        return nullptr;
    for (FORMOBJ* o = list->GetHead(); o; o = o->GetNext()) {
        if (o->GetPage() < page)
            continue;
        if (o->GetPage() > page)
            break;
        FORMOBJ* named = nullptr;
        if (o->IsSelected(&named))
            return named;
    }
    return nullptr;
}

FORMOBJ* FSELECTION::GetSingle() const
{
    return count == 1 ? GetFirstSelected() : nullptr;
}

void FSELECTION::InvalidateUpdateRect(OBJECT_VIEW* view)
{
    if (!view)
        return;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    RECT update;
    GetUpdateRect(update, dc, 1);
    view->InvalidateRect(update, true);
}

void FSELECTION::NoteSelected(int32_t n, OBJECT_VIEW* view)
{
    if (count == 0 && view)
        page = view->GetCurrentPage();
    // The one object selected so far loses its own handles.
    if (count == 1 && n > 0)
        InvalidateUpdateRect(view);
    count += n;
}

void FSELECTION::NoteDeselected(int32_t n, OBJECT_VIEW* view)
{
    if (count - n == 1 && n >= 1)
        InvalidateUpdateRect(view);
    count -= n;
}

int FSELECTION::HitTest(VIEWDC& dc, int32_t x, int32_t y)
{
    if (count == 0)
        return 0;
    if (FORMOBJ* one = GetSingle())
        return one->HitTest(dc, x, y);
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->HitTest(dc, x, y))
            return 1;
    return 0;
}

void FSELECTION::Select(OBJECT_VIEW* view)
{
    if (FORMOBJ* one = GetSingle())
        one->Select(view);
}

uint16_t FSELECTION::Deselect(OBJECT_VIEW* view)
{
    if (count == 0)
        return 0;
    if (FORMOBJ* one = GetSingle())
        return one->Deselect(view);
    uint16_t result = 0;
    for (FORMOBJ* o : SelectedTopmostFirst())
        result |= o->Deselect(view);
    return result;
}

int FSELECTION::Track(OBJECT_VIEW* view, int32_t x, int32_t y)
{
    FORMOBJ* one = GetSingle();
    if (!one || one->GetType() == kTypeGroup)
        return 0;
    return one->Track(view, x, y);
}

int FSELECTION::ShowProperties(OBJECT_VIEW* view)
{
    FORMOBJ* one = GetSingle();
    return one ? one->ShowProperties(view) : 0;
}

int FSELECTION::ApplyMasterIfType(uint8_t type, FORMOBJ* style, OBJECT_VIEW* view)
{
    if (FORMOBJ* one = GetSingle())
        return one->ApplyMasterIfType(type, style, view);
    int result = 0;
    for (FORMOBJ* o : SelectedTopmostFirst())
        result |= o->ApplyMasterIfType(type, style, view);
    return result;
}

void FSELECTION::SetRotation(uint16_t angle, OBJECT_VIEW* view)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->SetRotation(angle, view);
}

void FSELECTION::Offset(int32_t dx, int32_t dy, OBJECT_VIEW* view)
{
    // Moves what the selection shows, not its own remembered rectangle.
    RECT r;
    GetRect(r);
    Invalidate(view);
    SetRectBy(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
    Invalidate(view);
}

void FSELECTION::Redraw(OBJECT_VIEW* view)
{
    if (FORMOBJ* one = GetSingle()) {
        one->Redraw(view);
        return;
    }
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->Redraw(view);
}

int FSELECTION::GetShadow(SHADOW* out)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->GetShadow(out))
            return 1;
    return 0;
}

void FSELECTION::SetShadow(const SHADOW& shadow)
{
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->SetShadow(shadow);
}

int FSELECTION::ChangeShadow(const SHADOW& shadow, OBJECT_VIEW* view)
{
    const std::vector<FORMOBJ*> objects = SelectedTopmostFirst();
    if (objects.empty())
        return 1;
    int result = 0;
    for (FORMOBJ* o : objects)
        result |= o->ChangeShadow(shadow, view);
    return result;
}

void FSELECTION::Invalidate(OBJECT_VIEW* view)
{
    if (FORMOBJ* one = GetSingle()) {
        one->Invalidate(view);
        return;
    }
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->Invalidate(view);
}

void FSELECTION::GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles)
{
    if (count == 0) {
        out = {};
        return;
    }
    if (count == 1) {
        FORMOBJ* one = GetFirstSelected();
        if (one)
            one->GetUpdateRect(out, dc, withHandles);
        else
            out = {};
        return;
    }
    FORMOBJ::GetUpdateRect(out, dc, withHandles);
}

void FSELECTION::GetRect(RECT& out) const
{
    if (count == 0) {
        out = rect;
        return;
    }
    if (count == 1) {
        FORMOBJ* one = GetFirstSelected();
        if (one)
            one->GetRect(out);
        else
            out = {};
        return;
    }
    RECT bounds {};
    for (FORMOBJ* o : SelectedTopmostFirst()) {
        RECT b;
        o->GetBoundingRect(b);
        bounds = UnionRectNormalized(bounds, b);
    }
    out = bounds;
}

void FSELECTION::GetBoundingRect(RECT& out)
{
    if (count == 1) {
        FORMOBJ* one = GetFirstSelected();
        if (one)
            one->GetBoundingRect(out);
        else
            out = {};
        return;
    }
    FORMOBJ::GetBoundingRect(out);
}

void FSELECTION::SetRectBy(int32_t left, int32_t top, int32_t right, int32_t bottom)
{
    if (count == 0) {
        SetRect(left, top, right, bottom);
        return;
    }
    if (FORMOBJ* one = GetSingle()) {
        one->SetRectBy(left, top, right, bottom);
        return;
    }
    RECT from;
    GetRect(from);
    const RECT to = RECT {left, top, right, bottom}.Normalized();
    const int32_t dx = to.left - from.left;
    const int32_t dy = to.top - from.top;
    for (FORMOBJ* o : SelectedTopmostFirst()) {
        RECT r;
        o->GetRect(r);
        o->SetRectBy(r.left + dx, r.top + dy, r.right + dx, r.bottom + dy);
    }
}

void FSELECTION::RotateTrackerRect(RECT& r)
{
    if (FORMOBJ* one = GetSingle())
        one->RotateTrackerRect(r);
    else
        FORMOBJ::RotateTrackerRect(r);
}

FORMOBJ* FSELECTION::GetMaster() const
{
    if (FORMOBJ* one = GetSingle())
        return one->GetMaster();
    const std::vector<FORMOBJ*> objects = SelectedTopmostFirst();
    if (objects.empty())
        return nullptr;
    FORMOBJ* common = objects.front()->GetMaster();
    const uint8_t type = objects.front()->GetType();
    for (FORMOBJ* o : objects)
        if (o->GetType() != type || o->GetMaster() != common)
            return nullptr;
    return common;
}

int FSELECTION::CanAlign()
{
    if (count > 1)
        return 1;
    FORMOBJ* one = GetSingle();
    return one ? one->CanAlign() : 0;
}

int FSELECTION::CanCut()
{
    if (count > 1)
        return 1;
    FORMOBJ* one = GetSingle();
    return one ? one->CanCut() : 0;
}

int FSELECTION::CanCopy()
{
    if (count > 1)
        return 1;
    FORMOBJ* one = GetSingle();
    return one ? one->CanCopy() : 0;
}

int FSELECTION::QueryAngle(uint16_t* out)
{
    if (FORMOBJ* one = GetSingle()) {
        return TurnsWithRotationBox(*one) ? one->QueryAngle(out) : 0;
    }
    if (count == 0)
        return 0;
    return QueryCommonAngle(SelectedTopmostFirst(), out);
}

int FSELECTION::CanFormatText() const
{
    FORMOBJ* one = GetSingle();
    return one && one->GetType() == kTypeText && one->GetRichText(nullptr) ? 1 : 0;
}

void FSELECTION::DrawTracker(VIEWDC& dc)
{
    if (FORMOBJ* one = GetSingle()) {
        one->DrawTracker(dc);
        return;
    }
    for (FORMOBJ* o : SelectedTopmostFirst())
        o->DrawTracker(dc);
}

int FSELECTION::SetCursor(OBJECT_VIEW* view, int hitCode)
{
    if (FORMOBJ* one = GetSingle())
        return one->SetCursor(view, hitCode);
    QWidget* window = view ? view->GetTrackingWindow() : nullptr;
    POINT device;
    if (count < 2 || !window || !view->GetPointerPos(device))
        return 0;
    VIEWDC dc(view, kOwnWindow);
    if (!dc.IsSetUp())
        return 0;
    for (FORMOBJ* o : SelectedTopmostFirst()) {
        if (o->HitTest(dc, device.x, device.y)) {
            ui::SetCursor(*window, TrackerCursor(kHitInside));
            return 1;
        }
    }
    return 0;
}

int FSELECTION::HitTestHandles(VIEWDC& dc, int32_t x, int32_t y)
{
    if (count == 0)
        return kHitNothing;
    if (count == 1) {
        FORMOBJ* one = GetFirstSelected();
        return one ? one->HitTestHandles(dc, x, y) : kHitNothing;
    }
    for (FORMOBJ* o : SelectedTopmostFirst())
        if (o->HitTestHandles(dc, x, y) == kHitInside)
            return kHitInside;
    return kHitNothing;
}

void FSELECTION::DrawTrackerRect(const RECT& r, uintptr_t clipWindow, gdi::DC* dc, OBJECT_VIEW* view)
{
    if (count == 0) {
        if (dc)
            dc->DrawFocusRect(r);
        return;
    }
    if (FORMOBJ* one = GetSingle())
        one->DrawTrackerRect(r, clipWindow, dc, view);
}

void FSELECTION::DrawDragOutline(gdi::DC* dc, const RECT& r)
{
    DrawDragOutline(trackView, r, dc);
}

void FSELECTION::DrawDragOutline(OBJECT_VIEW* view, const RECT& r, gdi::DC* dc)
{
    if (!dc || count == 0)
        return;
    if (FORMOBJ* one = GetSingle()) {
        one->DrawDragOutline(dc, r);
        return;
    }
    // Without a view the objects' places on the window are not known.
    if (count > kMostDragOutlines || !view) {
        dc->DrawFocusRect(r.Normalized());
        return;
    }
    RECT from;
    GetRect(from);
    view->ToDeviceRect(from);
    const int32_t dx = r.left - from.left;
    const int32_t dy = r.top - from.top;
    for (FORMOBJ* o : SelectedTopmostFirst()) {
        RECT device;
        o->GetRect(device);
        view->ToDeviceRect(device);
        o->DrawDragOutline(dc, device.Offset(dx, dy));
    }
}
