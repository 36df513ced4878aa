// The check box's value, records, toggling and radio groups.
#include "forms/fields/datatypes/check_datatype.h"

#include "forms/model/ffield_identity.h"
#include "forms/model/formobj.h"
#include "forms/model/object_document.h"
#include "forms/model/object_view.h"
#include "forms/model/record_archive.h"
#include "forms/model/viewdc.h"

#include "platform/ui/checkbox_wnd.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint8_t kStateRecord = 0x81;
constexpr uint8_t kCaptionRecord = 0x82;
constexpr uint8_t kInitialRecord = 0x83;
constexpr int kAttrDataType = 1;
// The margin left round a check box scrolled into sight, in pixels.
constexpr int32_t kShowBoxMargin = 24;

// The check box of an object, or null for an object that is none.
CHECK_DATATYPE* CheckBoxOf(FORMOBJ* object)
{
    DATATYPE* type = nullptr;
    if (!object || !object->GetAttribute(kAttrDataType, reinterpret_cast<uintptr_t>(&type)))
        return nullptr;
    return dynamic_cast<CHECK_DATATYPE*>(type);
}

uint16_t FieldIdOf(FORMOBJ* object)
{
    const auto* field = dynamic_cast<const FieldIdentity*>(object);
    return field ? field->GetFieldID() : kNoFieldId;
}

} // namespace

// Turns the window's keys and clicks into the check box's actions and the
// fill view's moves: Tab to the next or previous field, Up and Down to the
// table cell above or below, F1 to the field's help, the page keys to the
// view's scrolling.
class CHECK_DATATYPE::WindowOwner : public ui::CheckBoxWndOwner {
public:
    WindowOwner(CHECK_DATATYPE& box, OBJECT_VIEW* view, FORMOBJ* field)
        : box(box)
        , view(view)
        , field(field)
    {}
    void OnTab(bool forward) override
    {
        if (view)
            view->MoveToField(forward);
    }
    void OnToggle() override { box.Toggle(reinterpret_cast<uintptr_t>(view), reinterpret_cast<uintptr_t>(field)); }
    void OnUpDown(bool up) override
    {
        if (!view)
            return;
        if (up)
            view->MoveToCellAbove();
        else
            view->MoveToCellBelow();
    }
    void OnHelp(int left, int top, int right, int bottom) override
    {
        if (view)
            view->ShowFieldHelp(field, RECT {left, top, right, bottom});
    }
    void OnPageKeyUp(bool pageUp, bool control) override
    {
        if (view)
            view->OnPageKeyUp(pageUp, control);
    }
    void OnFocusChanged() override
    {
        box.InvalidateOwner(reinterpret_cast<uintptr_t>(view), reinterpret_cast<uintptr_t>(field));
    }

private:
    CHECK_DATATYPE& box;
    OBJECT_VIEW* view;
    FORMOBJ* field;
};

CHECK_DATATYPE::CHECK_DATATYPE() = default;

CHECK_DATATYPE::~CHECK_DATATYPE() = default;

void CHECK_DATATYPE::CreateControl(const TEXTDRAWINFO&, const RECT& editRect, const RECT&, TEXTATTR, uint8_t, uint16_t,
    const uint32_t*, const uint32_t*, OBJECT_VIEW* fillView, FORMOBJ* field, uintptr_t)
{
    pControl.reset();
    pWindowOwner = std::make_unique<WindowOwner>(*this, fillView, field ? field : pOwner);
    QWidget* parent = fillView ? fillView->GetTrackingWindow() : nullptr;
    pControl = std::make_unique<ui::CheckBoxWnd>(
        parent, editRect.left, editRect.top, editRect.right, editRect.bottom, *pWindowOwner);
    if (fillView)
        ShowBox(*fillView, editRect, field ? field : pOwner);
}

