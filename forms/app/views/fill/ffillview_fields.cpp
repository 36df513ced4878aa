// The fill view's current field: filling starts, clicks, moves in filling
// order, committing and making a field current.
#include "forms/app/views/fill/ffillview.h"

#include "forms/document/ccinterface.h"
#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/model/viewdc.h"
#include "forms/objects/ffield.h"

#include <QWidget>

#include <algorithm>

namespace {

// The margin kept round a field scrolled into sight, in pixels.
constexpr int32_t kShowFieldMargin = 24;

// A rectangle of page twips in the window's pixels.
RECT ToWindow(VIEWDC& dc, const RECT& logical)
{
    POINT corners[2] = {{logical.left - dc.originX, logical.top - dc.originY},
        {logical.right - dc.originX, logical.bottom - dc.originY}};
    dc.LPtoDP(corners, 2);
    return RECT {corners[0].x, corners[0].y, corners[1].x, corners[1].y}.Normalized();
}

bool IsEnterable(const FFIELD* field)
{
    return field && !field->IsProtected();
}

// Commits the field. A check box's focus outline goes with its control: the
// box is drawn again without it.
int Commit(FFIELD& field, OBJECT_VIEW& view, END_EDIT_FLAGS flags)
{
    if (!field.CommitEdit(&view, flags))
        return 0;
    if (field.IsCheckBox())
        field.Invalidate(&view);
    return 1;
}

} // namespace

void FFILLVIEW::StartFilling()
{
    if (currentField)
        return;
    if (QWidget* window = GetWindow())
        window->setEnabled(true);
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || doc->GetActiveFillView() != this)
        return;
    currentField = nullptr;
    PTRARRAY& order = doc->GetTabOrder();
    doc->KeepFieldValues();
    filling = true;
    doc->RevertAllFields();
    doc->GetFormulaHost().SetAllOutOfDate();
    doc->GetFormulaHost().Calculate(0);
    FFIELD* first = nullptr;
    for (int i = 0; i < order.GetCount(); ++i) {
        auto* field = dynamic_cast<FFIELD*>(order.GetAt(i));
        if (field && field->GetDataType())
            field->GetDataType()->bChanged = 0;
        if (!first && IsEnterable(field))
            first = field;
    }
    if (!first)
        return;
    TEXTATTR font;
    first->GetFont(&font);
    SetTextAttr(font);
    first->Invalidate(this);
    UpdateWindow();
    SetCurrentField(first);
}

void FFILLVIEW::SetCurrentField(FORMOBJ* object)
{
    auto* field = dynamic_cast<FFIELD*>(object);
    currentField = field;
    if (!field)
        return;
    TEXTATTR font;
    field->GetFont(&font);
    SetTextAttr(font);
    UpdateFormatBar(1);
    BringIntoView(*field);
    field->Activate(this, nullptr, 0, 0);
    field->SetFocus();
}

int FFILLVIEW::CommitCurrentField(END_EDIT_FLAGS flags)
{
    if (!currentField)
        return 1;
    if (!Commit(*currentField, *this, flags))
        return 0;
    editRepaintRect = {0, 0, 0, 0};
    textFormatting = false;
    currentField = nullptr;
    return 1;
}

void FFILLVIEW::MoveToField(bool forward)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !currentField)
        return;
    PTRARRAY& order = doc->GetTabOrder();
    const int count = order.GetCount();
    if (count <= 1)
        return;
    const int start = order.IndexOf(currentField);
    // A current field outside the order starts the walk at its end, and the
    // walk stops after one round whatever it meets.
    int at = start >= 0 ? start : (forward ? count - 1 : 0);
    FFIELD* found = nullptr;
    for (int steps = 0; steps < count; ++steps) {
        at = forward ? (at + 1) % count : (at + count - 1) % count;
        if (at == start)
            break;
        auto* field = dynamic_cast<FFIELD*>(order.GetAt(at));
        if (!order.GetAt(at))
            break;
        if (IsEnterable(field)) {
            found = field;
            break;
        }
    }
    if (!found || found == currentField)
        return;
    MoveCurrentTo(*found);
}

void FFILLVIEW::MoveToCellAbove()
{
    MoveToCell(true);
}

void FFILLVIEW::MoveToCellBelow()
{
    MoveToCell(false);
}

void FFILLVIEW::MoveToCell(bool above)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc || !currentField || currentField->GetType() != kTypeCell)
        return;
    PTRARRAY& order = doc->GetTabOrder();
    if (order.GetCount() <= 1)
        return;
    FFIELD* next = above ? currentField->GetCellAbove() : currentField->GetCellBelow();
    // Only a cell that a click could make current is moved to.
    if (!IsEnterable(next) || next == currentField || !order.Contains(next))
        return;
    MoveCurrentTo(*next);
}

void FFILLVIEW::MoveCurrentTo(FFIELD& field)
{
    if (!Commit(*currentField, *this, {}))
        return;
    textFormatting = false;
    SetCurrentField(&field);
}

void FFILLVIEW::OnLButtonDown(POINT device)
{
    FDOCUMENT* doc = GetFormDocument();
    VIEWDC dc(this, kOwnWindow);
    if (!doc || !dc.IsSetUp())
        return;
    POINT logical = device;
    ToLogicalPoint(logical);
    const int16_t width = GetPageWidth();
    const int16_t height = GetPageHeight();
    if (logical.x < 0 || logical.y < 0 || logical.x >= width || logical.y >= height)
        return;
    // Objects are hit in the window's pixels.
    FORMOBJ* hit = doc->GetObjects().FieldAt(dc, static_cast<uint16_t>(currentPage), device.x, device.y, 0);
    if (!hit || (hit->GetType() != kTypeField && hit->GetType() != kTypeCell))
        return;
    auto* field = dynamic_cast<FFIELD*>(hit);
    if (!field || !doc->GetTabOrder().Contains(field))
        return;
    if (currentField && !Commit(*currentField, *this, {}))
        return;
    currentField = field;
    textFormatting = false;
    TEXTATTR font;
    field->GetFont(&font);
    SetTextAttr(font);
    UpdateFormatBar(1);
    field->Activate(this, &device, 1, 0);
    field->SetFocus();
}

void FFILLVIEW::BringIntoView(FFIELD& field)
{
    if (field.GetPage() != currentPage) {
        editRepaintRect = {0, 0, 0, 0};
        SetPage(field.GetPage());
    }
    VIEWDC dc(this, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    RECT outer;
    field.GetOuterRect(outer, dc);
    const RECT device = ToWindow(dc, outer);
    const RECT client = GetClientRect();
    if (client.right <= client.left || client.bottom <= client.top)
        return;
    int32_t dx = 0;
    int32_t dy = 0;
    if (device.right > client.right)
        dx = device.right - client.right + kShowFieldMargin;
    if (device.left - dx < client.left)
        dx = device.left - client.left - kShowFieldMargin;
    if (device.bottom > client.bottom)
        dy = device.bottom - client.bottom + kShowFieldMargin;
    if (device.top - dy < client.top)
        dy = device.top - client.top - kShowFieldMargin;
    if (dx == 0 && dy == 0)
        return;
    POINT distance[2] = {{0, 0}, {dx, dy}};
    dc.DPtoLP(distance, 2);
    AutoScroll(static_cast<int16_t>(std::clamp<int32_t>(distance[1].x - distance[0].x, INT16_MIN, INT16_MAX)),
        static_cast<int16_t>(std::clamp<int32_t>(distance[1].y - distance[0].y, INT16_MIN, INT16_MAX)),
        field.GetPage());
}

void FFILLVIEW::MoveCurrentControl()
{
    if (currentField && currentField->GetPage() == currentPage) {
        currentField->EditHookCommand(reinterpret_cast<uintptr_t>(static_cast<OBJECT_VIEW*>(this)));
        currentField->EditHookReset();
    }
}