void CHECK_DATATYPE::ShowBox(OBJECT_VIEW& view, const RECT& editRect, FORMOBJ* field)
{
    // The square of the rectangle's height at the box's end.
    const int32_t side = editRect.bottom - editRect.top;
    const RECT box = nTextPos ? RECT {editRect.right - side, editRect.top, editRect.right, editRect.bottom}
                              : RECT {editRect.left, editRect.top, editRect.left + side, editRect.bottom};
    const RECT client = view.GetClientRect();
    const auto inside = [&client](int32_t x, int32_t y) {
        return x >= client.left && x < client.right && y >= client.top && y < client.bottom;
    };
    if (inside(box.left, box.top) && inside(box.right, box.bottom))
        return;
    if (!inside(editRect.left, editRect.top) && !inside(editRect.right, editRect.bottom))
        return;
    int32_t dx = 0;
    if (box.left < client.left)
        dx = box.left - client.left - kShowBoxMargin;
    else if (box.right > client.right)
        dx = box.right - client.right + kShowBoxMargin;
    int32_t dy = 0;
    if (box.top < client.top)
        dy = box.top - client.top - kShowBoxMargin;
    else if (box.bottom > client.bottom)
        dy = box.bottom - client.bottom + kShowBoxMargin;
    VIEWDC dc(&view, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    POINT distance[2] = {{0, 0}, {dx, dy}};
    dc.DPtoLP(distance, 2);
    view.AutoScroll(static_cast<int16_t>(distance[1].x - distance[0].x),
        static_cast<int16_t>(distance[1].y - distance[0].y), field ? field->GetPage() : view.GetCurrentPage());
}

int CHECK_DATATYPE::EndEdit(OBJECT_VIEW* view, const RECT&, END_EDIT_FLAGS)
{
    pControl.reset();
    pWindowOwner.reset();
    if (view)
        view->SetFocus();
    return 1;
}

void CHECK_DATATYPE::SetFocus(uintptr_t)
{
    if (pControl)
        pControl->SetFocus();
}

void CHECK_DATATYPE::Save(RECORDARCHIVE& ar)
{
    ar.WriteTag(kKindCheckBox);
    ar.BeginRecord();
    ar.PutU16(nChecked == 1 ? 1 : 0);
    ar.PutU8(nStyle);
    ar.PutU16(nTextPos ? 1 : 0);
    ar.PutU16(bRadio ? 1 : 0);
    ar.EndRecord(kStateRecord);
    ar.BeginRecord();
    ar.PutString(strCaption);
    ar.EndRecord(kCaptionRecord);
    ar.BeginRecord();
    ar.PutU8(nInitial);
    ar.EndRecord(kInitialRecord);
    ar.WriteTag(kEndGroup);
}

int CHECK_DATATYPE::Load(RECORDARCHIVE& ar)
{
    for (;;) {
        const uint8_t tag = ar.ReadTag();
        switch (tag) {
        case kEndGroup:
            return 1;
        case kStateRecord: {
            RecordReader r = ar.ReadRecord();
            nChecked = r.U16() == 1 ? 1 : 0;
            nStyle = r.U8(nStyle);
            nTextPos = r.U16() == 1 ? 1 : 0;
            bRadio = r.U16() == 1 ? 1 : 0;
            break;
        }
        case kCaptionRecord: {
            RecordReader r = ar.ReadRecord();
            const uint16_t n = r.U16();
            const size_t at = r.Size() - r.Remaining();
            const size_t available = std::min<size_t>(n, r.Remaining());
            std::string_view bytes(reinterpret_cast<const char*>(r.Payload().data()) + at, available);
            strCaption = bytes.substr(0, bytes.find('\0'));
            break;
        }
        case kInitialRecord:
            nInitial = ar.ReadRecord().U8(nInitial);
            break;
        default:
            ar.SkipRecord(tag);
            break;
        }
    }
}

std::unique_ptr<DATATYPE> CHECK_DATATYPE::Clone() const
{
    auto copy = std::make_unique<CHECK_DATATYPE>();
    copy->bRadio = bRadio;
    copy->nChecked = nChecked;
    copy->nStyle = nStyle;
    copy->nTextPos = nTextPos;
    copy->strCaption = strCaption;
    copy->nInitial = nInitial;
    return copy;
}

int CHECK_DATATYPE::InitialiseValue()
{
    nChecked = nInitial;
    return 1;
}

int CHECK_DATATYPE::ResetValue(uint32_t)
{
    nChecked = nInitial;
    return 1;
}

int CHECK_DATATYPE::Clear()
{
    wErrorId = 0;
    bEdited = 0;
    nChecked = 0;
    return 0;
}

void CHECK_DATATYPE::GetOperand(OPERAND& out)
{
    out.nType = kOperandNumber;
    out.dNumber = nChecked == 1 ? 1.0 : 0.0;
}

void CHECK_DATATYPE::SetFromOperand(const OPERAND& operand)
{
    double number = 0.0;
    if (operand.nType == kOperandNumber)
        number = operand.dNumber;
    else if (operand.nType == kOperandText)
        number = operand.pszText ? std::strtod(operand.pszText, nullptr) : 0.0;
    else
        return;
    const uint32_t checked = number == 0.0 ? 0 : 1;
    if (checked != nChecked)
        MarkChanged();
    nChecked = checked;
}

int CHECK_DATATYPE::CompareValue(DATATYPE& other)
{
    auto* box = dynamic_cast<CHECK_DATATYPE*>(&other);
    const uint32_t theirs = box ? box->nChecked : 0;
    if (nChecked == theirs)
        return 0;
    return nChecked ? 1 : -1;
}

void CHECK_DATATYPE::InvalidateOwner(uintptr_t view, uintptr_t field)
{
    if (auto* object = reinterpret_cast<FORMOBJ*>(field))
        object->Invalidate(reinterpret_cast<OBJECT_VIEW*>(view));
}

RECT& CHECK_DATATYPE::GetEditRect(RECT& out, OBJECT_VIEW* view, FORMOBJ* field, int invalidate)
{
    out = {};
    if (!view || !field)
        return out;
    VIEWDC dc(view);
    if (!dc.dc || !view->SetupOwnDC(dc))
        return out;
    TEXTATTR attr;
    field->GetFont(&attr);
    RECT box = GetBoxRect(dc, *field, attr).Offset(-dc.originX, -dc.originY);
    out = dc.dc->LPtoDP(box).Normalized();
    if (invalidate)
        view->InvalidateRect(out, true);
    return out;
}

void CHECK_DATATYPE::Toggle(uintptr_t viewArg, uintptr_t fieldArg)
{
    auto* view = reinterpret_cast<OBJECT_VIEW*>(viewArg);
    auto* field = reinterpret_cast<FORMOBJ*>(fieldArg);
    if (bRadio) {
        if (nChecked)
            return;
        nChecked = 1;
        MarkChanged();
        if (field)
            UncheckOthers(view, *field, 1);
    } else {
        nChecked = nChecked ? 0 : 1;
        MarkChanged();
    }
    RECT box;
    GetEditRect(box, view, field, 0);
    if (view && box.right > box.left) {
        box.left += 1;
        box.top += 1;
        view->InvalidateRect(box, true);
    }
    if (OBJECT_DOCUMENT* document = view ? view->GetObjectDocument() : nullptr)
        document->Calculate(FieldIdOf(field));
}

void CHECK_DATATYPE::UncheckOthers(OBJECT_VIEW* view, FORMOBJ& field, int tellFormulas)
{
    CHECK_DATATYPE* own = CheckBoxOf(&field);
    if (!own || !own->bRadio)
        return;
    FORMOBJ* first = &field;
    while (first->GetPrev())
        first = first->GetPrev();
    OBJECT_DOCUMENT* document = view ? view->GetObjectDocument() : nullptr;
    for (FORMOBJ* o = first; o; o = o->GetNext()) {
        CHECK_DATATYPE* box = CheckBoxOf(o);
        // Only the other radio buttons: a plain check box in the same list
        // keeps its value.
        if (o == &field || !box || !box->bRadio || !box->nChecked)
            continue;
        box->nChecked = 0;
        box->MarkChanged();
        RECT r;
        box->GetEditRect(r, view, o, 1);
        if (tellFormulas && document)
            document->SetFieldDependantsOOD(FieldIdOf(o));
    }
}
